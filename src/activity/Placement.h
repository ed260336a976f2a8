#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

#include "activity/BoardState.h"

// Dragging and carrying a picture with the mouse: where it follows the cursor, which box a
// dropped picture lands in, and what the drop changes.
namespace activity {

// The cursor's offset from the picture's corner at the pick-up, and the picture's corner for a
// cursor position while it is held (both in the window's coordinates).
QPoint grabOffset(QPoint cursor, QPoint pictureTopLeft);
QPoint followCursor(QPoint cursor, QPoint grabOffset);

// True when at least one corner of the picture lies inside the box, edges included.
bool pictureHitsBox(QRect picture, QRect box);

// The box a dropped picture lands in: the first box in box order that it hits and that is
// empty or already holds this picture's step; 0 when none takes it.
int dropTarget(const BoardState& state, int slot, QRect picture, const std::array<QRect, kMaxSlots + 1>& boxes);

// The picture's corner moved so that all of it is on the screen (the top left edge wins for a
// picture larger than the screen).
QPoint keepOnScreen(QRect picture, QSize screen);

struct DropResult {
    int landingBox = 0;  // 0: landed in no box
    QPoint position;     // where the picture stays: snapped onto its box, kept on the screen
    bool playDropSound = false;
    bool reject = false;  // judged at once and wrong or outside every box: say so, send it home
};

// The drop of the picture of `slot` at `picture`: counts the move, registers it in the box it
// lands in (or empties the box it came out of) and judges it. A wrong drop into a box counts in
// IncorrectMoves; a drop outside every box does not.
DropResult dropPicture(BoardState& state, const BoardOptions& options, int slot, QRect picture,
                       const std::array<QRect, kMaxSlots + 1>& boxes, QSize screen);

}  // namespace activity
