// The menu after a solved task: next task, the same task again, or back to the task list. The
// scanning methods move a highlight over the three choices (by the scan switch, or by time).

#include <array>

#include "activity/ActivityFiles.h"
#include "activity/ActivityWidgets.h"
#include "activity/ContinueMenu.h"
#include "activity/FormAnimation.h"
#include "activity/ScanOrder.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "core/OptionChoices.h"
#include "core/TextFormat.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

namespace {

// The highlight's design size in twips: it frames a choice with about 30 pixels to spare.
const QSize kHighlightTwips(10005, 3195);

bool scansTheMenu(int method) { return method == 1 || method == 3; }

}  // namespace

int FormAnimation::menuMethod() const { return knownChoice(StudentOptions.AccessMethod, kAccessMethodChoices); }

int FormAnimation::askWhatNext() {
    phase_ = Phase::Menu;
    const std::array<QString, 4> prompts = {QString(), insertPath(activity::files::kNextActivity),
                                            insertPath(activity::files::kSameActivity),
                                            insertPath(activity::files::kActivitySelection)};
    FrameContinue->hide();
    NextTaskClicked = 0;
    SameTaskClicked = 0;
    TaskListClicked = 0;

    // The panel covers the window; what is inside it is placed in twips.
    ScreenMetrics& screen = platform::screen();
    const double twipsX = screen.twipsPerPixelX();
    const double twipsY = screen.twipsPerPixelY();
    const auto toPixels = [twipsX, twipsY](QPoint twips) {
        return QPoint(roundToInt16(twips.x() / twipsX), roundToInt16(twips.y() / twipsY));
    };
    const auto sizeToPixels = [twipsX, twipsY](QSize twips) {
        return QSize(roundToInt16(twips.width() / twipsX), roundToInt16(twips.height() / twipsY));
    };
    const QSizeF screenTwips = screen.sizeTwips();
    const activity::ContinueMenuGeometry menu =
        activity::layOutContinueMenu(QSize(roundToInt16(screenTwips.width()), roundToInt16(screenTwips.height())));
    FrameContinue->setGeometry(QRect(QPoint(0, 0), screen.sizePixels()));
    QPalette pal = FrameContinue->palette();
    pal.setColor(QPalette::Window, palette().color(QPalette::Window));
    FrameContinue->setPalette(pal);
    PictureButton* const images[4] = {nullptr, ImageContinueNext, ImageContinueReplay, ImageContinueTask};
    const QString faces[4] = {QString(), activity::files::kMenuNext, activity::files::kMenuReplay,
                              activity::files::kMenuTaskList};
    for (int c = 1; c <= 3; ++c) {
        images[c]->setGeometry(QRect(toPixels(menu.choice[c].topLeft()), sizeToPixels(menu.choice[c].size())));
        loadFace(images[c], faces[c]);
    }
    ShapeContinueScan->resize(sizeToPixels(kHighlightTwips));

    const int method = menuMethod();
    activity::MenuChoice choice = activity::MenuChoice::NextTask;
    if (scansTheMenu(method)) {
        ShapeContinueScan->move(toPixels(menu.firstHighlight));
        ShapeContinueScan->show();
        ShapeContinueScan->raise();
    } else {
        ShapeContinueScan->hide();
    }
    PicExit->hide();
    FrameContinue->raise();
    FrameContinue->show();
    PicRewardMain->hide();

    double scanStart = platform::clock().monotonicSeconds();
    const bool narrate = StudentOptions.Narration == 1 && scansTheMenu(method);
    if (narrate) sound.sequence_wave_start_sync(prompts[1]);

    const auto moveHighlight = [&] {
        choice = activity::nextMenuChoice(choice);
        ShapeContinueScan->move(toPixels(menu.highlight[static_cast<int>(choice)]));
        if (narrate) sound.sequence_wave_start_sync(prompts[static_cast<int>(choice)]);
    };
    // A select press still pending from the reward takes the highlighted choice: the flags are
    // left as they are.
    int result = 0;
    while (result == 0) {
        platform::pump().waitEvents();
        if (leaving_) {
            result = 1;
        } else if (NextTaskClicked == 1 || SameTaskClicked == 1 || TaskListClicked == 1) {
            result = NextTaskClicked == 1 ? 3 : (SameTaskClicked == 1 ? 2 : 1);
        } else if (method == 1) {
            if (ScanRequested == 1) {
                ScanRequested = 0;
                moveHighlight();
            }
            if (SelectRequested == 1) result = activity::menuResult(choice);
        } else if (method == 3) {
            // On the monotonic clock: the highlight keeps moving across midnight.
            if (activity::timedScanDue(platform::clock().monotonicSeconds() - scanStart, StudentOptions.ScanInterval)) {
                moveHighlight();
                scanStart = platform::clock().monotonicSeconds();
            }
            if (SelectRequested == 1) result = activity::menuResult(choice);
        }
    }
    FrameContinue->hide();
    platform::pump().doEvents();
    return result;
}

void FormAnimation::FrameContinue_Click() {
    if (scansTheMenu(menuMethod())) SelectRequested = 1;
}

void FormAnimation::ImageContinueNext_Click() {
    if (scansTheMenu(menuMethod()))
        SelectRequested = 1;
    else
        NextTaskClicked = 1;
}

void FormAnimation::ImageContinueReplay_Click() {
    if (scansTheMenu(menuMethod()))
        SelectRequested = 1;
    else
        SameTaskClicked = 1;
}

void FormAnimation::ImageContinueTask_Click() {
    if (scansTheMenu(menuMethod()))
        SelectRequested = 1;
    else
        TaskListClicked = 1;
}
