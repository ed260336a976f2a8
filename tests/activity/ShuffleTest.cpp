#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "activity/Shuffle.h"

using namespace activity;

namespace {

// Gives the numbers in turn, over and over.
RandomSource sequence(std::vector<double> values) {
    return [values, i = std::size_t{0}]() mutable { return values[i++ % values.size()]; };
}

std::vector<int> slots(const BoardState& s) {
    std::vector<int> v;
    for (int k = 1; k <= s.StepCount; ++k) v.push_back(s.SlotStep[k]);
    return v;
}

BoardState dealt(int n, BoardLayout layout, std::int16_t mode, const RandomSource& random) {
    BoardState s;
    s.StepCount = static_cast<std::int16_t>(n);
    BoardOptions o;
    o.layout = layout;
    o.shuffleMode = mode;
    shuffleSlots(s, o, random);
    return s;
}

TEST(Shuffle, TwoStepsNeverInOrderInEitherDirection) {
    const std::vector<RandomSource> sources = {sequence({0.0}), sequence({0.99}), sequence({0.1, 0.7}),
                                               sequence({0.7, 0.1}), sequence({0.5, 0.5, 0.0})};
    for (const RandomSource& random : sources) {
        EXPECT_EQ(slots(dealt(2, BoardLayout::LeftToRight, 2, random)), (std::vector<int>{2, 1}));
        EXPECT_EQ(slots(dealt(2, BoardLayout::TopToBottom, 2, random)), (std::vector<int>{2, 1}));
        // Right to left, 2 then 1 reads 1, 2: in order.
        EXPECT_EQ(slots(dealt(2, BoardLayout::RightToLeft, 2, random)), (std::vector<int>{1, 2}));
    }
}

TEST(Shuffle, NeverInOrderIsNeverInOrderForAnyBoard) {
    std::mt19937 engine(12345);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const RandomSource random = [&] { return uniform(engine); };
    for (int n = 2; n <= 10; ++n) {
        for (const BoardLayout layout :
             {BoardLayout::LeftToRight, BoardLayout::TopToBottom, BoardLayout::RightToLeft}) {
            for (int round = 0; round < 50; ++round) {
                const BoardState s = dealt(n, layout, 2, random);
                EXPECT_FALSE(slotsInOrder(s, layout)) << n;
                std::vector<int> sorted = slots(s);
                std::sort(sorted.begin(), sorted.end());
                for (int k = 1; k <= n; ++k) ASSERT_EQ(sorted[k - 1], k) << "every step dealt once";
            }
        }
    }
}

TEST(Shuffle, AnArrangementInOrderGetsAnotherPassOnItself) {
    // Left to right the first pass gives 1, 2, 3 (r = 1, 2, 3); the second swaps 1-3, 2-3, 3-3.
    EXPECT_EQ(slots(dealt(3, BoardLayout::LeftToRight, 2, sequence({0.1, 0.5, 0.9, 0.9, 0.9, 0.9}))),
              (std::vector<int>{3, 1, 2}));
    // Right to left the first pass gives 3, 2, 1 (r = 3, 2, 3), in order for that direction; the
    // second swaps 1-1, 2-1, 3-1.
    EXPECT_EQ(slots(dealt(3, BoardLayout::RightToLeft, 2, sequence({0.9, 0.5, 0.9, 0.1, 0.1, 0.1}))),
              (std::vector<int>{1, 3, 2}));
}

TEST(Shuffle, AStuckSourceStillEndsOutOfOrder) {
    // r = 1, 2, 3, 4, 5 on every pass leaves the board in order each time.
    const BoardState s = dealt(5, BoardLayout::LeftToRight, 2, sequence({0.1, 0.3, 0.5, 0.7, 0.9}));
    EXPECT_FALSE(slotsInOrder(s, BoardLayout::LeftToRight));
    EXPECT_EQ(slots(s), (std::vector<int>{2, 1, 3, 4, 5}));
}

TEST(Shuffle, AlwaysInOrderStandsEachPictureAboveItsBox) {
    const RandomSource unused = [] {
        ADD_FAILURE() << "no random number is drawn";
        return 0.0;
    };
    EXPECT_EQ(slots(dealt(5, BoardLayout::LeftToRight, 3, unused)), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(slots(dealt(5, BoardLayout::TopToBottom, 3, unused)), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(slots(dealt(5, BoardLayout::RightToLeft, 3, unused)), (std::vector<int>{5, 4, 3, 2, 1}));
}

TEST(Shuffle, RandomIsOnePassAndMayComeOutInOrder) {
    struct Case {
        std::vector<double> numbers;
        std::vector<int> slots;
    };
    // Slot k swaps with slot int(3 x r + 1).
    const Case cases[] = {
        {{0.1, 0.5, 0.9}, {1, 2, 3}},   // r = 1, 2, 3: in order
        {{0.9, 0.9, 0.9}, {3, 1, 2}},   // swap 1-3, 2-3, 3-3
        {{0.5, 0.0, 0.4}, {1, 3, 2}},   // swap 1-2, 2-1, 3-2
        {{1.0, 1.5, -0.3}, {2, 1, 3}},  // outside [0, 1): swap 1-3, 2-3, 3-1, within the slots
    };
    for (const Case& c : cases) {
        EXPECT_EQ(slots(dealt(3, BoardLayout::LeftToRight, 1, sequence(c.numbers))), c.slots);
    }
    // A mode the program does not know deals at random too.
    EXPECT_EQ(slots(dealt(3, BoardLayout::LeftToRight, 7, sequence({0.9}))), (std::vector<int>{3, 1, 2}));
}

TEST(Shuffle, SlotsBeyondTheTaskAreCleared) {
    BoardState s;
    s.StepCount = 3;
    s.SlotStep = {0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    BoardOptions o;
    o.shuffleMode = 3;
    shuffleSlots(s, o, sequence({0.0}));
    EXPECT_EQ(s.SlotStep, (SlotTable{0, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0}));
}

struct JumpCase {
    BoardLayout layout;
    SlotTable boxStep, boxSlot;
};

TEST(JumpStart, FirstAndLastStepsOfFiveGoToTheirBoxes) {
    // Steps 1 and 5 sit in slots 3 and 2.
    const JumpCase cases[] = {
        {BoardLayout::LeftToRight, {0, 1, 0, 0, 0, 5}, {0, 3, 0, 0, 0, 2}},
        // Right to left step 1 goes to the right-most box (labelled 1), step 5 to the left-most.
        {BoardLayout::RightToLeft, {0, 5, 0, 0, 0, 1}, {0, 2, 0, 0, 0, 3}},
    };
    for (const JumpCase& c : cases) {
        BoardState s;
        s.StepCount = 5;
        s.SlotStep = {0, 3, 5, 1, 4, 2};
        BoardOptions o;
        o.layout = c.layout;
        o.jumpStart[1] = 1;
        o.jumpStart[5] = 1;
        const std::vector<PrePlacement> moves = placeJumpStart(s, o);
        EXPECT_EQ(s.BoxStep, c.boxStep);
        EXPECT_EQ(s.BoxSlot, c.boxSlot);
        ASSERT_EQ(moves.size(), 2u);
        EXPECT_EQ(moves[0].slot, 3);
        EXPECT_EQ(moves[0].box, c.layout == BoardLayout::RightToLeft ? 5 : 1);
        EXPECT_EQ(moves[1].slot, 2);
        EXPECT_EQ(moves[1].box, c.layout == BoardLayout::RightToLeft ? 1 : 5);
        EXPECT_EQ(firstEmptyBox(s), 2);
        // Only the other three pictures can be chosen; nothing is counted.
        std::vector<int> movable;
        for (int k = 1; k <= 5; ++k) {
            if (!slotIsPrePlaced(s, o, k)) movable.push_back(k);
        }
        EXPECT_EQ(movable, (std::vector<int>{1, 4, 5}));
        EXPECT_EQ(s.PictureMoves + s.CorrectMoves + s.IncorrectMoves, 0);
    }
}

TEST(JumpStart, EntriesAboveTheStepsOrOtherThanOneDoNothing) {
    BoardState s;
    s.StepCount = 5;
    s.SlotStep = {0, 1, 2, 3, 4, 5};
    BoardOptions o;
    o.jumpStart = {0, 2, -1, 0, 7, 0, 1, 1, 1, 1, 1};  // 6..10 are beyond a task of five
    EXPECT_TRUE(placeJumpStart(s, o).empty());
    EXPECT_EQ(s.BoxStep, SlotTable{});
    EXPECT_EQ(s.BoxSlot, SlotTable{});
}

}  // namespace
