#include "activity/Placement.h"

#include <algorithm>

namespace activity {

namespace {

bool inside(int x, int y, QRect box) {
    return box.left() <= x && x <= box.left() + box.width() && box.top() <= y && y <= box.top() + box.height();
}

std::int16_t int16(int value) { return static_cast<std::int16_t>(std::clamp(value, -32768, 32767)); }

}  // namespace

QPoint grabOffset(QPoint cursor, QPoint pictureTopLeft) {
    return {int16(cursor.x() - pictureTopLeft.x()), int16(cursor.y() - pictureTopLeft.y())};
}

QPoint followCursor(QPoint cursor, QPoint offset) {
    return {int16(cursor.x() - offset.x()), int16(cursor.y() - offset.y())};
}

bool pictureHitsBox(QRect picture, QRect box) {
    const int left = picture.left();
    const int top = picture.top();
    const int right = left + picture.width();
    const int bottom = top + picture.height();
    return inside(left, top, box) || inside(right, top, box) || inside(left, bottom, box) || inside(right, bottom, box);
}

int dropTarget(const BoardState& state, int slot, QRect picture, const std::array<QRect, kMaxSlots + 1>& boxes) {
    if (slot < 1 || slot > slotCount(state)) return 0;
    const std::int16_t step = state.SlotStep[slot];
    for (int box = 1; box <= slotCount(state); ++box) {
        if (!pictureHitsBox(picture, boxes[box])) continue;
        if (state.BoxStep[box] == 0 || state.BoxStep[box] == step) return box;
    }
    return 0;
}

QPoint keepOnScreen(QRect picture, QSize screen) {
    int left = picture.left();
    int top = picture.top();
    if (top > screen.height() - picture.height()) top = screen.height() - picture.height();
    if (top < 0) top = 0;
    if (left > screen.width() - picture.width()) left = screen.width() - picture.width();
    if (left < 0) left = 0;
    return {left, top};
}

DropResult dropPicture(BoardState& state, const BoardOptions& options, int slot, QRect picture,
                       const std::array<QRect, kMaxSlots + 1>& boxes, QSize screen) {
    DropResult result;
    countOne(state.PictureMoves);
    QRect at = picture;
    result.landingBox = dropTarget(state, slot, picture, boxes);
    if (result.landingBox != 0) {
        const int box = result.landingBox;
        result.playDropSound = true;
        at.moveTopLeft(boxes[box].topLeft());
        clearBoxOf(state, slot);
        state.BoxStep[box] = state.SlotStep[slot];
        state.BoxSlot[box] = static_cast<std::int16_t>(slot);
    } else {
        // A picture dragged out of a box no longer counts for it.
        clearBoxOf(state, slot);
    }
    const bool wrongBox =
        result.landingBox != 0 &&
        state.BoxStep[result.landingBox] != expectedStep(result.landingBox, state.StepCount, options.layout);
    if (wrongBox) countOne(state.IncorrectMoves);
    result.reject = options.immediateFeedback && (result.landingBox == 0 || wrongBox);
    result.position = keepOnScreen(at, screen);
    return result;
}

}  // namespace activity
