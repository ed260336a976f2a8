// Judging placements on the real window: the immediate answer to a wrong one, and the final
// check with its pointing hand once every box is filled.

#include <gtest/gtest.h>

#include <vector>

#include "ActivityWorld.h"

namespace {

struct ActivityChecking : ::testing::Test {
    ActivityWorld world;
    TestAnimation* w = nullptr;

    // A board of `steps` pictures in order; then the pictures of these slots are chosen one
    // after the other.
    void fill(int steps, const std::vector<int>& slotsInMoveOrder) {
        w = world.layOut(world.addTask(QStringLiteral("Tea"), steps));
        for (const int slot : slotsInMoveOrder) w->moveSelectedPicture(slot);
        world.p.audio.log.clear();
    }

    // Runs the final check and notes, at each sentence, where the hand stood, and whether the
    // Exit button and the hand were ever visible.
    int check() {
        world.p.pump.script = [this](bool isWait) {
            exitEverShown = exitEverShown || !w->PicExit->isHidden();
            handEverShown = handEverShown || !w->PicHand->isHidden();
            if (isWait && WaitingForSound == 1 && !w->PicHand->isHidden()) {
                const QRect hand = w->PicHand->geometry();
                if (handAtSentences.empty() || handAtSentences.back() != hand) handAtSentences.push_back(hand);
            }
        };
        const int result = w->checkSequence();
        world.p.pump.script = nullptr;
        return result;
    }

    bool exitEverShown = false;
    bool handEverShown = false;
    std::vector<QRect> handAtSentences;  // where the hand stood at each sentence
};

TEST_F(ActivityChecking, EveryPictureRightSaysOnlyHowItWentAndReportsTheTaskSolved) {
    StudentOptions.FeedbackMode = 1;
    StudentOptions.Narration = 1;
    fill(3, {1, 2, 3});
    EXPECT_EQ(check(), 0);
    EXPECT_EQ(world.said(), QStringList{QStringLiteral("aobj_how_did.wav")});
    EXPECT_FALSE(handEverShown);
    EXPECT_FALSE(exitEverShown);  // hidden for the whole check
    EXPECT_FALSE(w->PicExit->isHidden());
}

class ActivityCheckingLayouts : public ActivityChecking, public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(ActivityCheckingLayouts, TwoWrongBoxesAreVisitedInReadingOrderAndTheirPicturesSentHome) {
    const std::int16_t layout = GetParam();
    StudentOptions.FeedbackMode = 1;
    StudentOptions.Narration = 1;
    StudentOptions.LayoutDirection = layout;
    // In order, the slot above box b shows the step box b expects. Boxes fill from the lowest
    // number, so this order puts the pictures of boxes 2 and 3 into each other's box.
    fill(4, {1, 3, 2, 4});
    const activity::BoardState before = w->board();

    EXPECT_EQ(check(), 1);

    EXPECT_EQ(world.said(),
              QStringList({QStringLiteral("aobj_how_did.wav"), QStringLiteral("aobj_this_doesnt_go_here.wav"),
                           QStringLiteral("aobj_this_doesnt_go_here.wav"), QStringLiteral("aobj_keep_trying.wav")}));
    // The hand stopped at the middle of each wrong box, the first in reading order first, and
    // had left the screen when it said "Keep trying".
    const bool vertical = layout == 2;
    const int first = layout == 3 ? 3 : 2;
    const int second = layout == 3 ? 2 : 3;
    ASSERT_EQ(handAtSentences.size(), 3u);
    EXPECT_FALSE(world.p.screen.rect.intersects(handAtSentences[2]));
    const auto middleOf = [vertical](QRect r) { return vertical ? r.y() + r.height() / 2.0 : r.x() + r.width() / 2.0; };
    const auto handAt = [&](std::size_t i) { return middleOf(handAtSentences[i]); };
    EXPECT_NEAR(handAt(0), middleOf(w->PicSeq[first]->geometry()), 1);
    EXPECT_NEAR(handAt(1), middleOf(w->PicSeq[second]->geometry()), 1);
    // Both pictures are back in their own slots, their boxes empty and shown; the right ones stay.
    const activity::BoardHome& home = w->boardGeometry().home;
    for (const int box : {2, 3}) {
        const int slot = before.BoxSlot[box];
        EXPECT_EQ(w->PicBase[slot]->pos(), home.home(slot)) << box;
        EXPECT_EQ(BoxStep[box], 0) << box;
        EXPECT_FALSE(w->PicSeq[box]->isHidden()) << box;
    }
    EXPECT_EQ(BoxStep[1], before.BoxStep[1]);
    EXPECT_EQ(BoxStep[4], before.BoxStep[4]);
    EXPECT_TRUE(w->PicHand->isHidden());
    EXPECT_EQ(WaitingForSound, 0);
    EXPECT_FALSE(exitEverShown);
    EXPECT_FALSE(w->PicExit->isHidden());
}

INSTANTIATE_TEST_SUITE_P(ReadingDirections, ActivityCheckingLayouts, ::testing::Values(1, 2, 3));

TEST_F(ActivityChecking, WithABoxEmptyNothingIsCheckedAndNothingChangesOnTheScreen) {
    StudentOptions.FeedbackMode = 1;
    fill(3, {2, 1});
    const long passes = world.p.pump.doPasses + world.p.pump.waitPasses;
    bool exitHidden = false;
    world.p.pump.script = [&](bool) { exitHidden = exitHidden || w->PicExit->isHidden(); };
    EXPECT_EQ(w->checkSequence(), 1);
    EXPECT_TRUE(world.said().isEmpty());
    EXPECT_EQ(world.p.pump.doPasses + world.p.pump.waitPasses, passes);
    EXPECT_FALSE(exitHidden);
    EXPECT_FALSE(w->PicExit->isHidden());
    EXPECT_EQ(BoxStep[1], 2);
}

TEST_F(ActivityChecking, ImmediateFeedbackRejectsAWrongPlacementAloudAndCountsIt) {
    StudentOptions.FeedbackMode = 2;
    StudentOptions.Narration = 2;  // the rejection is said all the same
    fill(3, {});
    w->sound.LastNarratedPicture = 2;

    w->moveSelectedPicture(2);  // step 2 into box 1
    EXPECT_EQ(world.said(), QStringList{QStringLiteral("aobj_this_doesnt_go_here.wav")});
    EXPECT_EQ(w->PicBase[2]->pos(), w->boardGeometry().home.home(2));
    EXPECT_EQ(BoxStep[1], 0);
    EXPECT_EQ(BoxSlot[1], 0);
    EXPECT_EQ(IncorrectMoves, 1);
    EXPECT_EQ(CorrectMoves, 0);
    EXPECT_EQ(w->PlacedCorrectly, 0);
    EXPECT_EQ(w->sound.LastNarratedPicture, -1);
    EXPECT_FALSE(w->PicSeq[1]->isHidden());

    w->moveSelectedPicture(1);  // step 1 into box 1: right
    EXPECT_EQ(w->PicBase[1]->pos(), w->PicSeq[1]->pos());
    EXPECT_EQ(CorrectMoves, 1);
    EXPECT_EQ(IncorrectMoves, 1);
    EXPECT_EQ(w->PlacedCorrectly, 1);
    EXPECT_EQ(PictureMoves, 2);
}

TEST_F(ActivityChecking, ARejectedPictureLyingOnTheBoxesHidesThoseItTouchesUntilItIsClear) {
    StudentOptions.FeedbackMode = 2;
    fill(3, {});
    // Dropped (as the pointer methods drop) across boxes 1 and 2, registered in box 1.
    const QRect box1 = w->PicSeq[1]->geometry();
    w->PicBase[3]->move(box1.left() + box1.width() / 2, box1.top());
    BoxStep[1] = 3;
    BoxSlot[1] = 3;
    const int clearLine = w->boardGeometry().home.HomeRowTop + w->PicBase[3]->height() + 15;
    int hiddenBelowLine = 0;
    int hiddenAboveLine = 0;
    world.p.pump.script = [&](bool) {
        if (!w->PicSeq[1]->isHidden()) return;
        ++(w->PicBase[3]->y() >= clearLine ? hiddenBelowLine : hiddenAboveLine);
    };
    w->rejectPlacement(3);
    world.p.pump.script = nullptr;
    // Hidden while the picture rose clear of the boxes, shown again before it slid along.
    EXPECT_GT(hiddenBelowLine, 0);
    EXPECT_EQ(hiddenAboveLine, 0);
    EXPECT_FALSE(w->PicSeq[1]->isHidden());
    EXPECT_FALSE(w->PicSeq[2]->isHidden());
    EXPECT_EQ(w->PicBase[3]->pos(), w->boardGeometry().home.home(3));
    EXPECT_EQ(BoxStep[1], 0);
}

}  // namespace
