#include <gtest/gtest.h>

#include "GeometryPrinting.h"
#include "activity/Placement.h"

using namespace activity;

namespace {

const QSize kScreen(1024, 768);
const QSize kPicture(171, 149);

// The boxes of a five-step board on 1024 x 768: 171 x 149 at 28 + 199 (b - 1), 589.
std::array<QRect, kMaxSlots + 1> fiveBoxes() {
    std::array<QRect, kMaxSlots + 1> boxes{};
    for (int b = 1; b <= 5; ++b) boxes[b] = QRect(QPoint(28 + 199 * (b - 1), 589), kPicture);
    return boxes;
}

// Slot k shows step SlotStep[k]; `inBoxes` puts steps into boxes (0 = empty).
BoardState five(SlotTable slotStep, SlotTable inBoxes = {}) {
    BoardState s;
    s.StepCount = 5;
    s.SlotStep = slotStep;
    for (int b = 1; b <= 5; ++b) {
        if (inBoxes[b] == 0) continue;
        s.BoxStep[b] = inBoxes[b];
        for (int k = 1; k <= 5; ++k) {
            if (s.SlotStep[k] == inBoxes[b]) s.BoxSlot[b] = static_cast<std::int16_t>(k);
        }
    }
    return s;
}

TEST(Placement, ACornerInsideTheBoxHitsIt) {
    const QRect box = fiveBoxes()[1];
    struct Case {
        QRect picture;
        bool hit;
    };
    const Case cases[] = {
        {box, true},
        {{0, 0, 28, 589}, true},       // the bottom right corner on the box's corner: edges count
        {{0, 0, 27, 589}, false},      // one pixel short
        {{199, 738, 171, 149}, true},  // the top left corner on the bottom right one
        {{100, 700, 10, 10}, true},    // all inside
        {{20, 580, 400, 400}, false},  // covers the box, but no corner lies inside it
    };
    for (const Case& c : cases) EXPECT_EQ(pictureHitsBox(c.picture, box), c.hit) << c.picture.left();
}

TEST(Placement, DropTargetInBoxOrder) {
    const auto boxes = fiveBoxes();
    struct Case {
        const char* what;
        SlotTable inBoxes;
        QRect picture;
        int box;
    };
    const QRect overTwoAndThree(QPoint(300, 600), kPicture);  // corners in boxes 2 and 3
    const Case cases[] = {
        {"two empty boxes: the lower-numbered one", {}, overTwoAndThree, 2},
        {"box 2 holds another picture: box 3", {0, 0, 4}, overTwoAndThree, 3},
        {"both hold others: none", {0, 0, 4, 5}, overTwoAndThree, 0},
        {"the box already holding this step takes it again", {0, 0, 1}, overTwoAndThree, 2},
        {"in the picture row: none", {}, QRect(QPoint(227, 146), kPicture), 0},
    };
    const BoardState base = five({0, 1, 2, 3, 4, 5});
    for (const Case& c : cases) {
        const BoardState s = five(base.SlotStep, c.inBoxes);
        EXPECT_EQ(dropTarget(s, 1, c.picture, boxes), c.box) << c.what;
    }
}

TEST(Placement, DropsCountJudgeAndKeepThePictureOnTheScreen) {
    const auto boxes = fiveBoxes();
    struct Case {
        const char* what;
        BoardLayout layout;
        bool immediate;
        SlotTable inBoxes;
        int slot;
        QPoint droppedAt;
        int landingBox;
        QPoint position;
        bool reject;
        int incorrect;
        SlotTable boxStep;
    };
    // Slot k shows step k.
    const Case cases[] = {
        {"right box", BoardLayout::LeftToRight, false, {}, 2, {240, 600}, 2, {227, 589}, false, 0, {0, 0, 2}},
        {"wrong box, judged at the end: counted, nothing said",
         BoardLayout::LeftToRight,
         false,
         {},
         3,
         {240, 600},
         2,
         {227, 589},
         false,
         1,
         {0, 0, 3}},
        {"wrong box, judged at once",
         BoardLayout::LeftToRight,
         true,
         {},
         3,
         {240, 600},
         2,
         {227, 589},
         true,
         1,
         {0, 0, 3}},
        {"outside every box, judged at once: sent home, not counted",
         BoardLayout::LeftToRight,
         true,
         {},
         3,
         {500, 300},
         0,
         {500, 300},
         true,
         0,
         {}},
        {"outside, judged at the end: stays, pulled back onto the screen",
         BoardLayout::LeftToRight,
         false,
         {},
         3,
         {-50, 740},
         0,
         {0, 619},
         false,
         0,
         {}},
        {"dragged back to the row: its box empties",
         BoardLayout::LeftToRight,
         false,
         {0, 0, 1},
         1,
         {28, 146},
         0,
         {28, 146},
         false,
         0,
         {}},
        {"from box 2 to box 4",
         BoardLayout::LeftToRight,
         false,
         {0, 0, 4},
         4,
         {640, 600},
         4,
         {625, 589},
         false,
         0,
         {0, 0, 0, 0, 4}},
        {"onto a box holding another picture",
         BoardLayout::LeftToRight,
         false,
         {0, 0, 0, 0, 0, 5},
         1,
         {830, 600},
         0,
         {830, 600},
         false,
         0,
         {0, 0, 0, 0, 0, 5}},
        {"right to left, step 1 in the right-most box is right",
         BoardLayout::RightToLeft,
         false,
         {},
         1,
         {830, 600},
         5,
         {824, 589},
         false,
         0,
         {0, 0, 0, 0, 0, 1}},
        {"right to left, step 1 in the left-most box is wrong",
         BoardLayout::RightToLeft,
         false,
         {},
         1,
         {30, 600},
         1,
         {28, 589},
         false,
         1,
         {0, 1}},
    };
    for (const Case& c : cases) {
        BoardState s = five({0, 1, 2, 3, 4, 5}, c.inBoxes);
        BoardOptions o;
        o.layout = c.layout;
        o.immediateFeedback = c.immediate;
        const DropResult r = dropPicture(s, o, c.slot, QRect(c.droppedAt, kPicture), boxes, kScreen);
        EXPECT_EQ(r.landingBox, c.landingBox) << c.what;
        EXPECT_EQ(r.position, c.position) << c.what;
        EXPECT_EQ(r.playDropSound, c.landingBox != 0) << c.what;
        EXPECT_EQ(r.reject, c.reject) << c.what;
        EXPECT_EQ(s.IncorrectMoves, c.incorrect) << c.what;
        EXPECT_EQ(s.PictureMoves, 1) << c.what;
        EXPECT_EQ(s.CorrectMoves, 0) << c.what;
        EXPECT_EQ(s.BoxStep, c.boxStep) << c.what;
        if (c.landingBox) {
            EXPECT_EQ(s.BoxSlot[c.landingBox], c.slot) << c.what;
        }
    }
}

TEST(Placement, KeepOnScreen) {
    struct Case {
        QPoint at;
        QPoint kept;
    };
    const Case cases[] = {{{100, 100}, {100, 100}},
                          {{-50, 700}, {0, 619}},
                          {{900, -20}, {853, 0}},
                          {{853, 619}, {853, 619}},
                          {{854, 620}, {853, 619}}};
    for (const Case& c : cases) EXPECT_EQ(keepOnScreen(QRect(c.at, kPicture), kScreen), c.kept) << c.at.x();
}

TEST(Placement, TheHeldPictureKeepsItsGrip) {
    const QPoint offset = grabOffset({300, 200}, {227, 146});
    EXPECT_EQ(offset, QPoint(73, 54));
    EXPECT_EQ(followCursor({500, 650}, offset), QPoint(427, 596));
    EXPECT_EQ(followCursor({10, 10}, offset), QPoint(-63, -44));
}

}  // namespace
