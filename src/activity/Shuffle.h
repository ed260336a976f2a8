#pragma once

#include <functional>
#include <vector>

#include "activity/BoardState.h"

// Dealing the pictures to the slots, and the pictures the computer places before the student
// starts.
namespace activity {

// Uniform numbers in [0, 1). The activity draws from the generator it seeded when its window
// was shown; tests pass a fixed sequence.
using RandomSource = std::function<double()>;

// True when reading the slots in the layout's direction gives the steps 1, 2, ..., N.
bool slotsInOrder(const BoardState& state, BoardLayout layout);

// One pass: every slot in turn swaps with a slot drawn at random (possibly itself).
void shufflePass(BoardState& state, const RandomSource& random);

// Deals steps 1..N to the slots for the student's shuffle mode: 1 random (may come out in
// order), 2 never in order, 3 always in order. Slots above N are cleared.
void shuffleSlots(BoardState& state, const BoardOptions& options, const RandomSource& random);

// A picture placed in advance: the picture of `slot` goes straight onto `box`.
struct PrePlacement {
    int slot = 0;
    int box = 0;
    int step = 0;
};

// Puts the jump-start steps into their correct boxes (fills BoxStep and BoxSlot) and returns
// the moves for the window to make, in step order. Counts nothing.
std::vector<PrePlacement> placeJumpStart(BoardState& state, const BoardOptions& options);

}  // namespace activity
