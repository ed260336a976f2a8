// The board of a five-step task of the default content, rendered by the real window at
// 1024 x 768 in each reading direction. With STEPWICK_SHOTS_DIR set the pictures are saved there
// to be looked at.

#include <gtest/gtest.h>

#include <QDir>

#include "ActivityWorld.h"

namespace {

QString contentFolder() { return QStringLiteral(STEPWICK_CONTENT_BUILD_DIR); }

struct BoardShot {
    std::int16_t layout;
    std::int16_t method;
    const char* name;
};

class ActivityBoardShots : public ::testing::TestWithParam<BoardShot> {};

TEST_P(ActivityBoardShots, TheDefaultTaskBoardShowsEveryPictureAboveABox) {
    ActivityWorld world;
    AppFolder = contentFolder();
    QDir::setCurrent(AppFolder);
    StudentOptions.LayoutDirection = GetParam().layout;
    StudentOptions.AccessMethod = GetParam().method;
    StudentOptions.ShuffleMode = 2;
    StudentOptions.ReviewButton = 1;
    StudentOptions.VideoButton = 1;
    StudentOptions.BackgroundColor = 4;

    TestAnimation* w = world.layOut(QStringLiteral("generated_task_310000004.tsk"));
    ASSERT_EQ(w->TaskInvalid, 0);
    ASSERT_EQ(Task.StepCount, 5);
    EXPECT_TRUE(world.p.messages.texts.isEmpty()) << world.p.messages.texts.join(u'\n').toStdString();
    const QImage shot = w->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1024, 768));

    const QString folder = qEnvironmentVariable("STEPWICK_SHOTS_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(GetParam().name) + QStringLiteral(".png"))));
    }

    // Every picture and every box is on the screen, none overlapping another, and the box cards
    // read 1..5 in the reading direction.
    for (int k = 1; k <= 5; ++k) {
        const QRect picture = w->PicBase[k]->geometry();
        const QRect box = w->PicSeq[k]->geometry();
        EXPECT_TRUE(shot.rect().contains(picture)) << k;
        EXPECT_TRUE(shot.rect().contains(box)) << k;
        EXPECT_FALSE(picture.intersects(box)) << k;
        EXPECT_FALSE(w->ImBase[k]->picture().isNull()) << k;
        EXPECT_EQ(w->ImBase[k]->picture().size(), w->ImBase[k]->size()) << k;  // decoded at its size
        const int number = GetParam().layout == 3 ? 6 - k : k;
        EXPECT_EQ(w->PicSeq[k]->accessibleName(), QStringLiteral("Box %1").arg(number));
        // The picture shows its own image: the screen holds the decoded card where the image is.
        const QRect image = w->ImBase[k]->geometry().translated(picture.topLeft());
        EXPECT_EQ(shot.copy(image), w->ImBase[k]->picture().convertToFormat(shot.format())) << k;
    }
    // The title bar and the status line keep their colours.
    EXPECT_EQ(shot.pixelColor(500, 2), QColor(66, 166, 181));
    EXPECT_EQ(shot.pixelColor(2, 766), QColor(128, 128, 128));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ActivityBoardShots,
                         ::testing::Values(BoardShot{1, 2, "board_left_to_right"},
                                           BoardShot{2, 2, "board_top_to_bottom"},
                                           BoardShot{3, 2, "board_right_to_left"},
                                           BoardShot{2, 4, "board_top_to_bottom_drag"}),
                         [](const ::testing::TestParamInfo<BoardShot>& info) { return std::string(info.param.name); });

TEST(ActivityMenuShot, TheMenuShowsItsThreeChoicesAndTheHighlightFramesTheFirst) {
    ActivityWorld world;
    AppFolder = contentFolder();
    QDir::setCurrent(AppFolder);
    StudentOptions.AccessMethod = 1;
    StudentOptions.BackgroundColor = 4;
    TestAnimation* w = world.layOut(QStringLiteral("generated_task_310000004.tsk"));
    QImage shot;
    world.p.pump.script = [&](bool isWait) {
        if (!isWait || !shot.isNull()) return;
        shot = w->grab().toImage();
        SelectRequested = 1;
    };
    EXPECT_EQ(w->askWhatNext(), 3);
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("STEPWICK_SHOTS_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QStringLiteral("menu_scanning.png"))));
    }
    // The highlight frames the first choice with room on every side.
    const QRect choice = w->ImageContinueNext->geometry();
    const QRect frame = QRect(QPoint(176, 88), w->ShapeContinueScan->size());
    EXPECT_TRUE(frame.contains(choice));
    EXPECT_EQ(shot.pixelColor(frame.left() + 2, frame.center().y()), QColor(255, 214, 0));
    EXPECT_FALSE(w->ImageContinueNext->picture().isNull());
}

}  // namespace
