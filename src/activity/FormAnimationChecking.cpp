// Judging placements: the immediate answer to a wrong one, and the final check once every box
// is filled.

#include "activity/ActivityFiles.h"
#include "activity/ActivityWidgets.h"
#include "activity/Checking.h"
#include "activity/FormAnimation.h"
#include "app/Globvars.h"
#include "app/Killtime.h"
#include "app/PictureWidgets.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

void FormAnimation::rejectPlacement(int slot) {
    // Said whatever the narration option is: the student must know why the picture goes back.
    sound.sequence_wave_start_sync(insertPath(activity::files::kThisDoesntGoHere));
    returnHome(slot, activity::HomeVariant::Rejection);
    clearBoxOf(slot);
    sound.LastNarratedPicture = -1;
}

int FormAnimation::checkSequence() {
    // Until every box is filled nothing is checked and nothing on the screen changes: the Exit
    // button stays where the student may be about to press it.
    if (!activity::allBoxesFilled(board())) return 1;
    PicExit->hide();
    ImArrowPointer->hide();
    WaitingForSound = 1;
    const int result = checkBoxes(options_.layout);
    WaitingForSound = 0;
    PicExit->show();
    return result;
}

int FormAnimation::checkBoxes(activity::BoardLayout layout) {
    const bool vertical = activity::isVertical(layout);
    const QString howDid = insertPath(activity::files::kHowDid);
    if (!vertical) sound.sequence_wave_start_sync(howDid);
    PicScan->hide();
    ImScanPointer->hide();
    PicHand->hide();
    showOwnPicture(PicHand, activity::boardPictures(layout).checkHand);
    PicHand->move(activity::checkHandStart(layout, PicHand->size(), PicSeq[1]->geometry(), LabelTaskTitle->geometry(),
                                           geometry_.window.width()));
    PicHand->raise();
    if (vertical) {
        sound.sequence_wave_start_sync(howDid);
        platform::pump().doEvents();
    }

    bool wrong = false;
    for (const int box : activity::readingOrder(Task.StepCount, layout)) {
        if (!activity::boxNeedsSendingBack(board(), box, layout)) continue;
        PicSeq[box]->hide();
        PicHand->show();
        glideHand(activity::handToMiddleOf(layout, PicHand->size(), PicSeq[box]->geometry()));
        // Decided when the hand gets there: a pointer student may have moved the picture.
        const activity::BoardState s = board();
        if (!activity::boxNeedsSendingBack(s, box, layout)) {
            showBoxAgain(box);
            continue;
        }
        sendHomeFromBox(box);
        wrong = true;
    }
    if (wrong) {
        glideHand(activity::handOffScreen(layout, PicHand->size(), geometry_.window.size()));
        sound.sequence_wave_start_sync(insertPath(activity::files::kKeepTrying));
    }
    PicHand->hide();
    // Solved only when every box really holds its step (one emptied during the check is not).
    return wrong ? 1 : activity::checkResult(board(), layout);
}

void FormAnimation::sendHomeFromBox(int box) {
    const int slot = BoxSlot[box];
    sound.sayDoesntGoHere(slot);
    returnHome(slot, activity::HomeVariant::Check);
    activity::BoardState s = board();
    activity::emptyBox(s, box);
    storeBoard(s);
    showBoxAgain(box);
}

void FormAnimation::glideHand(const activity::GlidePath& path) {
    // The hand moves slower than a picture, and lets events run before each step.
    const double delay = activity::checkHandDelay(StudentOptions.AnimationSpeed);
    activity::GlideWalk walk(path);
    for (;;) {
        platform::pump().doEvents();
        const std::optional<QPoint> next = walk.next(PicHand->pos());
        if (!next) break;
        PicHand->move(*next);
        killtime(delay);
    }
}
