// Pictures moved by the activity window itself: one pixel per step along the glide paths, into
// the lowest empty box and back to their own slot, with the bookkeeping of the boxes.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ActivityWorld.h"

namespace {

struct ActivityMotion : ::testing::Test {
    ActivityWorld world;

    // Every position `picture` takes while the window moves it, and whether `box` was hidden at
    // each step.
    std::vector<QPoint> track(QWidget* picture, std::function<void()> move, QWidget* box = nullptr,
                              std::vector<bool>* boxHidden = nullptr) {
        std::vector<QPoint> positions;
        world.p.pump.script = [&](bool) {
            if (positions.empty() || positions.back() != picture->pos()) positions.push_back(picture->pos());
            if (box != nullptr && boxHidden != nullptr) boxHidden->push_back(box->isHidden());
        };
        move();
        world.p.pump.script = nullptr;
        return positions;
    }
};

// Each position differs from the one before by one pixel along one axis.
bool onePixelSteps(const std::vector<QPoint>& positions) {
    for (std::size_t i = 1; i < positions.size(); ++i) {
        if ((positions[i] - positions[i - 1]).manhattanLength() != 1) return false;
    }
    return true;
}

TEST_F(ActivityMotion, APictureGoesIntoTheLowestEmptyBoxAndBackToItsOwnSlot) {
    StudentOptions.FeedbackMode = 1;
    TestAnimation* w = world.layOut(world.addTask(QStringLiteral("Tea"), 3));
    const activity::BoardHome& home = w->boardGeometry().home;
    w->sound.LastNarratedPicture = 2;

    // Slot 2 into box 1: along the row 15 pixels above the boxes, then down into the box.
    const QPoint box1 = w->PicSeq[1]->pos();
    const std::vector<QPoint> in = track(w->PicBase[2], [&] { w->moveSelectedPicture(2); });
    EXPECT_EQ(w->PicBase[2]->pos(), box1);
    EXPECT_TRUE(onePixelSteps(in));
    const int clearance = box1.y() - 15 - w->PicBase[2]->height();
    EXPECT_TRUE(std::any_of(in.begin(), in.end(), [&](QPoint p) { return p == QPoint(box1.x(), clearance); }));
    EXPECT_EQ(BoxStep[1], 2);
    EXPECT_EQ(BoxSlot[1], 2);
    EXPECT_EQ(PictureMoves, 1);
    EXPECT_EQ(IncorrectMoves, 1);  // counted, not said: judged only when all are placed
    EXPECT_EQ(w->sound.LastNarratedPicture, -1);

    w->moveSelectedPicture(3);  // into box 2
    EXPECT_EQ(w->PicBase[3]->pos(), w->PicSeq[2]->pos());

    // Chosen again, slot 2 goes home from wherever its box is; the box is hidden while it leaves.
    std::vector<bool> boxHidden;
    const std::vector<QPoint> out = track(
        w->PicBase[2], [&] { w->moveSelectedPicture(2); }, w->PicSeq[1], &boxHidden);
    EXPECT_EQ(w->PicBase[2]->pos(), home.home(2));
    EXPECT_EQ(w->PicBase[2]->pos(), QPoint(home.HomeLeft[2], home.HomeRowTop));
    EXPECT_TRUE(onePixelSteps(out));
    ASSERT_FALSE(boxHidden.empty());
    EXPECT_TRUE(std::all_of(boxHidden.begin(), boxHidden.end(), [](bool hidden) { return hidden; }));
    EXPECT_FALSE(w->PicSeq[1]->isHidden());
    EXPECT_EQ(BoxStep[1], 0);
    EXPECT_EQ(BoxSlot[1], 0);
    EXPECT_EQ(PictureMoves, 3);

    // Slot 3 out of box 2 and back in: the lowest empty box is now box 1, not the one it left.
    w->moveSelectedPicture(3);
    w->moveSelectedPicture(3);
    EXPECT_EQ(w->PicBase[3]->pos(), box1);
    EXPECT_EQ(BoxStep[1], 3);
    EXPECT_EQ(BoxStep[2], 0);
}

TEST_F(ActivityMotion, RightToLeftTheLeftMostEmptyBoxIsFilledFirst) {
    StudentOptions.LayoutDirection = 3;
    StudentOptions.FeedbackMode = 1;
    TestAnimation* w = world.layOut(world.addTask(QStringLiteral("Tea"), 4));
    // In order right to left: slot 1 (left-most) shows step 4, which belongs in box 1.
    ASSERT_EQ(SlotStep[1], 4);
    w->moveSelectedPicture(4);  // step 1
    EXPECT_EQ(w->PicBase[4]->pos(), w->PicSeq[1]->pos());
    EXPECT_EQ(IncorrectMoves, 1);
    w->moveSelectedPicture(1);  // step 4 into box 2
    EXPECT_EQ(w->PicBase[1]->pos(), w->PicSeq[2]->pos());
    EXPECT_EQ(IncorrectMoves, 2);
}

TEST_F(ActivityMotion, TheVerticalBoardGlidesSidewaysBesideTheBoxColumn) {
    StudentOptions.LayoutDirection = 2;
    StudentOptions.FeedbackMode = 1;
    TestAnimation* w = world.layOut(world.addTask(QStringLiteral("Tea"), 3));
    const QPoint box1 = w->PicSeq[1]->pos();
    const std::vector<QPoint> in = track(w->PicBase[3], [&] { w->moveSelectedPicture(3); });
    EXPECT_EQ(w->PicBase[3]->pos(), box1);
    EXPECT_TRUE(onePixelSteps(in));
    const int clearance = box1.x() - 15 - w->PicBase[3]->width();
    EXPECT_TRUE(std::any_of(in.begin(), in.end(), [&](QPoint p) { return p == QPoint(clearance, box1.y()); }));

    const std::vector<QPoint> out = track(w->PicBase[3], [&] { w->moveSelectedPicture(3); });
    EXPECT_EQ(w->PicBase[3]->pos(), w->boardGeometry().home.home(3));
    EXPECT_TRUE(onePixelSteps(out));
    EXPECT_EQ(BoxStep[1], 0);
}

}  // namespace
