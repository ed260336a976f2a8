#include <gtest/gtest.h>

#include "activity/BoardState.h"

using namespace activity;

namespace {

TEST(BoardState, OptionsAsTheActivityUsesThem) {
    StudentOptionsRecord r;
    r.LayoutDirection = 3;
    r.AccessMethod = 4;
    r.PictureTitles = 2;
    r.BoxStyle = 2;
    r.FeedbackMode = 2;
    r.ShuffleMode = 3;
    r.ScanInterval = 4;
    r.VideoButton = 1;
    r.ReviewButton = 2;
    r.JumpStart[5][1] = 1;
    r.JumpStart[5][5] = 1;
    r.JumpStart[4][2] = 1;
    BoardOptions o = boardOptions(r, 5);
    EXPECT_EQ(o.layout, BoardLayout::RightToLeft);
    EXPECT_EQ(o.accessMethod, 4);
    EXPECT_FALSE(o.pictureTitles);
    EXPECT_FALSE(o.numberedBoxes);
    EXPECT_TRUE(o.immediateFeedback);
    EXPECT_EQ(o.shuffleMode, 3);
    EXPECT_EQ(o.scanInterval, 4);
    EXPECT_TRUE(o.videoButton);
    EXPECT_FALSE(o.reviewButton);
    EXPECT_EQ(o.jumpStart, (SlotTable{0, 1, 0, 0, 0, 1}));
    EXPECT_TRUE(isPrePlaced(o, 5));
    EXPECT_FALSE(isPrePlaced(o, 2)) << "the row of another step count";

    // Values outside the choices count as the first choice; on/off switches only as 1.
    r.LayoutDirection = 0;
    r.AccessMethod = 9;
    r.BoxStyle = 7;
    r.FeedbackMode = 5;
    r.ShuffleMode = -1;
    r.PictureTitles = 3;
    o = boardOptions(r, 5);
    EXPECT_EQ(o.layout, BoardLayout::LeftToRight);
    EXPECT_EQ(o.accessMethod, 1);
    EXPECT_TRUE(o.numberedBoxes);
    EXPECT_FALSE(o.immediateFeedback);
    EXPECT_EQ(o.shuffleMode, 1);
    EXPECT_FALSE(o.pictureTitles);
}

TEST(BoardState, ExpectedStepOfEachBox) {
    for (int b = 1; b <= 5; ++b) {
        EXPECT_EQ(expectedStep(b, 5, BoardLayout::LeftToRight), b);
        EXPECT_EQ(expectedStep(b, 5, BoardLayout::TopToBottom), b);
        EXPECT_EQ(expectedStep(b, 5, BoardLayout::RightToLeft), 6 - b);
        EXPECT_EQ(correctBox(expectedStep(b, 5, BoardLayout::RightToLeft), 5, BoardLayout::RightToLeft), b);
    }
}

TEST(BoardState, ClearBoxOfEmptiesTheBoxOfTheSlotsStep) {
    BoardState s;
    s.StepCount = 4;
    s.SlotStep = {0, 3, 1, 4, 2};
    s.BoxStep = {0, 1, 3, 0, 4};
    s.BoxSlot = {0, 2, 1, 0, 3};
    clearBoxOf(s, 1);  // step 3, in box 2
    EXPECT_EQ(s.BoxStep, (SlotTable{0, 1, 0, 0, 4}));
    EXPECT_EQ(s.BoxSlot, (SlotTable{0, 2, 0, 0, 3}));
    EXPECT_EQ(firstEmptyBox(s), 2);
    EXPECT_EQ(boxHoldingStep(s, 4), 4);
    EXPECT_FALSE(allBoxesFilled(s));
}

TEST(BoardState, CountersRestartAndNeverOverflow) {
    BoardState s;
    s.PictureMoves = 7;
    s.IncorrectMoves = 3;
    s.CorrectMoves = 2;
    s.PlacedCorrectly = 1;
    s.BoxStep[1] = 2;
    resetTaskCounters(s);
    EXPECT_EQ(s.PictureMoves + s.IncorrectMoves + s.CorrectMoves + s.PlacedCorrectly, 0);
    EXPECT_EQ(s.BoxStep[1], 2) << "the boxes are the layout's business";
    clearBoard(s);
    EXPECT_EQ(s, BoardState{});

    std::int16_t tally = 32766;
    countOne(tally);
    countOne(tally);
    EXPECT_EQ(tally, 32767);
}

}  // namespace
