// The pointer methods: drag and drop (4), and click to pick up, click to drop (5). The picture,
// its image and its title share the handling; it is always the picture that moves.

#include <QMouseEvent>

#include "activity/FormAnimation.h"
#include "activity/Placement.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

namespace {

const QString kDropSound = QStringLiteral("aobj_drop_pic.wav");

}  // namespace

bool FormAnimation::pointerMethod() const { return options_.accessMethod == 4 || options_.accessMethod == 5; }

void FormAnimation::Picture_MouseDown(int slot, QPoint cursor) {
    if (!pointerMethod() || pictureIgnoresInput(slot)) return;
    Dragging = 1;
    PointerButtonDown = 1;
    if (options_.accessMethod == 5) {
        // A press while a picture is carried is taken by carryPress before it gets here.
        HeldSlot = static_cast<std::int16_t>(slot);
    }
    ++pickUps_[slot];
    setCursor(handCursor_);
    const QPoint offset = activity::grabOffset(cursor, PicBase[slot]->pos());
    GrabOffsetX = static_cast<std::int16_t>(offset.x());
    GrabOffsetY = static_cast<std::int16_t>(offset.y());
    PicBase[slot]->raise();
    sound.narrateStep(slot);
}

void FormAnimation::Picture_MouseMove(int slot, QPoint cursor) {
    if (options_.accessMethod != 4 || Dragging != 1 || pictureIgnoresInput(slot)) return;
    PicBase[slot]->move(activity::followCursor(cursor, QPoint(GrabOffsetX, GrabOffsetY)));
}

void FormAnimation::Picture_MouseUp(int slot) {
    // Carrying, the release of the pick-up click leaves the picture in the hand; the dropping
    // click's release is taken by carryPress.
    if (options_.accessMethod != 4 || slot < 1 || slot > Task.StepCount) return;
    if (activity::slotIsPrePlaced(board(), options_, slot) || Dragging != 1) return;
    if (WaitingForSound == 1) {
        // The picture is let go while a sentence plays: it lands once the sentence is over.
        pendingDrop_ = slot;
        return;
    }
    dropPicture(slot);
}

bool FormAnimation::carryPress(QEvent* event) {
    if (options_.accessMethod != 5) return false;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!release && HeldSlot != 0) {
        // Nothing is let go while a sentence plays.
        if (WaitingForSound == 1) return true;
        // The dropping click, wherever the cursor got to before the picture caught up with it.
        followCursor(HeldSlot);
        droppingSlot_ = HeldSlot;
        HeldSlot = 0;
        Dragging = 1;
        PointerButtonDown = 1;
        return true;
    }
    if (release && droppingSlot_ != 0) {
        if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton) return true;
        const int slot = droppingSlot_;
        droppingSlot_ = 0;
        if (WaitingForSound == 1) {
            pendingDrop_ = slot;
        } else {
            dropPicture(slot);
        }
        return true;
    }
    return false;
}

void FormAnimation::resetPointerState() {
    HeldSlot = 0;
    Dragging = 0;
    PointerButtonDown = 0;
    droppingSlot_ = 0;
    pendingDrop_ = 0;
    pendingRejections_.clear();
    unsetCursor();
}

void FormAnimation::dropPicture(int slot) {
    pendingDrop_ = 0;
    unsetCursor();
    Dragging = 0;
    PointerButtonDown = 0;
    if (ExitRequested == 1) return;

    std::array<QRect, 11> boxes{};
    for (int b = 1; b <= 10; ++b) boxes[b] = PicSeq[b]->geometry();
    activity::BoardState s = board();
    const activity::DropResult drop =
        activity::dropPicture(s, options_, slot, PicBase[slot]->geometry(), boxes, platform::screen().sizePixels());
    storeBoard(s);
    if (drop.playDropSound) sound.sequence_wave_start(insertPath(kDropSound), QStringLiteral("DONT_LOOP"));
    PicBase[slot]->move(drop.position);
    // The run loop says so and sends the picture home, unless the student has taken it again.
    if (drop.reject) pendingRejections_.emplace_back(slot, pickUps_[slot]);
}

void FormAnimation::finishPendingDrops() {
    if (WaitingForSound == 1) return;
    if (pendingDrop_ != 0) dropPicture(pendingDrop_);
    while (!pendingRejections_.empty() && ExitRequested != 1) {
        const auto [slot, pickUps] = pendingRejections_.front();
        pendingRejections_.erase(pendingRejections_.begin());
        const bool takenAgain = pickUps != pickUps_[slot] || HeldSlot == slot;
        if (!takenAgain) rejectPlacement(slot);
    }
    if (ExitRequested == 1) pendingRejections_.clear();
}
