#include <gtest/gtest.h>

#include <vector>

#include "GeometryPrinting.h"
#include "activity/LessonGeometry.h"

using namespace activity;

namespace {

// 1024 x 768 pixels at 15 twips to the pixel.
const QSize kScreenTwips(15360, 11520);
const QSize kDownHand(600, 750);
const QSize kRightHand(750, 600);

LessonInput lesson(int n, BoardLayout layout, QSize screen = kScreenTwips, bool titles = true) {
    LessonInput in;
    in.screen = screen;
    in.stepCount = n;
    in.layout = layout;
    in.pictureTitles = titles;
    in.hand = isVertical(layout) ? kRightHand : kDownHand;
    return in;
}

std::vector<int> lefts(const LessonGeometry& g, int n) {
    std::vector<int> v;
    for (int p = 1; p <= n; ++p) v.push_back(g.places[p].image.left());
    return v;
}

std::vector<int> steps(const LessonGeometry& g, int n) {
    std::vector<int> v;
    for (int p = 1; p <= n; ++p) v.push_back(g.places[p].step);
    return v;
}

TEST(LessonGeometry, HorizontalRowsInTwips) {
    struct Case {
        int n;
        QSize screen;
        QSize image;
        int top;
        std::vector<int> lefts;
    };
    const Case cases[] = {
        // w = 15360 / 6 = 2560, gap 2560 / 6 = 426.7 rounded 427; the top at half the screen.
        {5, kScreenTwips, {2558, 1918}, 5760, {427, 3414, 6401, 9388, 12375}},
        // w = 15360 / 2.4 = 6400, gap 853.3: the picture still ends above the bottom.
        {2, kScreenTwips, {6398, 4798}, 5760, {853, 8106}},
        // 1280 x 720: half the screen height plus 5998 would reach below it, so the picture
        // moves up to 10800 - 5998 - 2.
        {2, QSize(19200, 10800), {7998, 5998}, 4800, {1067, 10134}},
    };
    for (const Case& c : cases) {
        const LessonGeometry g = layOutLesson(lesson(c.n, BoardLayout::LeftToRight, c.screen));
        EXPECT_EQ(lefts(g, c.n), c.lefts) << c.n;
        for (int p = 1; p <= c.n; ++p) {
            EXPECT_EQ(g.places[p].image.size(), c.image) << c.n;
            EXPECT_EQ(g.places[p].image.top(), c.top) << c.n;
            // The title directly above the picture, as wide as it.
            EXPECT_EQ(g.places[p].title, QRect(c.lefts[p - 1], c.top - 1 - 315, c.image.width(), 315));
        }
    }
}

TEST(LessonGeometry, AScreenWiderThanSixteenBitsOfTwipsKeepsItsRow) {
    // 2560 x 1440 is 38400 x 21600 twips: w = 38400 / 6 = 6400, gap 6400 / 6 = 1066.7 -> 1067.
    const LessonGeometry g = layOutLesson(lesson(5, BoardLayout::LeftToRight, QSize(38400, 21600)));
    EXPECT_EQ(lefts(g, 5), (std::vector<int>{1067, 8534, 16001, 23468, 30935}));
    EXPECT_EQ(g.places[5].image, QRect(30935, 10800, 6398, 4798));
    EXPECT_EQ(g.heading.width(), 38400);
}

TEST(LessonGeometry, RightToLeftPlaceOneShowsTheLastStep) {
    const LessonGeometry ltr = layOutLesson(lesson(5, BoardLayout::LeftToRight));
    const LessonGeometry rtl = layOutLesson(lesson(5, BoardLayout::RightToLeft));
    EXPECT_EQ(steps(ltr, 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(steps(rtl, 5), (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_EQ(lefts(rtl, 5), lefts(ltr, 5));
    EXPECT_EQ(ltr.visitOrder, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(rtl.visitOrder, (std::vector<int>{5, 4, 3, 2, 1}));
}

TEST(LessonGeometry, VerticalColumnInTwips) {
    // Available 11520 - 450 - 450 - 15 = 10605; h = 10605 / 6 = 1767.5, to even 1768; gap
    // (10605 - 8840) / 6 = 294.2 rounded 294; width 1.333 x 1768 - 2 = 2354.7 rounded 2355,
    // centred at (15360 - 2355) / 2 = 6502.5, to even 6502.
    const LessonGeometry g = layOutLesson(lesson(5, BoardLayout::TopToBottom));
    const std::vector<int> tops{1194, 3256, 5318, 7380, 9442};
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(g.places[p].image, QRect(6502, tops[p - 1], 2355, 1766)) << p;
        EXPECT_EQ(g.places[p].step, p);
    }
    EXPECT_EQ(g.visitOrder, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(g.heading, QRect(0, 0, 15360, 450));
    EXPECT_EQ(g.taskTitle, QRect(0, 451, 15360, 450));
}

TEST(LessonGeometry, TheHandStartsOutOfSightBeforeTheFirstPictureInReadingOrder) {
    const LessonGeometry ltr = layOutLesson(lesson(5, BoardLayout::LeftToRight));
    EXPECT_EQ(ltr.handFile, QStringLiteral("aobj_arrow_pointing_down.jpg"));
    EXPECT_EQ(ltr.handStart, QPoint(-600, 5444 - 750 - 1));
    const LessonGeometry rtl = layOutLesson(lesson(5, BoardLayout::RightToLeft));
    EXPECT_EQ(rtl.handStart, QPoint(15360, 4693));
    const LessonGeometry down = layOutLesson(lesson(5, BoardLayout::TopToBottom));
    EXPECT_EQ(down.handFile, QStringLiteral("aobj_arrow_pointing_right.jpg"));
    EXPECT_EQ(down.handStart, QPoint(6502 - 750 - 1, -601));
}

// Where the hand stops at each place it visits, and after leaving the screen.
std::vector<QPoint> handStops(const LessonGeometry& g, BoardLayout layout, QSize hand, QSize screen) {
    std::vector<QPoint> stops;
    QPoint at = g.handStart;
    auto walk = [&](const GlidePath& path) {
        const std::vector<QPoint> positions = glidePositions(path, at);
        if (!positions.empty()) at = positions.back();
        stops.push_back(at);
    };
    for (const int place : g.visitOrder) walk(lessonHandToPlace(layout, hand, g.places[place]));
    walk(handOffScreen(layout, hand, screen));
    return stops;
}

TEST(LessonGeometry, TheHandsPathInReadingOrder) {
    // Along the row to the middle of each title (427 + 1279 - 300 = 1406, ...), whether the
    // titles are shown or not.
    for (const bool titles : {true, false}) {
        const LessonGeometry g = layOutLesson(lesson(5, BoardLayout::LeftToRight, kScreenTwips, titles));
        EXPECT_EQ(g.titlesVisible, titles);
        EXPECT_EQ(handStops(g, BoardLayout::LeftToRight, kDownHand, kScreenTwips),
                  (std::vector<QPoint>{
                      {1406, 4693}, {4393, 4693}, {7380, 4693}, {10367, 4693}, {13354, 4693}, {15360, 4693}}));
    }
    // Right to left from beyond the right edge: step 1 (the right-most picture) first.
    const LessonGeometry rtl = layOutLesson(lesson(5, BoardLayout::RightToLeft));
    EXPECT_EQ(
        handStops(rtl, BoardLayout::RightToLeft, kDownHand, kScreenTwips),
        (std::vector<QPoint>{{13354, 4693}, {10367, 4693}, {7380, 4693}, {4393, 4693}, {1406, 4693}, {-600, 4693}}));
    // Down the column to each picture's middle (1194 + 883 - 300 = 1777, ...).
    const LessonGeometry down = layOutLesson(lesson(5, BoardLayout::TopToBottom));
    EXPECT_EQ(
        handStops(down, BoardLayout::TopToBottom, kRightHand, kScreenTwips),
        (std::vector<QPoint>{{5751, 1777}, {5751, 3839}, {5751, 5901}, {5751, 7963}, {5751, 10025}, {5751, 11520}}));
}

TEST(LessonGeometry, TwipsToPixels) {
    EXPECT_EQ(twipsToPixels(427, 15), 28);
    EXPECT_EQ(twipsToPixels(2558, 15), 171);
    EXPECT_EQ(twipsToPixels(112.5, 15), 8);  // 7.5 to even
    EXPECT_EQ(twipsToPixels(97.5, 15), 6);   // 6.5 to even
    EXPECT_EQ(twipsToPixels(QRect(427, 5760, 2558, 1918), 15), QRect(28, 384, 171, 128));
}

using Kind = LessonItem::Kind;

LessonItem play(const char* file) { return {Kind::Play, QString::fromUtf8(file), 0}; }
LessonItem moveTo(int place) { return {Kind::MoveHand, {}, place}; }

TEST(LessonScript, SentencesInOrder) {
    LessonScriptInput in;
    in.stepCount = 3;
    in.introFile = QStringLiteral("intro_1.wav");
    in.narrationFile = {QString(), QStringLiteral("n1.wav"), QStringLiteral("None"), QStringLiteral("n3.wav")};
    in.fileExists = [](const QString& name) { return name != QStringLiteral("n3.wav"); };
    const std::vector<LessonItem> expected{play("aobj_silence_half_sec.wav"),
                                           {Kind::StopWave, {}, 0},
                                           play("aobj_lets_learn.wav"),
                                           play("intro_1.wav"),
                                           moveTo(1),
                                           play("aobj_first_is.wav"),
                                           play("n1.wav"),
                                           play("aobj_silence_half_sec.wav"),
                                           moveTo(2),
                                           play("aobj_next_is.wav"),  // no narration
                                           play("aobj_silence_half_sec.wav"),
                                           moveTo(3),
                                           play("aobj_next_is.wav"),  // the narration is missing
                                           play("aobj_silence_half_sec.wav"),
                                           {Kind::MoveHandOffScreen, {}, 0},
                                           play("aobj_your_turn.wav"),
                                           play("aobj_silence_half_sec.wav")};
    EXPECT_EQ(lessonScript(in), expected);
}

TEST(LessonScript, WithoutAnIntroductionItStartsWithFirstIs) {
    for (const char* intro : {"None", "", "missing.wav"}) {
        LessonScriptInput in;
        in.stepCount = 2;
        in.introFile = QString::fromUtf8(intro);
        // A file named None in the folder does not make "None" an introduction.
        in.fileExists = [](const QString& name) { return name != QStringLiteral("missing.wav"); };
        const std::vector<LessonItem> items = lessonScript(in);
        ASSERT_GE(items.size(), 3u);
        EXPECT_EQ(items[0], play("aobj_silence_half_sec.wav")) << intro;
        EXPECT_EQ(items[1], moveTo(1)) << intro;
        EXPECT_EQ(items[2], play("aobj_first_is.wav")) << intro;
    }
}

TEST(LessonScript, RightToLeftVisitsStepOneAtTheRightMostPlaceFirst) {
    LessonScriptInput in;
    in.stepCount = 3;
    in.layout = BoardLayout::RightToLeft;
    in.narrationFile = {QString(), QStringLiteral("n1.wav"), QStringLiteral("n2.wav"), QStringLiteral("n3.wav")};
    in.fileExists = [](const QString&) { return true; };
    std::vector<int> places;
    std::vector<QString> narrations;
    for (const LessonItem& item : lessonScript(in)) {
        if (item.kind == Kind::MoveHand) places.push_back(item.place);
        if (item.kind == Kind::Play && item.file.startsWith(u'n')) narrations.push_back(item.file);
    }
    EXPECT_EQ(places, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(narrations,
              (std::vector<QString>{QStringLiteral("n1.wav"), QStringLiteral("n2.wav"), QStringLiteral("n3.wav")}));
}

}  // namespace
