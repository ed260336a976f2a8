#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "GeometryPrinting.h"
#include "activity/BoardGeometry.h"
#include "app/Globvars.h"

using namespace activity;

// The activity window copies its shared tables in and out of the board state as they are.
static_assert(std::is_same_v<std::remove_cvref_t<decltype(SlotStep)>, SlotTable>);

namespace {

// A task of n steps on a 1024 x 768 screen, the image controls at 100 x 75, slots in order.
BoardInput board(int n, BoardLayout layout, bool titles = true, int accessMethod = 1) {
    BoardInput in;
    in.screen = QSize(1024, 768);
    in.stepCount = n;
    in.options.layout = layout;
    in.options.pictureTitles = titles;
    in.options.accessMethod = static_cast<std::int16_t>(accessMethod);
    for (int k = 1; k <= n; ++k) {
        in.imageSize[k] = QSize(100, 75);
        in.slotStep[k] = static_cast<std::int16_t>(k);
        in.boardPictureFile[k] = QStringLiteral("/data/step%1.jpg").arg(k);
        in.stepDescription[k] = QStringLiteral("Step %1").arg(k);
    }
    in.taskTitle = QStringLiteral("Making tea");
    in.student = QStringLiteral("Ann");
    return in;
}

std::vector<int> lefts(const BoardGeometry& g, int n) {
    std::vector<int> v;
    for (int k = 1; k <= n; ++k) v.push_back(g.slots[k].picture.left());
    return v;
}

std::vector<int> tops(const BoardGeometry& g, int n) {
    std::vector<int> v;
    for (int k = 1; k <= n; ++k) v.push_back(g.slots[k].picture.top());
    return v;
}

TEST(BoardGeometry, HorizontalWidthsGapsAndLeftsOn1024Pixels) {
    struct Case {
        int n;
        BoardLayout layout;
        int width, gap;
        std::vector<int> lefts;
    };
    const Case cases[] = {
        {2, BoardLayout::LeftToRight, 301, 141, {141, 583}},
        {3, BoardLayout::LeftToRight, 284, 43, {43, 370, 697}},
        {5, BoardLayout::LeftToRight, 171, 28, {28, 227, 426, 625, 824}},
        // Slots run left to right in both horizontal layouts.
        {5, BoardLayout::RightToLeft, 171, 28, {28, 227, 426, 625, 824}},
        {10, BoardLayout::LeftToRight, 85, 16, {16, 117, 218, 319, 420, 521, 622, 723, 824, 925}},
    };
    for (const Case& c : cases) {
        const BoardGeometry g = layOutBoard(board(c.n, c.layout));
        EXPECT_EQ(g.PictureWidth, c.width) << c.n;
        EXPECT_EQ(g.gap, c.gap) << c.n;
        EXPECT_EQ(lefts(g, c.n), c.lefts) << c.n;
        for (int k = 1; k <= c.n; ++k) {
            EXPECT_EQ(g.slots[k].picture.width(), c.width);
            EXPECT_EQ(g.slots[k].box.left(), c.lefts[k - 1]) << "box under its picture";
            EXPECT_EQ(g.home.HomeLeft[k], c.lefts[k - 1]);
        }
        EXPECT_EQ(g.window, QRect(0, 0, 1024, 768));
    }
}

TEST(BoardGeometry, HorizontalHeightsWithAndWithoutTitles) {
    struct Case {
        int n;
        bool titles;
        QRect picture, image, box;
    };
    // Image height 0.75 x width - 2, the title on top; the row sits above the middle (never
    // under the task title), the boxes below it, put 14 pixels above the status line when they
    // come near it.
    const Case cases[] = {
        {5, true, {28, 146, 171, 149}, {1, 22, 169, 126}, {28, 589, 171, 149}},
        {5, false, {28, 177, 171, 128}, {1, 1, 169, 126}, {28, 463, 171, 128}},
        {2, true, {141, 40, 301, 247}, {1, 22, 299, 224}, {141, 491, 301, 247}},
        {2, false, {141, 40, 301, 226}, {1, 1, 299, 224}, {141, 512, 301, 226}},
    };
    for (const Case& c : cases) {
        const BoardGeometry g = layOutBoard(board(c.n, BoardLayout::LeftToRight, c.titles));
        const SlotRects& s = g.slots[1];
        EXPECT_EQ(s.picture, c.picture) << c.n << " titles " << c.titles;
        EXPECT_EQ(s.image, c.image) << c.n << " titles " << c.titles;
        EXPECT_EQ(s.box, c.box) << c.n << " titles " << c.titles;
        EXPECT_EQ(s.face, QRect(7, 7, c.box.width() - 14, c.box.height() - 14));
        EXPECT_EQ(s.title, QRect(1, 1, c.picture.width() - 2, 21));
        EXPECT_EQ(g.titlesVisible, c.titles);
        EXPECT_EQ(g.home.HomeRowTop, c.picture.top());
    }
}

TEST(BoardGeometry, PictureFrameFollowsTheImageControlsWidth) {
    // The frame keeps the proportion of the image control as the last layout left it
    // (169 x 127 after a board of five: 171 / 169 x 127 - 2 = 126.5 rounds up); a control
    // without a width is taken as 4:3.
    struct Case {
        QSize control;
        int imageHeight;
    };
    const Case cases[] = {{{100, 75}, 126}, {{169, 127}, 127}, {{0, 0}, 126}};
    for (const Case& c : cases) {
        BoardInput in = board(5, BoardLayout::LeftToRight);
        for (int k = 1; k <= 5; ++k) in.imageSize[k] = c.control;
        EXPECT_EQ(layOutBoard(in).slots[3].image.height(), c.imageHeight) << c.control.width();
    }
}

TEST(BoardGeometry, ArrowsFillTheGapsAndKeepTheirShape) {
    const BoardGeometry five = layOutBoard(board(5, BoardLayout::LeftToRight));
    EXPECT_EQ(five.separatorFile, QStringLiteral("aobj_separator_right.jpg"));
    EXPECT_TRUE(five.slots[1].separator.isNull());
    // 28 - 1 wide, 27 x 31 / 23 high, right of the box before it, centred on the box row.
    EXPECT_EQ(five.slots[2].separator, QRect(200, 646, 27, 36));
    EXPECT_EQ(five.slots[5].separator, QRect(797, 646, 27, 36));

    const BoardGeometry two = layOutBoard(board(2, BoardLayout::LeftToRight));
    EXPECT_EQ(two.slots[2].separator, QRect(443, 520, 140, 189));

    EXPECT_EQ(layOutBoard(board(5, BoardLayout::RightToLeft)).separatorFile, QStringLiteral("aobj_separator_left.jpg"));
}

TEST(BoardGeometry, BoxFacesRightToLeftStartAtTheRightMostBox) {
    struct Case {
        BoardLayout layout;
        bool numbered;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {BoardLayout::LeftToRight, true, {1, 2, 3, 4, 5}},
        {BoardLayout::RightToLeft, true, {5, 4, 3, 2, 1}},
        {BoardLayout::TopToBottom, true, {1, 2, 3, 4, 5}},
        {BoardLayout::RightToLeft, false, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        BoardInput in = board(5, c.layout);
        in.options.numberedBoxes = c.numbered;
        const BoardGeometry g = layOutBoard(in);
        for (int b = 1; b <= 5; ++b) {
            const int number = c.numbers[b - 1];
            EXPECT_EQ(g.slots[b].faceNumber, number) << int(c.layout) << " box " << b;
            EXPECT_EQ(g.slots[b].faceFile,
                      number ? QStringLiteral("aobj_seq%1.jpg").arg(number) : QStringLiteral("aobj_seq_black.jpg"));
        }
    }
}

TEST(BoardGeometry, VerticalFiveStepsOnA768PixelScreen) {
    // Task title 30, status line 16, titles 21, method 1: T = 56, B = 42, picture height
    // (768 - 383) / 5 = 77, gap 67.4 rounded 67.
    const BoardGeometry g = layOutBoard(board(5, BoardLayout::TopToBottom));
    EXPECT_EQ(g.PictureHeight, 77);
    EXPECT_EQ(g.gap, 67);
    EXPECT_EQ(tops(g, 5), (std::vector<int>{62, 206, 350, 494, 638}));
    // The image control 100 x 75: width 77 / 75 x 100 - 2 = 100.67, so 101; the column left of
    // the middle at 512 - 51.5 - 103 - 15 (half to even: 342), the boxes right of it.
    const SlotRects& s = g.slots[1];
    EXPECT_EQ(s.picture, QRect(342, 62, 103, 98));
    EXPECT_EQ(s.image, QRect(1, 22, 101, 75));
    EXPECT_EQ(s.box, QRect(578, 62, 103, 98));
    EXPECT_EQ(g.slots[4].box, QRect(578, 494, 103, 98));
    EXPECT_EQ(g.home.HomeColumnLeft, 342);
    EXPECT_EQ(g.home.HomeTop[3], 350);
    EXPECT_EQ(g.home.home(3), QPoint(342, 350));
    // Arrows: as high as the room between two pictures less one, 45 x 23 / 31 wide, centred
    // on the box column just below the box before.
    EXPECT_EQ(g.separatorFile, QStringLiteral("aobj_separator_down.jpg"));
    EXPECT_EQ(g.slots[2].separator, QRect(613, 161, 33, 45));
}

TEST(BoardGeometry, VerticalRoomForTitlesAndHighlight) {
    struct Case {
        int n;
        bool titles;
        int method;
        int height, gap;
        std::vector<int> tops;
    };
    const Case cases[] = {
        {5, true, 1, 77, 67, {62, 206, 350, 494, 638}},
        {5, false, 1, 98, 46, {62, 206, 350, 494, 638}},
        // The pointer methods leave no room for the marquee.
        {5, true, 4, 89, 55, {56, 200, 344, 488, 632}},
        // Two pictures: 0.7 of (768 - 236) / 2.
        {2, true, 2, 186, 175, {77, 438}},
    };
    for (const Case& c : cases) {
        const BoardGeometry g = layOutBoard(board(c.n, BoardLayout::TopToBottom, c.titles, c.method));
        EXPECT_EQ(g.PictureHeight, c.height) << c.n << " " << c.titles << " " << c.method;
        EXPECT_EQ(g.gap, c.gap) << c.n << " " << c.titles << " " << c.method;
        EXPECT_EQ(tops(g, c.n), c.tops) << c.n << " " << c.titles << " " << c.method;
        EXPECT_EQ(g.slots[1].picture.height(), c.height + (c.titles ? 21 : 0));
    }
}

TEST(BoardGeometry, VerticalColumnsStayOnANarrowScreen) {
    BoardInput in = board(5, BoardLayout::TopToBottom);
    in.screen = QSize(300, 768);
    const BoardGeometry g = layOutBoard(in);
    EXPECT_EQ(g.slots[1].picture.left(), 10);  // 150 - 51.5 - 103 - 15 is below 10
    EXPECT_EQ(g.slots[1].box.left(), 187);     // 216 + 103 passes the edge: 300 - 103 - 10
}

TEST(BoardGeometry, TitlesShowTheShuffledStepsWithTheirAmpersands) {
    for (const BoardLayout layout : {BoardLayout::LeftToRight, BoardLayout::TopToBottom}) {
        BoardInput in = board(3, layout);
        in.slotStep = {0, 3, 1, 2};
        in.stepDescription[3] = QStringLiteral("Salt & pepper");
        in.taskTitle = QStringLiteral("Eggs & toast");
        const BoardGeometry g = layOutBoard(in);
        EXPECT_EQ(g.slots[1].titleCaption, QStringLiteral("Salt && pepper"));
        EXPECT_EQ(g.slots[1].pictureFile, QStringLiteral("/data/step3.jpg"));
        EXPECT_EQ(g.slots[2].titleCaption, QStringLiteral("Step 1"));
        EXPECT_EQ(g.taskTitleCaption, QStringLiteral("Eggs && toast"));
    }
}

TEST(BoardGeometry, TitleStatusLineAndExitButton) {
    const BoardGeometry g = layOutBoard(board(4, BoardLayout::LeftToRight));
    EXPECT_EQ(g.taskTitle, QRect(0, 0, 1024, 30));
    EXPECT_EQ(g.statusLine, QRect(0, 752, 1024, 16));
    EXPECT_EQ(g.exitButton.rect, QRect(722, 0, 302, 30));
    EXPECT_TRUE(g.exitButton.visible);
    EXPECT_EQ(g.statusCaption,
              QStringLiteral("Logged on as: Ann     Controls: 2 switches, <space> scans, <enter> selects"));
}

TEST(BoardGeometry, VideoAndReviewButtons) {
    struct Case {
        bool videoExists, videoButton, reviewButton;
        Placed video, review;
    };
    // Without a clip to show, the video button waits out of sight and the review button takes
    // the corner.
    const Case cases[] = {
        {true, true, true, {{0, 0, 110, 30}, true}, {{111, 0, 110, 30}, true}},
        {false, true, true, {{-111, 0, 110, 30}, false}, {{0, 0, 110, 30}, true}},
        {true, false, true, {{-111, 0, 110, 30}, false}, {{0, 0, 110, 30}, true}},
        {true, true, false, {{0, 0, 110, 30}, true}, {{111, 0, 110, 30}, false}},
        {false, false, false, {{-111, 0, 110, 30}, false}, {{0, 0, 110, 30}, false}},
    };
    for (const Case& c : cases) {
        BoardInput in = board(3, BoardLayout::LeftToRight);
        in.videoFileExists = c.videoExists;
        in.options.videoButton = c.videoButton;
        in.options.reviewButton = c.reviewButton;
        const BoardGeometry g = layOutBoard(in);
        EXPECT_EQ(g.videoButton.rect, c.video.rect) << c.videoExists << c.videoButton << c.reviewButton;
        EXPECT_EQ(g.videoButton.visible, c.video.visible) << c.videoExists << c.videoButton << c.reviewButton;
        EXPECT_EQ(g.reviewButton.rect, c.review.rect) << c.videoExists << c.videoButton << c.reviewButton;
        EXPECT_EQ(g.reviewButton.visible, c.review.visible) << c.videoExists << c.videoButton << c.reviewButton;
    }
}

TEST(BoardGeometry, StatusLineForEachAccessMethod) {
    const QString ann = QStringLiteral("Logged on as: Ann    ");
    struct Case {
        int method;
        std::int16_t interval;
        const char* controls;
    };
    const Case cases[] = {
        {1, 0, " Controls: 2 switches, <space> scans, <enter> selects"},
        {2, 0, " Controls: Touch window or mouse click selects"},
        {3, 2, " Controls: Timed Scanning <enter>, <space>, mouse click selects - set to  2 seconds"},
        {3, 3, " Controls: Timed Scanning <enter>, <space>, mouse click selects - set to  3 seconds"},
        {3, 12, " Controls: Timed Scanning <enter>, <space>, mouse click selects - set to  12 seconds"},
        {3, -1, " Controls: Timed Scanning <enter>, <space>, mouse click selects - set to -1 seconds"},
        {4, 0, " Controls: Drag and Drop with a mouse"},
        {5, 0, " Controls: Mouse click to pick up picture, second mouse click to place picture"},
        // A method the program does not know is worked as the first one.
        {9, 0, " Controls: 2 switches, <space> scans, <enter> selects"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(statusLineText(QStringLiteral("Ann"), c.method, c.interval), ann + QString::fromUtf8(c.controls))
            << c.method;
    }
}

TEST(BoardGeometry, BoardPicturesAreTheStepsPicturesThatExist) {
    std::array<QString, kMaxSlots + 1> pictures{};
    for (int s = 1; s <= 4; ++s) pictures[s] = QStringLiteral("/data/p%1.jpg").arg(s);
    pictures[5] = QStringLiteral("/data/p5.jpg");  // beyond the task's steps
    const auto files = boardPictureFiles(pictures, 4, [](const QString& f) { return !f.endsWith(u"p3.jpg"); });
    EXPECT_EQ(files[1], QStringLiteral("/data/p1.jpg"));
    EXPECT_EQ(files[3], QStringLiteral("0"));
    EXPECT_EQ(files[4], QStringLiteral("/data/p4.jpg"));
    EXPECT_EQ(files[5], QStringLiteral("0"));
    EXPECT_EQ(files[0], QStringLiteral("0"));
}

TEST(BoardGeometry, PicturesOfTheLayouts) {
    EXPECT_EQ(boardPictures(BoardLayout::TopToBottom).targetArrow, QStringLiteral("aobj_green_arrow_right.gif"));
    EXPECT_EQ(boardPictures(BoardLayout::RightToLeft).targetArrow, QStringLiteral("aobj_green_arrow_down.gif"));
    EXPECT_EQ(boardPictures(BoardLayout::TopToBottom).checkHand, QStringLiteral("aobj_arrow_pointing_right.jpg"));
    EXPECT_EQ(boardPictures(BoardLayout::LeftToRight).checkHand, QStringLiteral("aobj_arrow_pointing_down.jpg"));
}

}  // namespace
