#include <gtest/gtest.h>

#include <vector>

#include "GeometryPrinting.h"
#include "activity/Checking.h"

using namespace activity;

namespace {

// Five boxes holding the given steps; slot k shows step k.
BoardState boxesHolding(SlotTable steps) {
    BoardState s;
    s.StepCount = 5;
    s.SlotStep = {0, 1, 2, 3, 4, 5};
    s.BoxStep = steps;
    for (int b = 1; b <= 5; ++b) s.BoxSlot[b] = steps[b];
    return s;
}

TEST(Checking, ABoxExpectsItsOwnNumberOrTheMirrorRightToLeft) {
    struct Case {
        BoardLayout layout;
        int box, step;
        bool immediate;
        bool correct, reject;
    };
    const Case cases[] = {
        {BoardLayout::LeftToRight, 2, 2, false, true, false}, {BoardLayout::LeftToRight, 2, 3, false, false, false},
        {BoardLayout::LeftToRight, 2, 3, true, false, true},  {BoardLayout::TopToBottom, 3, 3, true, true, false},
        {BoardLayout::RightToLeft, 5, 1, false, true, false},  // the right-most box takes step 1
        {BoardLayout::RightToLeft, 1, 1, true, false, true},  {BoardLayout::RightToLeft, 1, 5, true, true, false},
    };
    for (const Case& c : cases) {
        BoardState s;
        s.StepCount = 5;
        s.BoxStep[c.box] = static_cast<std::int16_t>(c.step);
        BoardOptions o;
        o.layout = c.layout;
        o.immediateFeedback = c.immediate;
        const Judgement j = judgePlacement(s, o, c.box);
        EXPECT_EQ(j.correct, c.correct) << int(c.layout) << " box " << c.box << " step " << c.step;
        EXPECT_EQ(j.reject, c.reject) << int(c.layout) << " box " << c.box << " step " << c.step;
        EXPECT_EQ(s.CorrectMoves, c.correct ? 1 : 0);
        EXPECT_EQ(s.IncorrectMoves, c.correct ? 0 : 1);
        EXPECT_EQ(s.PlacedCorrectly, c.correct && c.immediate ? 1 : 0);
    }
}

TEST(Checking, WrongBoxesInReadingOrder) {
    struct Case {
        const char* what;
        BoardLayout layout;
        SlotTable steps;
        std::vector<int> wrongBoxes;
        int result;
    };
    const Case cases[] = {
        {"all right", BoardLayout::LeftToRight, {0, 1, 2, 3, 4, 5}, {}, 0},
        {"two wrong", BoardLayout::LeftToRight, {0, 1, 3, 2, 4, 5}, {2, 3}, 1},
        {"vertical", BoardLayout::TopToBottom, {0, 5, 2, 3, 4, 1}, {1, 5}, 1},
        {"right to left, all right", BoardLayout::RightToLeft, {0, 5, 4, 3, 2, 1}, {}, 0},
        {"right to left, visited from the right", BoardLayout::RightToLeft, {0, 2, 4, 3, 5, 1}, {4, 1}, 1},
        {"left to right order is all wrong right to left",
         BoardLayout::RightToLeft,
         {0, 1, 2, 3, 4, 5},
         {5, 4, 2, 1},
         1},
        {"a box still empty: go on, nothing sent back", BoardLayout::LeftToRight, {0, 1, 2, 0, 4, 5}, {}, 1},
    };
    for (const Case& c : cases) {
        const BoardState s = boxesHolding(c.steps);
        std::vector<int> boxes;
        for (const CheckVisit& v : wrongBoxes(s, c.layout)) {
            boxes.push_back(v.box);
            EXPECT_EQ(v.slot, s.BoxSlot[v.box]) << c.what;
        }
        EXPECT_EQ(boxes, c.wrongBoxes) << c.what;
        EXPECT_EQ(checkResult(s, c.layout), c.result) << c.what;
    }
}

TEST(Checking, SendingBackClearsTheBoxAndTheCheckGoesOn) {
    BoardState s = boxesHolding({0, 1, 3, 2, 4, 5});
    for (const CheckVisit& v : wrongBoxes(s, BoardLayout::LeftToRight)) emptyBox(s, v.box);
    EXPECT_EQ(s.BoxStep, (SlotTable{0, 1, 0, 0, 4, 5}));
    EXPECT_EQ(s.BoxSlot, (SlotTable{0, 1, 0, 0, 4, 5}));
    EXPECT_EQ(checkResult(s, BoardLayout::LeftToRight), 1);
    // A box the student emptied while the hand was on its way has nothing to send back.
    EXPECT_FALSE(boxNeedsSendingBack(s, 2, BoardLayout::LeftToRight));
    EXPECT_EQ(s.PictureMoves + s.IncorrectMoves + s.CorrectMoves, 0) << "the check counts nothing";
}

TEST(Checking, ReadingOrder) {
    EXPECT_EQ(readingOrder(4, BoardLayout::LeftToRight), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(readingOrder(4, BoardLayout::TopToBottom), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(readingOrder(4, BoardLayout::RightToLeft), (std::vector<int>{4, 3, 2, 1}));
}

// Where the hand ends after each leg, from its start.
std::vector<QPoint> handStops(QPoint start, const std::vector<GlidePath>& legs) {
    std::vector<QPoint> stops;
    QPoint at = start;
    for (const GlidePath& leg : legs) {
        const std::vector<QPoint> path = glidePositions(leg, at);
        if (!path.empty()) at = path.back();
        stops.push_back(at);
    }
    return stops;
}

TEST(Checking, TheHandVisitsTheWrongBoxesAlongTheRow) {
    const QSize screen(1024, 768);
    const QSize hand(40, 50);
    const QRect title(0, 0, 1024, 30);
    auto box = [](int b) { return QRect(28 + 199 * (b - 1), 589, 171, 149); };

    // Left to right: from beyond the left edge, just above the boxes, to the middles of boxes 2
    // and 4 (227 + 85.5 - 20 = 292.5: the first whole pixel past it), then off the right edge.
    QPoint start = checkHandStart(BoardLayout::LeftToRight, hand, box(1), title, screen.width());
    EXPECT_EQ(start, QPoint(-40, 538));
    EXPECT_EQ(handStops(start, {handToMiddleOf(BoardLayout::LeftToRight, hand, box(2)),
                                handToMiddleOf(BoardLayout::LeftToRight, hand, box(4)),
                                handOffScreen(BoardLayout::LeftToRight, hand, screen)}),
              (std::vector<QPoint>{{293, 538}, {691, 538}, {1024, 538}}));

    // Right to left: from beyond the right edge to box 4, then box 1, then off the left edge.
    start = checkHandStart(BoardLayout::RightToLeft, hand, box(1), title, screen.width());
    EXPECT_EQ(start, QPoint(1024, 538));
    EXPECT_EQ(handStops(start, {handToMiddleOf(BoardLayout::RightToLeft, hand, box(4)),
                                handToMiddleOf(BoardLayout::RightToLeft, hand, box(1)),
                                handOffScreen(BoardLayout::RightToLeft, hand, screen)}),
              (std::vector<QPoint>{{690, 538}, {93, 538}, {-40, 538}}));
}

TEST(Checking, TheHandSweepsDownTheColumn) {
    const QSize screen(1024, 768);
    const QSize hand(50, 40);
    auto box = [](int b) { return QRect(578, 62 + 144 * (b - 1), 103, 98); };
    // Left of the boxes, just under the task title; down to the middle of box 3
    // (350 + 49 - 20), then off the bottom.
    const QPoint start = checkHandStart(BoardLayout::TopToBottom, hand, box(1), QRect(0, 0, 1024, 30), 1024);
    EXPECT_EQ(start, QPoint(527, 31));
    EXPECT_EQ(handStops(start, {handToMiddleOf(BoardLayout::TopToBottom, hand, box(3)),
                                handOffScreen(BoardLayout::TopToBottom, hand, screen)}),
              (std::vector<QPoint>{{527, 379}, {527, 768}}));
}

}  // namespace
