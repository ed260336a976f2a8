#include "activity/BoardState.h"

#include <algorithm>
#include <limits>

namespace activity {

BoardOptions boardOptions(const StudentOptionsRecord& options, int stepCount) {
    BoardOptions result;
    result.layout = static_cast<BoardLayout>(knownChoice(options.LayoutDirection, kLayoutDirectionChoices));
    result.accessMethod = knownChoice(options.AccessMethod, kAccessMethodChoices);
    result.pictureTitles = options.PictureTitles == 1;
    result.numberedBoxes = knownChoice(options.BoxStyle, kOnOffChoices) == 1;
    result.immediateFeedback = options.FeedbackMode == 2;
    result.shuffleMode = knownChoice(options.ShuffleMode, kShuffleModeChoices);
    result.scanInterval = options.ScanInterval;
    result.videoButton = options.VideoButton == 1;
    result.reviewButton = options.ReviewButton == 1;
    if (stepCount >= 0 && stepCount <= kMaxSlots) result.jumpStart = options.JumpStart[stepCount];
    return result;
}

int slotCount(const BoardState& state) { return std::clamp<int>(state.StepCount, 0, kMaxSlots); }

int expectedStep(int box, int stepCount, BoardLayout layout) {
    return layout == BoardLayout::RightToLeft ? stepCount + 1 - box : box;
}

bool isPrePlaced(const BoardOptions& options, int step) {
    return step >= 1 && step <= kMaxSlots && options.jumpStart[step] == 1;
}

bool slotIsPrePlaced(const BoardState& state, const BoardOptions& options, int slot) {
    return slot >= 1 && slot <= kMaxSlots && isPrePlaced(options, state.SlotStep[slot]);
}

int firstEmptyBox(const BoardState& state) {
    for (int box = 1; box <= slotCount(state); ++box) {
        if (state.BoxStep[box] == 0) return box;
    }
    return 0;
}

int boxHoldingStep(const BoardState& state, int step) {
    if (step == 0) return 0;
    for (int box = 1; box <= slotCount(state); ++box) {
        if (state.BoxStep[box] == step) return box;
    }
    return 0;
}

bool allBoxesFilled(const BoardState& state) { return slotCount(state) > 0 && firstEmptyBox(state) == 0; }

void clearBoxOf(BoardState& state, int slot) {
    if (slot < 1 || slot > kMaxSlots) return;
    const std::int16_t step = state.SlotStep[slot];
    for (int box = 1; box <= slotCount(state); ++box) {
        if (state.BoxStep[box] == step) {
            state.BoxStep[box] = 0;
            state.BoxSlot[box] = 0;
        }
    }
}

void clearBoard(BoardState& state) {
    state.SlotStep.fill(0);
    state.BoxStep.fill(0);
    state.BoxSlot.fill(0);
}

void resetTaskCounters(BoardState& state) {
    state.PictureMoves = 0;
    state.IncorrectMoves = 0;
    state.CorrectMoves = 0;
    state.PlacedCorrectly = 0;
}

void countOne(std::int16_t& tally) {
    if (tally < std::numeric_limits<std::int16_t>::max()) ++tally;
}

}  // namespace activity
