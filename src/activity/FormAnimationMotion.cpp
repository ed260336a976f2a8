// How the program moves pictures: one pixel per step, a calibrated delay after each, events in
// between, and exactly onto the target at the end.

#include <QCursor>

#include "activity/FormAnimation.h"
#include "activity/Placement.h"
#include "app/Globvars.h"
#include "app/Killtime.h"
#include "app/PictureWidgets.h"
#include "platform/Services.h"

void FormAnimation::glide(QWidget* control, const activity::GlidePath& path, double delay) {
    activity::GlideWalk walk(path);
    // The position is read again before every step: a handler may have moved the control.
    while (const std::optional<QPoint> next = walk.next(control->pos())) {
        control->move(*next);
        killtime(delay);
        platform::pump().doEvents();
    }
    if (path.snap) control->move(*path.snap);
}

void FormAnimation::moveSelectedPicture(int slot) {
    if (slot < 1 || slot > Task.StepCount) return;
    ImScanPointer->hide();
    ImArrowPointer->hide();
    PicScan->hide();
    activity::BoardState s = board();
    const activity::SelectedMove move = activity::beginSelectedMove(s, slot);
    storeBoard(s);
    if (move.box == 0) return;

    if (move.takeOut) {
        PicSeq[move.box]->hide();
        returnHome(slot, activity::HomeVariant::TakeOut);
        s = board();
        activity::finishSelectedMove(s, options_, slot, move);
        storeBoard(s);
        showBoxAgain(move.box);
        return;
    }

    PictureBox* picture = PicBase[slot];
    picture->raise();
    glide(picture, activity::putInPath(options_.layout, picture->size(), PicSeq[move.box]->pos()),
          StudentOptions.AnimationSpeed);
    s = board();
    const activity::Judgement judgement = activity::finishSelectedMove(s, options_, slot, move);
    storeBoard(s);
    // Touching the picture again (or the next one) narrates it again.
    sound.LastNarratedPicture = -1;
    if (judgement.reject) rejectPlacement(slot);
}

void FormAnimation::returnHome(int slot, activity::HomeVariant variant) {
    if (slot < 1 || slot > Task.StepCount) return;
    PictureBox* picture = PicBase[slot];
    const activity::GlidePath path = activity::returnHomePath(geometry_.home, slot, picture->size(), variant);
    const double delay = StudentOptions.AnimationSpeed;
    if (variant != activity::HomeVariant::Rejection || path.legs.empty()) {
        glide(picture, path, delay);
        return;
    }
    // A rejected picture may lie on the boxes: those it touches are hidden while it slides clear
    // of them, then shown again.
    std::array<QRect, 11> boxes{};
    for (int b = 1; b <= 10; ++b) boxes[b] = PicSeq[b]->geometry();
    const std::vector<int> crossed =
        activity::boxesCrossedByRejection(geometry_.home, picture->geometry(), boxes, Task.StepCount);
    for (const int b : crossed) PicSeq[b]->hide();
    glide(picture, activity::GlidePath{{path.legs.front()}, std::nullopt}, delay);
    for (const int b : crossed) showBoxAgain(b);
    glide(picture, activity::GlidePath{{path.legs.begin() + 1, path.legs.end()}, path.snap}, delay);
}

void FormAnimation::showBoxAgain(int box) {
    // After Exit the board stays hidden, even if a picture was still on its way.
    if (ExitRequested != 1) PicSeq[box]->show();
}

void FormAnimation::clearBoxOf(int slot) {
    activity::BoardState s = board();
    activity::clearBoxOf(s, slot);
    storeBoard(s);
}

void FormAnimation::followCursor(int slot) {
    if (slot < 1 || slot > 10) return;
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    PicBase[slot]->move(activity::followCursor(cursor, QPoint(GrabOffsetX, GrabOffsetY)));
}
