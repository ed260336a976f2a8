// The review lesson and the television panel of a task of the default content, rendered by the
// real window at 1024 x 768. With STEPWICK_SHOTS_DIR set the pictures are saved there to be
// looked at.

#include <gtest/gtest.h>

#include <QDir>

#include "ActivityWorld.h"
#include "library/PathHelpers.h"

namespace {

QString contentFolder() { return QStringLiteral(STEPWICK_CONTENT_BUILD_DIR); }

void save(const QImage& shot, const char* name) {
    const QString folder = qEnvironmentVariable("STEPWICK_SHOTS_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"))));
}

class ActivityLessonShots : public ::testing::TestWithParam<std::int16_t> {};

TEST_P(ActivityLessonShots, TheLessonShowsThePicturesInOrderWithTheHandAtTheThirdStep) {
    ActivityWorld world;
    AppFolder = contentFolder();
    QDir::setCurrent(AppFolder);
    StudentOptions.LayoutDirection = GetParam();
    StudentOptions.BackgroundColor = 4;
    StudentOptions.PictureTitles = 1;
    StudentOptions.ReviewButton = 1;
    TestAnimation* w = world.layOut(QStringLiteral("generated_task_310000004.tsk"));
    ASSERT_EQ(Task.StepCount, 5);
    w->realLessonAndVideo = true;
    QImage shot;
    int stepSentences = 0;
    world.p.pump.script = [&](bool isWait) {
        if (!isWait || WaitingForSound != 1 || !shot.isNull()) return;
        const QStringList said = world.said();
        if (said.isEmpty() || said.back() != QStringLiteral("aobj_next_is.wav")) return;
        if (said.count(QStringLiteral("aobj_next_is.wav")) == 2) shot = w->grab().toImage();
        ++stepSentences;
    };
    w->PicPlayLesson_Click();
    world.p.pump.script = nullptr;
    ASSERT_FALSE(shot.isNull());
    save(shot, GetParam() == 1   ? "lesson_left_to_right"
               : GetParam() == 2 ? "lesson_top_to_bottom"
                                 : "lesson_right_to_left");
    // Every picture decoded at the size it is shown, on the screen, in the background colour.
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(w->ImLesson[p]->picture().size(), w->ImLesson[p]->size()) << p;
        EXPECT_TRUE(shot.rect().contains(w->ImLesson[p]->geometry())) << p;
    }
    EXPECT_FALSE(w->LabelLesson->shownText().isEmpty());
    EXPECT_EQ(shot.pixelColor(1, 700), BackgroundColors[4]);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ActivityLessonShots, ::testing::Values(1, 2, 3));

TEST(ActivityTelevisionShot, TheTelevisionStandsInTheMiddleDuringTheAnnouncement) {
    ActivityWorld world;
    AppFolder = contentFolder();
    QDir::setCurrent(AppFolder);
    Edition = 2;  // the story's announcement is always made
    StudentOptions.VideoButton = 1;
    TestAnimation* w = world.layOut(QStringLiteral("generated_task_310000006.tsk"));
    ASSERT_FALSE(isNone(Task.TaskVideoFile));
    w->realLessonAndVideo = true;
    QImage shot;
    world.p.pump.script = [&](bool isWait) {
        if (!isWait || !shot.isNull() || w->PicTV->isHidden() || WaitingForSound != 1) return;
        if (world.said().value(world.said().size() - 1) == QStringLiteral("aobj_video.wav")) shot = w->grab().toImage();
    };
    w->PicPlayVideo_Click();
    world.p.pump.script = nullptr;
    ASSERT_FALSE(shot.isNull());
    save(shot, "television_announcement");
    EXPECT_FALSE(w->ImTV->picture().isNull());
    EXPECT_EQ(w->ImTV->picture().size(), QSize(800, 600));
}

}  // namespace
