#pragma once

#include <array>
#include <cstdint>

#include "core/OptionChoices.h"
#include "core/StudentOptions.h"
#include "core/TaskLimits.h"

// The activity's decisions work on the plain values below, never on widgets or on the shared
// state: the activity window copies SlotStep, BoxStep, BoxSlot and the counters in and out.
namespace activity {

// Slots and boxes are numbered 1..10 by screen position; entry 0 of every table is unused.
inline constexpr int kMaxSlots = kMaxSteps;
using SlotTable = std::array<std::int16_t, kMaxSlots + 1>;

// The reading direction of the board (the option LayoutDirection).
enum class BoardLayout : std::int16_t { LeftToRight = 1, TopToBottom = 2, RightToLeft = 3 };

inline bool isVertical(BoardLayout layout) { return layout == BoardLayout::TopToBottom; }

// What the activity takes from a student's options, decided in one place. Fields that pick one
// of several choices fall back to the first choice for a value that is not one of them.
struct BoardOptions {
    BoardLayout layout = BoardLayout::LeftToRight;
    std::int16_t accessMethod = 1;   // 1 two-switch scan, 2 click, 3 timed scan, 4 drag, 5 carry
    bool pictureTitles = true;       // titles over the pictures
    bool numberedBoxes = true;       // numbered box cards (else the blank card)
    bool immediateFeedback = false;  // judge each placement at once (else when all are placed)
    std::int16_t shuffleMode = 1;    // 1 random, 2 never in order, 3 always in order
    std::int16_t scanInterval = 0;   // seconds per timed scan step
    bool videoButton = false;
    bool reviewButton = false;
    // The jump-start row for this task's step count: entry p == 1 places step p in advance.
    SlotTable jumpStart{};
};

// The options of one student for a task of `stepCount` steps.
BoardOptions boardOptions(const StudentOptionsRecord& options, int stepCount);

// Where the pictures are. SlotStep[k]: the step shown by slot k of the picture row (or column).
// BoxStep[b], BoxSlot[b]: the step and slot of the picture in box b, 0 when the box is empty.
struct BoardState {
    std::int16_t StepCount = 0;
    SlotTable SlotStep{};
    SlotTable BoxStep{};
    SlotTable BoxSlot{};
    std::int16_t PictureMoves = 0;
    std::int16_t IncorrectMoves = 0;
    std::int16_t CorrectMoves = 0;
    std::int16_t PlacedCorrectly = 0;  // 1 after a correct placement judged at once

    bool operator==(const BoardState&) const = default;
};

// The step count as a loop bound: never beyond the tables.
int slotCount(const BoardState& state);

// The step box `box` expects: the box's own number, or N + 1 - box right to left (where the
// right-most box takes step 1). The same formula gives the box that expects a step.
int expectedStep(int box, int stepCount, BoardLayout layout);
inline int correctBox(int step, int stepCount, BoardLayout layout) { return expectedStep(step, stepCount, layout); }

// True when the student's jump start places `step` in advance.
bool isPrePlaced(const BoardOptions& options, int step);

// True when the picture in `slot` shows a step placed in advance (such a picture never moves).
bool slotIsPrePlaced(const BoardState& state, const BoardOptions& options, int slot);

// The empty box with the lowest number, 0 when every box is filled.
int firstEmptyBox(const BoardState& state);

// The box holding `step`, 0 when none does.
int boxHoldingStep(const BoardState& state, int step);

bool allBoxesFilled(const BoardState& state);

// Empties every box that holds the step shown by `slot`.
void clearBoxOf(BoardState& state, int slot);

// A freshly loaded task: no slots dealt, every box empty.
void clearBoard(BoardState& state);

// The tallies of one run of a task start again at every layout.
void resetTaskCounters(BoardState& state);

// Adds one to a tally without running past the 16-bit range.
void countOne(std::int16_t& tally);

}  // namespace activity
