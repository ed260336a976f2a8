#include "activity/Shuffle.h"

#include <utility>

namespace activity {

namespace {

// A source that keeps giving in-order arrangements (a broken or stuck one) must not hold the
// board forever; a fair one comes out in order a thousand times running less than once in
// 2^1000 boards.
constexpr int kMaxOutOfOrderPasses = 1000;

// The arrangement in which every picture stands above its own box.
void dealInOrder(BoardState& state, BoardLayout layout) {
    const int n = slotCount(state);
    for (int k = 1; k <= n; ++k) {
        state.SlotStep[k] = static_cast<std::int16_t>(layout == BoardLayout::RightToLeft ? n + 1 - k : k);
    }
}

}  // namespace

bool slotsInOrder(const BoardState& state, BoardLayout layout) {
    const int n = slotCount(state);
    for (int k = 1; k <= n; ++k) {
        if (state.SlotStep[k] != correctBox(k, n, layout)) return false;
    }
    return true;
}

void shufflePass(BoardState& state, const RandomSource& random) {
    const int n = slotCount(state);
    for (int k = 1; k <= n; ++k) {
        // The whole part of N x r + 1 lies in 1..N; kept there even for a source that
        // strays outside [0, 1).
        const double x = n * random() + 1;
        const int r = x >= n ? n : (x >= 1 ? static_cast<int>(x) : 1);
        std::swap(state.SlotStep[k], state.SlotStep[r]);
    }
}

void shuffleSlots(BoardState& state, const BoardOptions& options, const RandomSource& random) {
    const int n = slotCount(state);
    state.SlotStep.fill(0);
    dealInOrder(state, BoardLayout::LeftToRight);
    switch (options.shuffleMode) {
        case 2: {
            if (n < 2) break;  // one picture is always in order
            int passes = 0;
            do {
                shufflePass(state, random);
            } while (slotsInOrder(state, options.layout) && ++passes < kMaxOutOfOrderPasses);
            if (slotsInOrder(state, options.layout)) std::swap(state.SlotStep[1], state.SlotStep[2]);
            break;
        }
        case 3:
            dealInOrder(state, options.layout);
            break;
        default:
            shufflePass(state, random);
            break;
    }
}

std::vector<PrePlacement> placeJumpStart(BoardState& state, const BoardOptions& options) {
    std::vector<PrePlacement> placed;
    const int n = slotCount(state);
    for (int step = 1; step <= n; ++step) {
        if (!isPrePlaced(options, step)) continue;
        for (int slot = 1; slot <= n; ++slot) {
            if (state.SlotStep[slot] != step) continue;
            const int box = correctBox(step, n, options.layout);
            state.BoxStep[box] = static_cast<std::int16_t>(step);
            state.BoxSlot[box] = static_cast<std::int16_t>(slot);
            placed.push_back({slot, box, step});
            break;
        }
    }
    return placed;
}

}  // namespace activity
