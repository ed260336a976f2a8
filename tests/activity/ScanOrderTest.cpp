#include <gtest/gtest.h>

#include <vector>

#include "GeometryPrinting.h"
#include "activity/BoardGeometry.h"
#include "activity/ScanOrder.h"

using namespace activity;

namespace {

struct Placement {
    int box, slot;
};

// Five pictures in order, some of them in boxes.
BoardState fiveWith(std::vector<Placement> placed) {
    BoardState s;
    s.StepCount = 5;
    s.SlotStep = {0, 1, 2, 3, 4, 5};
    for (const Placement& p : placed) {
        s.BoxStep[p.box] = s.SlotStep[p.slot];
        s.BoxSlot[p.box] = static_cast<std::int16_t>(p.slot);
    }
    return s;
}

// The slots the highlight visits from `start` on.
std::vector<int> visits(const BoardState& s, const BoardOptions& o, int start, int count) {
    std::vector<int> v;
    int at = start;
    for (int i = 0; i < count; ++i) v.push_back(at = nextScanSlot(s, o, at));
    return v;
}

BoardOptions feedback(bool immediate, std::vector<int> prePlaced = {}) {
    BoardOptions o;
    o.immediateFeedback = immediate;
    for (const int step : prePlaced) o.jumpStart[step] = 1;
    return o;
}

TEST(ScanOrder, TheHighlightsRoundOfThePictures) {
    struct Case {
        const char* what;
        BoardState state;
        BoardOptions options;
        int start;
        std::vector<int> visits;
    };
    const Case cases[] = {
        {"five in the row, judged at once; a run starts after slot N",
         fiveWith({}),
         feedback(true),
         5,
         {1, 2, 3, 4, 5, 1}},
        {"judged at the end: slots 2 and 4 in boxes 1 and 2 come after the row",
         fiveWith({{1, 2}, {2, 4}}),
         feedback(false),
         1,
         {3, 5, 2, 4, 1}},
        {"judged at once: placed pictures are not offered again",
         fiveWith({{1, 2}, {2, 4}}),
         feedback(true),
         1,
         {3, 5, 1, 3}},
        {"a step placed in advance is passed over", fiveWith({{3, 3}}), feedback(false, {3}), 5, {1, 2, 4, 5, 1}},
        {"also judged at once", fiveWith({{3, 3}}), feedback(true, {3}), 5, {1, 2, 4, 5, 1}},
        {"a slot that is no candidate gives the first one", fiveWith({{1, 2}}), feedback(true), 2, {1, 3}},
        {"the only candidate stays", fiveWith({{1, 1}, {2, 2}, {3, 3}, {5, 5}}), feedback(true), 4, {4, 4}},
        {"every box filled, judged at once: nothing to highlight",
         fiveWith({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}),
         feedback(true),
         5,
         {0, 0}},
        {"every step placed in advance: nothing to highlight",
         fiveWith({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}),
         feedback(false, {1, 2, 3, 4, 5}),
         5,
         {0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(visits(c.state, c.options, c.start, static_cast<int>(c.visits.size())), c.visits) << c.what;
    }
}

TEST(ScanOrder, AFirstCandidatePlacedInAdvanceIsPassedOverToo) {
    // All three in boxes, judged at the end; box 1 holds step 1, placed in advance from slot 2.
    BoardState s;
    s.StepCount = 3;
    s.SlotStep = {0, 3, 1, 2};
    s.BoxStep = {0, 1, 3, 2};
    s.BoxSlot = {0, 2, 1, 3};
    EXPECT_EQ(nextScanSlot(s, feedback(false, {1}), 0), 1);
}

TEST(ScanOrder, MarqueeAndPointer) {
    const QRect picture(28, 146, 171, 149);
    const QRect marquee = highlightSlot(picture);
    EXPECT_EQ(marquee, QRect(22, 140, 183, 161));
    const QSize window(1024, 768);
    struct Case {
        BoardLayout layout;
        QRect marquee;
        QRect pointer;
    };
    const QSize down(30, 40);
    const QSize side(40, 30);
    const Case cases[] = {
        // Below the marquee in the upper half (centred: 22 + 91.5 - 15, half to even), above it
        // from the middle down.
        {BoardLayout::LeftToRight, marquee, {98, 302, 30, 40}},
        {BoardLayout::RightToLeft, {22, 583, 183, 161}, {98, 542, 30, 40}},
        {BoardLayout::LeftToRight, {22, 384, 183, 161}, {98, 343, 30, 40}},
        // Right of it in the left half (the middle included), left of it beyond.
        {BoardLayout::TopToBottom, {336, 56, 115, 110}, {452, 96, 40, 30}},
        {BoardLayout::TopToBottom, {512, 56, 115, 110}, {628, 96, 40, 30}},
        {BoardLayout::TopToBottom, {600, 56, 115, 110}, {559, 96, 40, 30}},
    };
    for (const Case& c : cases) {
        const QSize size = isVertical(c.layout) ? side : down;
        EXPECT_EQ(placeScanPointer(c.marquee, size, window, c.layout), c.pointer) << c.marquee.top();
    }
}

TEST(ScanOrder, TheTargetIsTheFirstEmptyBoxAlsoRightToLeft) {
    BoardState s = fiveWith({{1, 1}, {5, 5}});
    TargetMark mark = markTargetBox(s);
    EXPECT_EQ(mark.TargetBox, 2);
    for (int b = 1; b <= 5; ++b) EXPECT_EQ(mark.frame[b], b == 2 ? BoxFrame::Green : BoxFrame::Red) << b;

    // Right to left with step 1 in the right-most box: the green frame is on the left-most box,
    // the one that shows N.
    BoardInput in;
    in.screen = QSize(1024, 768);
    in.stepCount = 5;
    in.options.layout = BoardLayout::RightToLeft;
    const BoardGeometry board = layOutBoard(in);
    s = fiveWith({{5, 5}});
    mark = markTargetBox(s);
    EXPECT_EQ(mark.TargetBox, 1);
    EXPECT_EQ(board.slots[mark.TargetBox].faceNumber, 5);

    mark = markTargetBox(fiveWith({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}));
    EXPECT_EQ(mark.TargetBox, 0);
    for (int b = 1; b <= 5; ++b) EXPECT_EQ(mark.frame[b], BoxFrame::Red);
}

TEST(ScanOrder, TargetArrow) {
    const QSize window(1024, 768);
    const QRect box(227, 589, 171, 149);
    const QSize downArrow(40, 50);
    // Above the box, centred (227 + 85.5 - 20, half to even), while the scan pointer is in the
    // upper half; the pointer's first place (3, 117) counts as upper.
    EXPECT_EQ(placeTargetArrow(2, box, downArrow, {98, 302}, window, BoardLayout::LeftToRight),
              QRect(292, 538, 40, 50));
    EXPECT_EQ(placeTargetArrow(2, box, downArrow, kScanPointerDesignPosition, window, BoardLayout::RightToLeft),
              QRect(292, 538, 40, 50));
    EXPECT_TRUE(placeTargetArrow(2, box, downArrow, {98, 384}, window, BoardLayout::LeftToRight).has_value());
    EXPECT_FALSE(placeTargetArrow(2, box, downArrow, {98, 385}, window, BoardLayout::LeftToRight).has_value());
    EXPECT_FALSE(placeTargetArrow(0, box, downArrow, {98, 302}, window, BoardLayout::LeftToRight).has_value());

    // Vertical: left of the box, centred on it, while the pointer is in the left half.
    const QRect column(578, 206, 103, 98);
    const QSize rightArrow(50, 40);
    EXPECT_EQ(placeTargetArrow(2, column, rightArrow, {452, 96}, window, BoardLayout::TopToBottom),
              QRect(527, 235, 50, 40));
    EXPECT_FALSE(placeTargetArrow(2, column, rightArrow, {700, 96}, window, BoardLayout::TopToBottom).has_value());
}

TEST(ScanOrder, TimedScanMovesStrictlyAfterTheInterval) {
    struct Case {
        double elapsed;
        std::int16_t interval;
        bool due;
    };
    const Case cases[] = {{1.5, 2, false}, {2.0, 2, false}, {2.001, 2, true}, {7.0, 2, true},
                          {3.0, 3, false}, {0.0, 0, false}, {0.01, 0, true}};
    for (const Case& c : cases) EXPECT_EQ(timedScanDue(c.elapsed, c.interval), c.due) << c.elapsed;
}

}  // namespace
