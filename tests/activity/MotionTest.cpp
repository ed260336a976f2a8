#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "GeometryPrinting.h"
#include "activity/Motion.h"

using namespace activity;

namespace {

const QSize kRowPicture(171, 149);
const QSize kColumnPicture(103, 98);

// Home positions of a five-step board on 1024 x 768.
BoardHome rowHome(BoardLayout layout = BoardLayout::LeftToRight) {
    BoardHome h;
    h.layout = layout;
    for (int k = 1; k <= 5; ++k) h.HomeLeft[k] = static_cast<std::int16_t>(28 + 199 * (k - 1));
    h.HomeRowTop = 146;
    return h;
}

BoardHome columnHome() {
    BoardHome h;
    h.layout = BoardLayout::TopToBottom;
    for (int k = 1; k <= 5; ++k) h.HomeTop[k] = static_cast<std::int16_t>(62 + 144 * (k - 1));
    h.HomeColumnLeft = 342;
    return h;
}

bool contains(const std::vector<QPoint>& path, QPoint p) {
    return std::find(path.begin(), path.end(), p) != path.end();
}

// Every step but the closing snap moves one pixel along one axis.
bool onePixelSteps(const std::vector<QPoint>& path, QPoint start) {
    QPoint at = start;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        if ((path[i] - at).manhattanLength() != 1) return false;
        at = path[i];
    }
    return true;
}

TEST(Motion, KilltimeCounts) {
    struct Case {
        double n;
        std::int64_t count;
    };
    const Case cases[] = {{0, 1}, {2.5, 3}, {-1, 1}, {2, 3}, {0.999, 1}, {1000, 1001}, {std::nan(""), 1}};
    for (const Case& c : cases) EXPECT_EQ(killtimeCount(c.n), c.count) << c.n;
}

TEST(Motion, IntoTheBoxRowDownAlongAndIn) {
    // Slot 2's picture into box 1: down until 15 pixels above the boxes (589 - 15 - 149 = 425),
    // left to the box, down into it.
    const QPoint start(227, 146);
    const std::vector<QPoint> path = glidePositions(putInPath(BoardLayout::LeftToRight, kRowPicture, {28, 589}), start);
    ASSERT_EQ(path.size(), 279u + 199u + 164u + 1u);
    EXPECT_TRUE(onePixelSteps(path, start));
    EXPECT_EQ(path[278], QPoint(227, 425));
    EXPECT_EQ(path[278 + 199], QPoint(28, 425));
    EXPECT_EQ(path.back(), QPoint(28, 589));
}

TEST(Motion, IntoTheBoxColumnRightAlongAndIn) {
    // Slot 2 of the vertical board into box 1: right until 15 pixels short of the boxes
    // (578 - 15 - 103 = 460), up to the box, right into it.
    const QPoint start(342, 206);
    const std::vector<QPoint> path =
        glidePositions(putInPath(BoardLayout::TopToBottom, kColumnPicture, {578, 62}), start);
    ASSERT_EQ(path.size(), 118u + 144u + 118u + 1u);
    EXPECT_TRUE(onePixelSteps(path, start));
    EXPECT_EQ(path[117], QPoint(460, 206));
    EXPECT_EQ(path[117 + 144], QPoint(460, 62));
    EXPECT_EQ(path.back(), QPoint(578, 62));
}

TEST(Motion, HomeFromABoxWhereverTheBoxIs) {
    // From box 1 back to slot 2: up to 15 pixels below the row (146 + 149 + 15 = 310), right
    // to the slot, up into the row. All three ways home take this path from a box.
    for (const HomeVariant v : {HomeVariant::TakeOut, HomeVariant::Check, HomeVariant::Rejection}) {
        const QPoint start(28, 589);
        const std::vector<QPoint> path = glidePositions(returnHomePath(rowHome(), 2, kRowPicture, v), start);
        ASSERT_EQ(path.size(), 279u + 199u + 164u + 1u);
        EXPECT_TRUE(onePixelSteps(path, start));
        EXPECT_EQ(path[278], QPoint(28, 310));
        EXPECT_EQ(path[278 + 199], QPoint(227, 310));
        EXPECT_EQ(path.back(), QPoint(227, 146));
    }
    // Vertical: left to 15 pixels right of the column (342 + 103 + 15 = 460), down to the
    // slot, left into the column.
    const QPoint start(578, 62);
    const std::vector<QPoint> path =
        glidePositions(returnHomePath(columnHome(), 2, kColumnPicture, HomeVariant::TakeOut), start);
    ASSERT_EQ(path.size(), 118u + 144u + 118u + 1u);
    EXPECT_EQ(path[117], QPoint(460, 62));
    EXPECT_EQ(path[117 + 144], QPoint(460, 206));
    EXPECT_EQ(path.back(), QPoint(342, 206));
}

TEST(Motion, ARejectedPictureAboveItsRowComesDownIntoIt) {
    // Dropped above the row at (500, 100): no clearance move, left to the slot, then down.
    const QPoint start(500, 100);
    const std::vector<QPoint> rejected =
        glidePositions(returnHomePath(rowHome(), 2, kRowPicture, HomeVariant::Rejection), start);
    ASSERT_EQ(rejected.size(), 273u + 46u + 1u);
    EXPECT_TRUE(onePixelSteps(rejected, start));
    EXPECT_EQ(rejected[272], QPoint(227, 100));
    EXPECT_EQ(rejected[272 + 46], QPoint(227, 146));
    // The other ways home never come down; only the snap would put it there.
    const std::vector<QPoint> takenOut =
        glidePositions(returnHomePath(rowHome(), 2, kRowPicture, HomeVariant::TakeOut), start);
    EXPECT_EQ(takenOut.size(), 273u + 1u);

    // Vertical: dropped left of the column, it comes right into it.
    const QPoint left(300, 500);
    const std::vector<QPoint> column =
        glidePositions(returnHomePath(columnHome(), 3, kColumnPicture, HomeVariant::Rejection), left);
    EXPECT_TRUE(contains(column, QPoint(300, 350)));
    EXPECT_TRUE(contains(column, QPoint(341, 350)));
    EXPECT_EQ(column.back(), QPoint(342, 350));
}

TEST(Motion, TheWalkReadsThePositionBeforeEveryStep) {
    GlideWalk walk(putInPath(BoardLayout::LeftToRight, kRowPicture, {28, 589}));
    EXPECT_EQ(walk.next({227, 146}), QPoint(227, 147));
    // Put past the first leg's end by someone else: the walk goes on with the next leg.
    EXPECT_EQ(walk.next({227, 500}), QPoint(226, 500));
    EXPECT_EQ(walk.next({28, 588}), QPoint(28, 589));
    EXPECT_EQ(walk.next({28, 589}), std::nullopt);
}

TEST(Motion, ARejectedPictureHidesTheBoxesItSlidesAcross) {
    std::array<QRect, kMaxSlots + 1> boxes{};
    for (int b = 1; b <= 5; ++b) boxes[b] = QRect(QPoint(28 + 199 * (b - 1), 589), kRowPicture);
    struct Case {
        QPoint at;
        std::vector<int> boxes;
    };
    const Case cases[] = {
        {{300, 589}, {2}}, {{398, 600}, {2}},  // its left edge on box 2's right edge
        {{410, 600}, {}},                      // between boxes 2 and 3
        {{199, 589}, {1}}, {{300, 300}, {}},   // not beyond the clearance line (146 + 149 + 15)
        {{300, 311}, {2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(boxesCrossedByRejection(rowHome(), QRect(c.at, kRowPicture), boxes, 5), c.boxes) << c.at.x();
    }
}

// Slot k shows step SlotStep[k].
BoardState board(SlotTable slotStep) {
    BoardState s;
    s.StepCount = 5;
    s.SlotStep = slotStep;
    return s;
}

TEST(Motion, ASelectedPictureGoesToTheLowestEmptyBoxAndBackToItsOwnSlot) {
    BoardState s = board({0, 2, 1, 3, 4, 5});
    BoardOptions deferred;

    SelectedMove m = beginSelectedMove(s, 1);  // slot 1, step 2
    EXPECT_FALSE(m.takeOut);
    EXPECT_EQ(m.box, 1);
    EXPECT_EQ(s.BoxStep[1], 0) << "registered only when the picture arrives";
    Judgement j = finishSelectedMove(s, deferred, 1, m);
    EXPECT_FALSE(j.correct);
    EXPECT_FALSE(j.reject);
    EXPECT_EQ(s.BoxStep[1], 2);
    EXPECT_EQ(s.BoxSlot[1], 1);

    m = beginSelectedMove(s, 3);  // step 3 into box 2
    EXPECT_EQ(m.box, 2);
    finishSelectedMove(s, deferred, 3, m);

    // Chosen again, slot 1 comes out of box 1 (no judgement) ...
    m = beginSelectedMove(s, 1);
    EXPECT_TRUE(m.takeOut);
    EXPECT_EQ(m.box, 1);
    j = finishSelectedMove(s, deferred, 1, m);
    EXPECT_FALSE(j.correct || j.reject);
    EXPECT_EQ(s.BoxStep[1], 0);
    EXPECT_EQ(s.BoxSlot[1], 0);
    // ... and slot 4 then takes box 1, the lowest empty one, not box 3.
    m = beginSelectedMove(s, 4);
    EXPECT_EQ(m.box, 1);
    EXPECT_EQ(s.PictureMoves, 4);
    EXPECT_EQ(s.IncorrectMoves, 2);
    EXPECT_EQ(s.CorrectMoves, 0);
}

TEST(Motion, JudgedAtOnce) {
    BoardOptions immediate;
    immediate.immediateFeedback = true;
    BoardState s = board({0, 1, 3, 2, 4, 5});

    SelectedMove m = beginSelectedMove(s, 1);
    Judgement j = finishSelectedMove(s, immediate, 1, m);
    EXPECT_TRUE(j.correct);
    EXPECT_EQ(s.PlacedCorrectly, 1);
    EXPECT_EQ(s.CorrectMoves, 1);

    m = beginSelectedMove(s, 2);  // step 3 into box 2
    EXPECT_EQ(s.PlacedCorrectly, 0) << "every move starts afresh";
    j = finishSelectedMove(s, immediate, 2, m);
    EXPECT_TRUE(j.reject);
    EXPECT_EQ(s.IncorrectMoves, 1);
    EXPECT_EQ(s.PlacedCorrectly, 0);
    // The rejection sends it home and it no longer counts as placed.
    clearBoxOf(s, 2);
    EXPECT_EQ(s.BoxStep, (SlotTable{0, 1}));
    EXPECT_EQ(firstEmptyBox(s), 2);
}

TEST(Motion, RightToLeftFillsTheLeftMostEmptyBoxFirst) {
    BoardOptions o;
    o.layout = BoardLayout::RightToLeft;
    BoardState s = board({0, 5, 4, 3, 2, 1});
    const SelectedMove m = beginSelectedMove(s, 1);  // step 5
    EXPECT_EQ(m.box, 1);
    EXPECT_TRUE(finishSelectedMove(s, o, 1, m).correct) << "the left-most box takes step N";
}

TEST(Motion, NoEmptyBoxNoMove) {
    BoardState s = board({0, 1, 2, 3, 4, 5});
    s.BoxStep = {0, 9, 9, 9, 9, 9};
    const SelectedMove m = beginSelectedMove(s, 1);
    EXPECT_EQ(m.box, 0);
    const BoardState before = s;
    finishSelectedMove(s, BoardOptions{}, 1, m);
    EXPECT_EQ(s, before);
}

}  // namespace
