// The menu after a solved task, for the three ways the student answers it: the scan switch,
// timed scanning, and a click.

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "ActivityWorld.h"

namespace {

struct ActivityMenu : ::testing::Test {
    ActivityWorld world;
    TestAnimation* w = nullptr;
    int waits = 0;

    void SetUp() override {
        w = world.board();
        w->show();
        QCoreApplication::processEvents();
    }

    // Runs the menu; `onWait` acts at every waiting pass outside a sentence (counted in `waits`).
    int ask(std::function<void()> onWait) {
        world.p.pump.script = [&](bool isWait) {
            if (!isWait || WaitingForSound == 1) return;
            ++waits;
            onWait();
        };
        const int result = w->askWhatNext();
        world.p.pump.script = nullptr;
        return result;
    }
};

TEST_F(ActivityMenu, TheChoicesStandAtAQuarterAHalfAndThreeQuartersOfTheScreen) {
    // 1024 x 768 pixels at 15 twips a pixel; the pictures are 9090 x 2430 twips.
    SelectRequested = 1;
    StudentOptions.AccessMethod = 1;
    QRect frame;
    QPoint highlight;
    const int result = ask([&] {
        frame = w->FrameContinue->geometry();
        highlight = w->ShapeContinueScan->pos();
    });
    EXPECT_EQ(w->FrameContinue->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(w->ImageContinueNext->geometry(), QRect(209, 111, 606, 162));
    EXPECT_EQ(w->ImageContinueReplay->geometry(), QRect(209, 303, 606, 162));
    EXPECT_EQ(w->ImageContinueTask->geometry(), QRect(209, 495, 606, 162));
    EXPECT_EQ(w->ShapeContinueScan->size(), QSize(667, 213));
    // The highlight opens 345 twips above the first choice (not the 435 it returns to).
    EXPECT_EQ(w->ShapeContinueScan->pos(), QPoint(176, 88));
    // A select press still pending when the menu opened takes the highlighted choice.
    EXPECT_EQ(result, 3);
    EXPECT_TRUE(w->FrameContinue->isHidden());
}

TEST_F(ActivityMenu, TheScanSwitchMovesTheHighlightDownAndRoundAndAClickTakesTheHighlightedChoice) {
    StudentOptions.AccessMethod = 1;
    StudentOptions.Narration = 1;
    std::vector<QPoint> highlights;
    bool exitHidden = true;
    const int result = ask([&] {
        exitHidden = exitHidden && w->PicExit->isHidden();
        if (highlights.empty() || highlights.back() != w->ShapeContinueScan->pos()) {
            highlights.push_back(w->ShapeContinueScan->pos());
        }
        if (waits <= 6 && waits % 2 == 0) QTest::keyClick(w, Qt::Key_Space);
        if (waits == 8) QTest::mouseClick(w->ImageContinueTask, Qt::LeftButton);
    });
    EXPECT_EQ(highlights, std::vector<QPoint>({{176, 88}, {176, 274}, {176, 466}, {176, 82}}));
    EXPECT_EQ(result, 3);  // the highlighted "next task", not the clicked task list
    EXPECT_TRUE(exitHidden);
    EXPECT_EQ(world.said(),
              QStringList({QStringLiteral("aobj_next_activity.wav"), QStringLiteral("aobj_same_activity.wav"),
                           QStringLiteral("aobj_activity_selection.wav"), QStringLiteral("aobj_next_activity.wav")}));
}

TEST_F(ActivityMenu, TimedScanningMovesTheHighlightAfterTheIntervalAndSpaceDoesNotChoose) {
    StudentOptions.AccessMethod = 3;
    StudentOptions.ScanInterval = 2;
    StudentOptions.Narration = 2;
    const double start = world.p.clock.monotonicSeconds();
    std::vector<double> moves;
    QPoint last;
    const int result = ask([&] {
        const double now = world.p.clock.monotonicSeconds() - start;
        if (waits == 1) last = w->ShapeContinueScan->pos();
        if (w->ShapeContinueScan->pos() != last) {
            moves.push_back(now);
            last = w->ShapeContinueScan->pos();
        }
        if (waits == 100) QTest::keyClick(w, Qt::Key_Space);
        if (now > 5.0 && SelectRequested == 0) QTest::keyClick(w, Qt::Key_Return);
    });
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_GT(moves[0], 2.0);
    EXPECT_LT(moves[0], 2.02);
    EXPECT_GT(moves[1] - moves[0], 2.0);
    EXPECT_LT(moves[1] - moves[0], 2.02);
    EXPECT_EQ(result, 1);  // the third choice was highlighted when Enter came
}

TEST_F(ActivityMenu, ClickingChoosesTheClickedPictureAndTheSwitchesDoNothing) {
    StudentOptions.AccessMethod = 2;
    const int result = ask([&] {
        EXPECT_TRUE(w->ShapeContinueScan->isHidden());
        if (waits == 2) QTest::keyClick(w, Qt::Key_Return);
        if (waits == 3) QTest::keyClick(w, Qt::Key_Space);
        if (waits == 4) QTest::mouseClick(w->FrameContinue, Qt::LeftButton, {}, QPoint(5, 5));
        if (waits == 8) QTest::mouseClick(w->ImageContinueReplay, Qt::LeftButton);
    });
    EXPECT_EQ(waits, 8);  // nothing before the click ended the menu
    EXPECT_EQ(result, 2);
}

}  // namespace
