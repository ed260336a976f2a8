#include "activity/FormAnimation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QTimer>

#include "activity/ActivityFiles.h"
#include "activity/ActivityWidgets.h"
#include "activity/ScanOrder.h"
#include "activity/Switches.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "app/WindowSetup.h"
#include "library/PathHelpers.h"

namespace {

// Colours of the board's labels.
const QColor kTitleBackground(128, 0, 0);
const QColor kTitleText(255, 255, 128);
const QColor kTaskTitleBackground(66, 166, 181);
const QColor kStatusBackground(128, 128, 128);

// Font sizes in pixels at 96 dots per inch: 12, 18 and 9.75 points.
constexpr int kPictureTitlePixels = 16;
constexpr int kTaskTitlePixels = 24;
constexpr int kStatusPixels = 13;

// An image control's size before a layout has sized it (4:3, as a picture frame keeps).
const QSize kDesignImageSize(160, 120);

// A picture without a box of its own: whatever lies under its transparent parts shows.
void makeSeeThrough(PictureBox* image) {
    image->setAttribute(Qt::WA_OpaquePaintEvent, false);
    image->setBackground(Qt::transparent);
}

}  // namespace

FormAnimation::FormAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormAnimation"));
    prepareWindow(this, true);
    setAutoFillBackground(true);
    setMouseTracking(false);
    angles = activity::init_arrays();

    createBoardControls();
    createButtons();
    createMenu();
    createLessonControls();
    createTelevision();
    wireHandlers();
    loadButtonFaces();

    // No control takes the keyboard: Space and Enter are switches and must never press a button
    // that happens to have the focus. The window sees every key before its controls do.
    for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
}

FormAnimation::~FormAnimation() { qApp->removeEventFilter(this); }

void FormAnimation::createBoardControls() {
    const activity::BoardDesign design;
    // Made in stacking order: arrows, boxes, then the pictures, which pass over the boxes.
    for (int b = 0; b <= 10; ++b) {
        PicSeparator[b] = new PictureBox(this, QStringLiteral("PicSeparator%1").arg(b));
        PicSeparator[b]->setBackground(Qt::black);
        ImSeparator[b] = new PictureBox(PicSeparator[b], QStringLiteral("ImSeparator%1").arg(b));
        ImSeparator[b]->setAccessibleName(tr("Arrow"));
        PicSeparator[b]->hide();
    }
    for (int b = 0; b <= 10; ++b) {
        PicSeq[b] = new PictureBox(this, QStringLiteral("PicSeq%1").arg(b));
        PicSeq[b]->setBackground(Qt::white);
        ImSeq[b] = new PictureBox(PicSeq[b], QStringLiteral("ImSeq%1").arg(b));
        PicSeq[b]->hide();
    }
    for (int k = 0; k <= 10; ++k) {
        PicBase[k] = new PictureBox(this, QStringLiteral("PicBase%1").arg(k));
        PicBase[k]->setBackground(Qt::white);
        ImBase[k] = new PictureBox(PicBase[k], QStringLiteral("ImBase%1").arg(k));
        ImBase[k]->resize(kDesignImageSize);
        LabShowTitle[k] = new CaptionLabel(PicBase[k], QStringLiteral("LabShowTitle%1").arg(k));
        LabShowTitle[k]->setColors(kTitleBackground, kTitleText);
        LabShowTitle[k]->setPixelSize(kPictureTitlePixels);
        LabShowTitle[k]->resize(kDesignImageSize.width(), design.pictureTitleHeight);
        LabShowTitle[k]->setCaption(QStringLiteral("Label1"));
        PicBase[k]->hide();
    }

    LabelTaskTitle = new CaptionLabel(this, QStringLiteral("LabelTaskTitle"));
    LabelTaskTitle->setColors(kTaskTitleBackground, Qt::black);
    LabelTaskTitle->setPixelSize(kTaskTitlePixels);
    LabelTaskTitle->resize(width(), design.taskTitleHeight);
    LabGeneralInfo = new CaptionLabel(this, QStringLiteral("LabGeneralInfo"));
    LabGeneralInfo->setColors(kStatusBackground, Qt::black);
    LabGeneralInfo->setPixelSize(kStatusPixels);
    LabGeneralInfo->resize(width(), design.statusLineHeight);
    LabelTaskTitle->hide();
    LabGeneralInfo->hide();
}

void FormAnimation::createButtons() {
    const activity::BoardDesign design;
    PicExit = new PictureButton(this, QStringLiteral("PicExit"), tr("Back to the Task Selection Menu"));
    PicExitEarly = new PictureButton(this, QStringLiteral("PicExitEarly"), tr("Back to the Task Selection Menu"));
    PicPlayVideo = new PictureButton(this, QStringLiteral("PicPlayVideo"), tr("Play Video"));
    PicPlayLesson = new PictureButton(this, QStringLiteral("PicPlayLesson"), tr("Start Review"));
    PicExit->resize(design.exitButton);
    PicExitEarly->resize(design.exitButton);
    PicPlayVideo->resize(design.videoButton);
    PicPlayLesson->resize(design.reviewButton);
    for (PictureButton* b : {PicExit, PicExitEarly, PicPlayVideo, PicPlayLesson}) b->hide();

    PicScan = new PictureBox(this, QStringLiteral("PicScan"));
    ImScanPointer = new PictureBox(this, QStringLiteral("ImScanPointer"));
    makeSeeThrough(ImScanPointer);
    ImScanPointer->move(activity::kScanPointerDesignPosition);
    ImArrowPointer = new PictureBox(this, QStringLiteral("ImArrowPointer"));
    makeSeeThrough(ImArrowPointer);
    PicHand = new PictureBox(this, QStringLiteral("PicHand"));
    PicTV = new PictureBox(this, QStringLiteral("PicTV"));
    PicRewardMain = new PictureBox(this, QStringLiteral("PicRewardMain"));
    PicReward = new PictureBox(PicRewardMain, QStringLiteral("PicReward"));
    for (QWidget* w : std::initializer_list<QWidget*>{PicScan, ImScanPointer, ImArrowPointer, PicHand, PicTV,
                                                      PicRewardMain, PicReward}) {
        w->hide();
    }
}

void FormAnimation::loadFace(PictureButton* button, const QString& bareName) {
    const Status loaded = button->loadPicture(insertPath(bareName));
    if (!loaded) qWarning("%s", qPrintable(loaded.error()));
}

void FormAnimation::loadButtonFaces() {
    loadFace(PicExit, activity::files::kExitButton);
    loadFace(PicExitEarly, activity::files::kExitButton);
    loadFace(PicPlayLesson, activity::files::kReviewButton);
    // The video button reads by the edition: a video, or a story.
    const bool kestrel = Edition == 1;
    loadFace(PicPlayVideo, kestrel ? activity::files::kPlayVideoButton : activity::files::kReadStoryButton);
    PicPlayVideo->setText(kestrel ? tr("Play Video") : tr("Read Story"));
    PicPlayVideo->setAccessibleName(PicPlayVideo->text());
    PicPlayVideo->setToolTip(PicPlayVideo->text());
    loadFace(PicStopLessonBut, activity::files::kStopReviewButton);
    loadFace(PicTvPause, activity::files::kTvPause);
    loadFace(PicTvPlay, activity::files::kTvPlay);
    loadFace(PicTvRewind, activity::files::kTvRewind);
    loadFace(PicTvSkip, activity::files::kTvSkip);
}

void FormAnimation::createMenu() {
    FrameContinue = new ClickFrame(this, QStringLiteral("FrameContinue"));
    FrameContinue->setAutoFillBackground(true);
    FrameContinue->setAccessibleName(tr("What next?"));
    ImageContinueNext = new PictureButton(FrameContinue, QStringLiteral("ImageContinueNext"), tr("Next Task"));
    ImageContinueReplay =
        new PictureButton(FrameContinue, QStringLiteral("ImageContinueReplay"), tr("Same Task Again"));
    ImageContinueTask =
        new PictureButton(FrameContinue, QStringLiteral("ImageContinueTask"), tr("Task Selection Menu"));
    ShapeContinueScan = new ScanShape(FrameContinue, QStringLiteral("ShapeContinueScan"));
    ShapeContinueScan->hide();
    FrameContinue->hide();
}

void FormAnimation::wireHandlers() {
    connect(PicExit, &QAbstractButton::clicked, this, &FormAnimation::PicExit_Click);
    connect(PicExitEarly, &QAbstractButton::clicked, this, &FormAnimation::PicExitEarly_Click);
    connect(PicPlayLesson, &QAbstractButton::clicked, this, &FormAnimation::PicPlayLesson_Click);
    connect(PicPlayVideo, &QAbstractButton::clicked, this, [this] { PicPlayVideo_Click(); });
    connect(FrameContinue, &ClickFrame::clicked, this, &FormAnimation::FrameContinue_Click);
    connect(ImageContinueNext, &QAbstractButton::clicked, this, &FormAnimation::ImageContinueNext_Click);
    connect(ImageContinueReplay, &QAbstractButton::clicked, this, &FormAnimation::ImageContinueReplay_Click);
    connect(ImageContinueTask, &QAbstractButton::clicked, this, &FormAnimation::ImageContinueTask_Click);
    wireAccessHandlers();
}

void FormAnimation::showOwnPicture(PictureBox* box, const QString& bareName) {
    if (box == nullptr) return;
    auto read = readPicture(insertPath(bareName));
    const QImage image = read ? *read : QImage();
    box->setPicture(image);
    if (!image.isNull()) box->resize(image.size());
}

void FormAnimation::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once per showing: a window system's own show (after a minimize) and every later
    // activation (closing a message box activates the window again) leave the activity alone.
    if (event->spontaneous() || !startsOnShow_ || activityRunning_) return;
    QTimer::singleShot(0, this, &FormAnimation::Form_Activate);
}

void FormAnimation::closeEvent(QCloseEvent* event) {
    if (!activityRunning_) {
        QWidget::closeEvent(event);
        return;
    }
    // Closing the window while the activity runs is the activity's own way out; the loops end
    // and then the window hides itself.
    event->ignore();
    leaveActivity();
}

void FormAnimation::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Hidden by someone else (the window being unloaded), the activity must not go on unseen.
    if (activityRunning_ && !event->spontaneous()) leaveActivity();
}

void FormAnimation::leaveActivity() {
    // The queue ends after the task in hand; a run or a video in progress ends as its own exit
    // button ends it (a run left so is recorded as not finished).
    leaving_ = true;
    if (phase_ == Phase::Run) PicExit_Click();
    if (phase_ == Phase::BeforeRun) PicExitEarly_Click();
}

bool FormAnimation::event(QEvent* event) {
    // The window goes only once its loops are off the stack: until then a request to delete it
    // ends the activity, and the deletion follows when Form_Activate returns.
    if (event->type() == QEvent::DeferredDelete && activityRunning_) {
        deleteWhenDone_ = true;
        leaveActivity();
        return true;
    }
    return QWidget::event(event);
}

bool FormAnimation::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouseButton =
        type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::MouseButtonRelease;
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && !mouseButton) return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || target->window() != this) return false;
    if (mouseButton) return carryPress(event);
    auto* key = static_cast<QKeyEvent*>(event);
    // A held key repeats as releases and presses; it counts once until it is really let go.
    if (!key->isAutoRepeat()) {
        const int code = activity::switchKeyCode(key->key());
        if (type == QEvent::KeyPress)
            Form_KeyDown(code);
        else
            Form_KeyUp(code);
    }
    return true;
}

void FormAnimation::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    Form_MouseDown();
}

void FormAnimation::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    Form_MouseUp();
}

void FormAnimation::Form_KeyDown(int keyCode) {
    if (ExitRequested == 1) return;
    if (keyCode == activity::kScanKeyCode && SpaceReleased == 1) {
        ScanRequested = 1;
        SpaceReleased = 0;
    }
    if (keyCode == activity::kSelectKeyCode && EnterReleased == 1) {
        SelectRequested = 1;
        EnterReleased = 0;
    }
}

void FormAnimation::Form_KeyUp(int keyCode) {
    if (keyCode == activity::kScanKeyCode) SpaceReleased = 1;
    if (keyCode == activity::kSelectKeyCode) EnterReleased = 1;
}

// A mouse button on the window's background is the select switch. The press is kept until the
// run loop acts on it: the window system may deliver a quick click's press and release in one
// pass of the loop, and a switch adaptor or a touch tap makes nothing but quick clicks.
void FormAnimation::Form_MouseDown() { SelectRequested = 1; }
void FormAnimation::Form_MouseUp() {}

activity::BoardState FormAnimation::board() const {
    activity::BoardState s;
    s.StepCount = Task.StepCount;
    s.SlotStep = SlotStep;
    s.BoxStep = BoxStep;
    s.BoxSlot = BoxSlot;
    s.PictureMoves = PictureMoves;
    s.IncorrectMoves = IncorrectMoves;
    s.CorrectMoves = CorrectMoves;
    s.PlacedCorrectly = PlacedCorrectly;
    return s;
}

void FormAnimation::storeBoard(const activity::BoardState& s) {
    SlotStep = s.SlotStep;
    BoxStep = s.BoxStep;
    BoxSlot = s.BoxSlot;
    PictureMoves = s.PictureMoves;
    IncorrectMoves = s.IncorrectMoves;
    CorrectMoves = s.CorrectMoves;
    PlacedCorrectly = s.PlacedCorrectly;
}
