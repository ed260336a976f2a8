#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

#include "activity/BoardState.h"

// The scanning highlight: which picture it visits next, where it and its pointer stand, and
// which box the chosen picture will go to.
namespace activity {

// The slot the highlight goes to after slot `current`. Candidates are the pictures still in the
// row in screen order, then (judged only when all are placed) the pictures in the boxes in box
// order; the candidate after `current` is taken, going round, and pictures placed in advance are
// passed over. A `current` that is no candidate gives the first one. 0 when there is none.
int nextScanSlot(const BoardState& state, const BoardOptions& options, int current);

// The marquee: 6 pixels round the picture on every side.
QRect highlightSlot(QRect picture);

// The scan pointer beside the marquee: below it (or above, in the lower half of the window) on
// the horizontal boards, right of it (or left, in the right half) on the vertical board.
QRect placeScanPointer(QRect marquee, QSize pointer, QSize window, BoardLayout layout);

// Where the scan pointer stands before any scanning run has moved it.
inline constexpr QPoint kScanPointerDesignPosition{3, 117};

// The box frames during a scanning or clicking run: red, the target box green.
enum class BoxFrame { Red, Green };
inline constexpr unsigned kBoxFrameRed = 0xFF0000;
inline constexpr unsigned kBoxFrameGreen = 0x00FF00;

struct TargetMark {
    int TargetBox = 0;  // the lowest empty box, 0 when every box is filled
    std::array<BoxFrame, kMaxSlots + 1> frame{};
};
TargetMark markTargetBox(const BoardState& state);

// The green arrow at the target box: above it on the horizontal boards, left of it on the
// vertical one. Shown only while the scan pointer stands in the half of the window the pictures
// are in (its last place counts, also when it is hidden); nothing for target box 0.
std::optional<QRect> placeTargetArrow(int targetBox, QRect box, QSize arrow, QPoint scanPointer, QSize window,
                                      BoardLayout layout);

// Timed scanning moves on strictly after the interval: `elapsed` is monotonic seconds since the
// highlight last moved.
bool timedScanDue(double elapsed, std::int16_t scanInterval);

}  // namespace activity
