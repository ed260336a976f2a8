// The scanning and clicking methods: the introduction before every run, the clicks and the
// highlight's controls, and the run loops of step scanning (1), direct selection (2) and timed
// scanning (3). Handlers only set flags; the loops act on them.

#include <QCoreApplication>
#include <QMouseEvent>

#include "activity/ActivityWidgets.h"
#include "activity/BoardState.h"
#include "activity/FormAnimation.h"
#include "activity/ScanOrder.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "core/OptionChoices.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

namespace {

const QString kArrange = QStringLiteral("aobj_arrange.wav");
const QString kSilenceOneSecond = QStringLiteral("aobj_silence_1sec.wav");
const QString kHandCursor = QStringLiteral("aobj_hand.ico");

QString accessInstructions(int method) { return QStringLiteral("aobj_access_%1.wav").arg(method); }

bool scansWithSwitches(int method) { return method == 1 || method == 3; }

// A click: the button let go over the control it was pressed on (the control keeps the mouse
// from the press to the release).
bool releasedInside(const QWidget* control, const QMouseEvent* event) {
    return control->rect().contains(event->position().toPoint());
}

}  // namespace

bool FormAnimation::pictureIgnoresInput(int slot) const {
    if (slot < 1 || slot > Task.StepCount) return true;
    // A picture placed in advance never moves, and nothing is taken while a sentence plays.
    return activity::slotIsPrePlaced(board(), options_, slot) || WaitingForSound == 1;
}

void FormAnimation::selectSlot(int slot) {
    if (pictureIgnoresInput(slot)) return;
    if (ClickSelectEnabled == 1) ClickedSlot = static_cast<std::int16_t>(slot);
}

void FormAnimation::wireAccessHandlers() {
    for (int k = 1; k <= 10; ++k) {
        // The picture, its image and its title: a click selects (methods 1 to 3); the pointer
        // methods pick the picture up, carry it and drop it.
        const auto press = [this, k](QMouseEvent* e) {
            Picture_MouseDown(k, mapFromGlobal(e->globalPosition().toPoint()));
        };
        const auto move = [this, k](QMouseEvent* e) {
            Picture_MouseMove(k, mapFromGlobal(e->globalPosition().toPoint()));
        };
        const auto release = [this, k](QMouseEvent*) { Picture_MouseUp(k); };
        for (PictureBox* control : {PicBase[k], ImBase[k]}) {
            connect(control, &PictureBox::mousePressed, this, press);
            connect(control, &PictureBox::mouseMoved, this, move);
            connect(control, &PictureBox::mouseReleased, this, release);
        }
        connect(LabShowTitle[k], &CaptionLabel::mousePressed, this, press);
        connect(LabShowTitle[k], &CaptionLabel::mouseMoved, this, move);
        connect(LabShowTitle[k], &CaptionLabel::mouseReleased, this, release);
        connect(LabShowTitle[k], &CaptionLabel::clicked, this, [this, k] { LabShowTitle_Click(k); });
        connect(ImBase[k], &PictureBox::mouseReleased, this, [this, k](QMouseEvent* e) {
            if (releasedInside(ImBase[k], e)) ImBase_Click(k);
        });
        connect(PicBase[k], &PictureBox::mouseReleased, this, [this, k](QMouseEvent* e) {
            if (releasedInside(PicBase[k], e)) PicBase_Click(k);
        });
    }
    for (int b = 1; b <= 10; ++b) {
        // A box's frame belongs to the box: a click on it is a click on the box.
        for (PictureBox* control : {ImSeq[b], PicSeq[b]}) {
            connect(control, &PictureBox::mouseReleased, this, [this, control](QMouseEvent* e) {
                if (releasedInside(control, e)) ImSeq_Click();
            });
        }
        connect(ImSeparator[b], &PictureBox::mouseReleased, this, [this, b](QMouseEvent* e) {
            if (releasedInside(ImSeparator[b], e)) ImSeparator_Click();
        });
        connect(PicSeparator[b], &PictureBox::mouseReleased, this, [this, b](QMouseEvent* e) {
            if (releasedInside(PicSeparator[b], e)) ImSeparator_Click();
        });
    }
    connect(LabGeneralInfo, &CaptionLabel::clicked, this, &FormAnimation::LabGeneralInfo_Click);
    connect(PicScan, &PictureBox::mousePressed, this, [this](QMouseEvent*) { PicScan_MouseDown(); });
    connect(PicScan, &PictureBox::mouseReleased, this, [this](QMouseEvent*) { PicScan_MouseUp(); });
    // The pointers, the task's title and the check's hand are not switches of their own: a click
    // on them is a click on what lies under them (the window's background).
    for (QWidget* w : std::initializer_list<QWidget*>{ImScanPointer, ImArrowPointer, PicHand, LabelTaskTitle}) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // A touch on any control reaches it as a mouse click: no control takes touches itself, so
    // the window system's touches are turned into mouse events for them.
    QCoreApplication::setAttribute(Qt::AA_SynthesizeMouseForUnhandledTouchEvents, true);
    for (QWidget* w : findChildren<QWidget*>()) w->setAttribute(Qt::WA_AcceptTouchEvents, false);
    setAttribute(Qt::WA_AcceptTouchEvents, false);
}

// ---- Clicks ----

// The highlight's marquee is a select switch like the window's background: the press is kept
// until the loop acts on it.
void FormAnimation::PicScan_MouseDown() { SelectRequested = 1; }
void FormAnimation::PicScan_MouseUp() {}

void FormAnimation::ImBase_Click(int slot) {
    if (pointerMethod() || pictureIgnoresInput(slot)) return;
    // Scanning, the highlighted picture is chosen, not the clicked one.
    if (scansWithSwitches(options_.accessMethod)) SelectRequested = 1;
    if (ClickSelectEnabled == 1) ClickedSlot = static_cast<std::int16_t>(slot);
}

void FormAnimation::LabShowTitle_Click(int slot) { ImBase_Click(slot); }

void FormAnimation::PicBase_Click(int slot) {
    if (pointerMethod()) return;
    selectSlot(slot);
}

void FormAnimation::ImSeq_Click() {
    if (scansWithSwitches(options_.accessMethod)) SelectRequested = 1;
}

void FormAnimation::ImSeparator_Click() { ImSeq_Click(); }
void FormAnimation::LabGeneralInfo_Click() { ImSeq_Click(); }

// ---- The introduction ----

void FormAnimation::introduceTask() {
    platform::pump().doEvents();
    if (!isNone(Task.TaskIntroFile) && platform::files().exists(insertPath(Task.TaskIntroFile))) {
        setCursor(Qt::WaitCursor);
        sound.sequence_wave_start_sync(insertPath(kArrange));
        sound.sequence_wave_start_sync(insertPath(Task.TaskIntroFile));
        sound.sequence_wave_start_sync(insertPath(kSilenceOneSecond));
        unsetCursor();
    }
    // The cursor of a held picture, whether or not the task has an introduction.
    auto hand = readPicture(insertPath(kHandCursor));
    handCursor_ = hand ? QCursor(QPixmap::fromImage(*hand)) : QCursor(Qt::ClosedHandCursor);
    if (StudentOptions.AudioInstructions == 1) {
        const int method = knownChoice(StudentOptions.AccessMethod, kAccessMethodChoices);
        sound.sequence_wave_start_sync(insertPath(accessInstructions(method)));
    }
}

// ---- The highlight, its pointer, the target box and its arrow ----

void FormAnimation::highlightSlot(int slot) {
    PicScan->hide();
    if (slot < 1 || slot > Task.StepCount) return;
    PicScan->setGeometry(activity::highlightSlot(PicBase[slot]->geometry()));
    PicBase[slot]->raise();
    PicScan->show();
    PicScan->stackUnder(PicBase[slot]);
    placeScanPointer();
}

void FormAnimation::placeScanPointer() {
    ImScanPointer->hide();
    ImScanPointer->setGeometry(
        activity::placeScanPointer(PicScan->geometry(), ImScanPointer->size(), size(), options_.layout));
    ImScanPointer->show();
    ImScanPointer->raise();
}

void FormAnimation::markTargetBox() {
    const activity::TargetMark mark = activity::markTargetBox(board());
    TargetBox = static_cast<std::int16_t>(mark.TargetBox);
    ImArrowPointer->hide();
    for (int b = 1; b <= Task.StepCount; ++b) {
        ImSeq[b]->raise();
        const QColor colour = mark.frame[b] == activity::BoxFrame::Green ? QColor(0, 255, 0) : QColor(255, 0, 0);
        if (PicSeq[b]->background() != colour) PicSeq[b]->setBackground(colour);
    }
    placeTargetArrow();
}

void FormAnimation::placeTargetArrow() {
    ImArrowPointer->hide();
    if (TargetBox < 1 || TargetBox > Task.StepCount) return;
    const std::optional<QRect> arrow =
        activity::placeTargetArrow(TargetBox, PicSeq[TargetBox]->geometry(), ImArrowPointer->size(),
                                   ImScanPointer->pos(), size(), options_.layout);
    if (!arrow) return;
    ImArrowPointer->setGeometry(*arrow);
    ImArrowPointer->show();
    ImArrowPointer->raise();
}

// ---- The run loops ----

bool FormAnimation::runSelectionLoop() {
    switch (options_.accessMethod) {
        case 1:
            return runStepScanning();
        case 3:
            return runTimedScanning();
        default:
            return runDirectSelection();
    }
}

bool FormAnimation::runStepScanning() {
    const int n = Task.StepCount;
    ScanSlot = static_cast<std::int16_t>(activity::nextScanSlot(board(), options_, n));
    for (;;) {
        if (checkSequence() != 1) return true;
        highlightSlot(ScanSlot);
        markTargetBox();
        sound.LastActivityTime = platform::clock().timer();
        sound.narrateStep(ScanSlot);
        while (SelectRequested != 1) {
            platform::pump().waitEvents();
            if (ExitRequested == 1) return false;
            sound.remindToPress();
            if (ScanRequested == 1) {
                ScanSlot = static_cast<std::int16_t>(activity::nextScanSlot(board(), options_, ScanSlot));
                ScanRequested = 0;
                highlightSlot(ScanSlot);
                placeTargetArrow();
                sound.narrateStep(ScanSlot);
            }
        }
        moveSelectedPicture(ScanSlot);
        if (ExitRequested == 1) return false;
        // A picture judged right at once is done with: the highlight goes on to the next one.
        if (PlacedCorrectly == 1) {
            ScanSlot = static_cast<std::int16_t>(activity::nextScanSlot(board(), options_, ScanSlot));
        }
        SelectRequested = 0;
        markTargetBox();
    }
}

bool FormAnimation::runDirectSelection() {
    PicScan->hide();
    ImScanPointer->hide();
    sound.LastActivityTime = platform::clock().timer();
    markTargetBox();
    for (;;) {
        if (checkSequence() != 1) return true;
        markTargetBox();
        while (ClickedSlot == 0) {
            platform::pump().waitEvents();
            if (ExitRequested == 1) return false;
            sound.remindToPress();
        }
        ScanSlot = ClickedSlot;
        sound.narrateStep(ScanSlot);
        moveSelectedPicture(ScanSlot);
        if (ExitRequested == 1) return false;
        markTargetBox();
        ClickedSlot = 0;
        sound.LastActivityTime = platform::clock().timer();
    }
}

bool FormAnimation::runTimedScanning() {
    const int n = Task.StepCount;
    // The time between steps is taken on the monotonic clock, so the highlight goes on moving
    // across midnight.
    const auto now = [] { return platform::clock().monotonicSeconds(); };
    const auto showHighlight = [this] {
        highlightSlot(ScanSlot);
        placeTargetArrow();
    };
    ScanSlot = static_cast<std::int16_t>(activity::nextScanSlot(board(), options_, n));
    highlightSlot(ScanSlot);
    for (;;) {
        if (checkSequence() != 1) return true;
        // The final check hides the highlight while it sends pictures back; it comes back at once.
        if (PicScan->isHidden()) highlightSlot(ScanSlot);
        TimedScanStart = now();
        markTargetBox();
        sound.narrateStep(ScanSlot);
        while (SelectRequested != 1 && ScanRequested != 1) {
            platform::pump().waitEvents();
            if (ExitRequested == 1) return false;
            if (activity::timedScanDue(now() - TimedScanStart, StudentOptions.ScanInterval)) {
                ScanSlot = static_cast<std::int16_t>(activity::nextScanSlot(board(), options_, ScanSlot));
                showHighlight();
                TimedScanStart = now();
                sound.narrateStep(ScanSlot);
            }
        }
        moveSelectedPicture(ScanSlot);
        if (ExitRequested == 1) return false;
        // The highlight stays with the picture where it went; the next step leaves it.
        showHighlight();
        SelectRequested = 0;
        ScanRequested = 0;
    }
}
