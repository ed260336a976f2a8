#include "activity/Checking.h"

#include <algorithm>

namespace activity {

Judgement judgePlacement(BoardState& state, const BoardOptions& options, int box) {
    Judgement j;
    j.correct = boxIsCorrect(state, box, options.layout);
    if (j.correct) {
        countOne(state.CorrectMoves);
        if (options.immediateFeedback) state.PlacedCorrectly = 1;
    } else {
        countOne(state.IncorrectMoves);
        j.reject = options.immediateFeedback;
    }
    return j;
}

std::vector<int> readingOrder(int stepCount, BoardLayout layout) {
    std::vector<int> boxes;
    const int n = std::clamp(stepCount, 0, kMaxSlots);
    for (int i = 1; i <= n; ++i) boxes.push_back(layout == BoardLayout::RightToLeft ? n + 1 - i : i);
    return boxes;
}

bool boxIsCorrect(const BoardState& state, int box, BoardLayout layout) {
    if (box < 1 || box > slotCount(state)) return false;
    return state.BoxStep[box] == expectedStep(box, state.StepCount, layout);
}

bool boxNeedsSendingBack(const BoardState& state, int box, BoardLayout layout) {
    return box >= 1 && box <= slotCount(state) && state.BoxStep[box] != 0 && !boxIsCorrect(state, box, layout);
}

std::vector<CheckVisit> wrongBoxes(const BoardState& state, BoardLayout layout) {
    std::vector<CheckVisit> visits;
    for (const int box : readingOrder(state.StepCount, layout)) {
        if (boxNeedsSendingBack(state, box, layout)) visits.push_back({box, state.BoxSlot[box]});
    }
    return visits;
}

void emptyBox(BoardState& state, int box) {
    if (box < 1 || box > kMaxSlots) return;
    state.BoxStep[box] = 0;
    state.BoxSlot[box] = 0;
}

int checkResult(const BoardState& state, BoardLayout layout) {
    return allBoxesFilled(state) && wrongBoxes(state, layout).empty() ? 0 : 1;
}

QPoint checkHandStart(BoardLayout layout, QSize hand, QRect firstBox, QRect taskTitle, int screenWidth) {
    switch (layout) {
        case BoardLayout::TopToBottom:
            return {firstBox.left() - hand.width() - 1, taskTitle.top() + taskTitle.height() + 1};
        case BoardLayout::RightToLeft:
            return {screenWidth, firstBox.top() - hand.height() - 1};
        case BoardLayout::LeftToRight:
            break;
    }
    return {-hand.width(), firstBox.top() - hand.height() - 1};
}

}  // namespace activity
