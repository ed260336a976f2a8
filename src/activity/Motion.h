#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>
#include <vector>

#include "activity/BoardGeometry.h"
#include "activity/BoardState.h"
#include "activity/Checking.h"
#include "activity/Glide.h"

// How the program itself moves a picture: one pixel per step, 15 pixels clear of the row it
// heads for, then along, then in, and exactly onto its target at the end.
namespace activity {

// The distance a gliding picture keeps from the row (or column) it is heading for.
inline constexpr int kClearance = 15;

// How many times the delay loop adds one for a count n: the whole part of n plus one for n of
// 0 or more, once for a negative n (and for a count that is not a number).
std::int64_t killtimeCount(double n);

// The delay of one step of the pointing hand (the final check) and of the lesson's hand.
inline double checkHandDelay(std::int32_t animationSpeed) { return 5.0 * animationSpeed; }
inline double lessonHandDelay(std::int32_t animationSpeed) { return 0.2 * animationSpeed; }

// The three ways a picture goes home. They share the path; they differ in what the window hides
// and shows around it (take-out and check: the box it leaves; rejection: the boxes it crosses)
// and, for the rejection, in a picture that may stand above its row.
enum class HomeVariant { TakeOut, Check, Rejection };

// From a box (or wherever it was dropped) back to its slot's home position.
GlidePath returnHomePath(const BoardHome& home, int slot, QSize picture, HomeVariant variant);

// From its slot into the box whose top left corner is `box`.
GlidePath putInPath(BoardLayout layout, QSize picture, QPoint box);

// True when a rejected picture lies beyond the clearance line of its home row (or column), so
// that it slides across the boxes first.
bool beyondClearance(const BoardHome& home, QRect picture);

// The boxes a rejected picture touches and the window hides while it slides clear of them:
// horizontal, the boxes whose span holds the picture's left edge; vertical, its top edge.
// Empty when the picture is not beyond the clearance line.
std::vector<int> boxesCrossedByRejection(const BoardHome& home, QRect picture,
                                         const std::array<QRect, kMaxSlots + 1>& boxes, int stepCount);

// A move chosen by a scanning or clicking selection: out of the box the picture sits in, or
// into the lowest empty box. `box` is 0 when there is nothing to do (no empty box).
struct SelectedMove {
    bool takeOut = false;
    int box = 0;
    int step = 0;
};

// The start of moveSelectedPicture: counts the move and clears PlacedCorrectly. Where the
// picture sits is read from the boxes, not from its position.
SelectedMove beginSelectedMove(BoardState& state, int slot);

// The end of the move, once the picture has arrived: a picture taken out leaves its box empty
// (no judgement); one put in is registered in its box and judged.
Judgement finishSelectedMove(BoardState& state, const BoardOptions& options, int slot, const SelectedMove& move);

}  // namespace activity
