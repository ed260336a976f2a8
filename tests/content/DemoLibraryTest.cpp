// The example library: every task reads back through the program's readers, has every length
// from 2 to 10 covered, and every step has its picture, words and narration.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <set>

#include "ContentFolder.h"
#include "TestPlatform.h"
#include "app/Globvars.h"
#include "library/Categories.h"
#include "library/LibraryChecks.h"
#include "library/PathHelpers.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"

namespace {

// Reads the library with the real file system, AppFolder on the content folder (read only: no
// test writes there).
class DemoLibrary : public ::testing::Test {
protected:
    void SetUp() override { AppFolder = contentFolder(); }

    QStringList taskFiles() { return platform::files().list(contentFolder(), QStringLiteral("*.tsk")); }

    TestPlatform platform_;
};

TEST_F(DemoLibrary, TasksCoverEveryLengthFromTwoToTen) {
    const QStringList files = taskFiles();
    EXPECT_GE(files.size(), 8);
    std::set<int> lengths;
    for (const QString& file : files) {
        const Result<TaskRecord> task = readTaskFile(file, TaskReaders::list);
        ASSERT_TRUE(task.ok()) << task.error().toStdString();
        lengths.insert(task->StepCount);
    }
    EXPECT_EQ(lengths, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

// What one reader sees must agree with what the full reader sees.
TEST_F(DemoLibrary, EveryReaderReadsEveryTaskAlike) {
    const std::pair<const char*, TaskReadPlan> readers[] = {
        {"activity", TaskReaders::activity},
        {"list", TaskReaders::list},
        {"duplicate check", TaskReaders::duplicateCheck},
        {"use check", TaskReaders::useCheck},
        {"deletion", TaskReaders::deletion},
    };
    for (const QString& file : taskFiles()) {
        SCOPED_TRACE(file.toStdString());
        const Result<TaskRecord> full = readTaskFile(file, TaskReaders::editor);
        ASSERT_TRUE(full.ok()) << full.error().toStdString();
        EXPECT_EQ(file, QStringLiteral("generated_task_%1.tsk").arg(full->TaskId));
        for (const auto& [name, plan] : readers) {
            const Result<TaskRecord> seen = readTaskFile(file, plan);
            ASSERT_TRUE(seen.ok()) << name << ": " << seen.error().toStdString();
            EXPECT_EQ(seen->StepCount, full->StepCount) << name;
            if (plan.title == LineUse::Whole) {
                EXPECT_EQ(seen->TaskTitle, full->TaskTitle) << name;
            }
            if (plan.video == LineUse::Whole) {
                EXPECT_EQ(seen->TaskVideoFile, full->TaskVideoFile) << name;
            }
            if (plan.steps != LineUse::NotRead && plan.steps != LineUse::Skip) {
                EXPECT_EQ(seen->StepFileName, full->StepFileName) << name;
            }
            if (plan.intro == LineUse::Whole) {
                EXPECT_EQ(seen->TaskIntroFile, full->TaskIntroFile) << name;
            }
        }
        // Nothing here may be refused as a duplicate of another example task.
        EXPECT_FALSE(findDuplicateTask(file, full->TaskCategory, full->TaskTitle, full->StepCount));
    }
}

TEST_F(DemoLibrary, EveryTaskHasAnIntroductionAndAListedCategory) {
    const Result<QStringList> categories = readCategoryList();
    ASSERT_TRUE(categories.ok()) << categories.error().toStdString();
    for (const QString& file : taskFiles()) {
        SCOPED_TRACE(file.toStdString());
        const Result<TaskRecord> task = readTaskFile(file, TaskReaders::editor);
        ASSERT_TRUE(task.ok()) << task.error().toStdString();
        EXPECT_FALSE(task->TaskTitle.trimmed().isEmpty());
        EXPECT_TRUE(categories->contains(task->TaskCategory)) << task->TaskCategory.toStdString();
        EXPECT_EQ(task->TaskIntroFile, QStringLiteral("intro_%1.wav").arg(task->TaskId));
        const Result<PcmAudio> intro = readWav(insertPath(task->TaskIntroFile));
        ASSERT_TRUE(intro.ok()) << intro.error().toStdString();
        EXPECT_GT(peakOf(*intro), 0.25);
        EXPECT_GT(intro->seconds(), 0.4);
    }
}

TEST_F(DemoLibrary, EveryStepHasAPictureWordsAndANarration) {
    int steps = 0;
    for (const QString& file : taskFiles()) {
        const Result<TaskRecord> task = readTaskFile(file, TaskReaders::activity);
        ASSERT_TRUE(task.ok()) << task.error().toStdString();
        for (int s = 1; s <= task->StepCount; ++s) {
            const QString& pictureFile = task->StepFileName[static_cast<std::size_t>(s)];
            SCOPED_TRACE(QString(file + QLatin1Char(' ') + pictureFile).toStdString());
            const Result<StepRecord> step = readPictureFile(pictureFile, PictureReaders::editor);
            ASSERT_TRUE(step.ok()) << step.error().toStdString();
            EXPECT_EQ(pictureFile, QStringLiteral("generated_pic_%1.stp").arg(step->PictureId));
            EXPECT_FALSE(step->StepDescription.trimmed().isEmpty());
            EXPECT_FALSE(isNone(step->StepPhonetic));
            EXPECT_TRUE(isPictureInUse(pictureFile));

            QImageReader image(insertPath(step->StepPictureFile));
            EXPECT_EQ(image.format(), QByteArray("jpeg"));
            const QSize size = image.read().size();
            EXPECT_EQ(size.width() * 3, size.height() * 4) << "a 4:3 card";
            EXPECT_GE(size.width(), 320);

            EXPECT_EQ(step->StepWaveFile, QStringLiteral("pic_%1.wav").arg(step->PictureId));
            const Result<PcmAudio> narration = readWav(insertPath(step->StepWaveFile));
            ASSERT_TRUE(narration.ok()) << narration.error().toStdString();
            EXPECT_GT(peakOf(*narration), 0.25);
            ++steps;
        }
    }
    EXPECT_EQ(steps, 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10);
}

// The clip plays in the program's media player (Qt Multimedia over GStreamer or FFmpeg):
// it loads, has a picture and a sound track, and shows frames of its stated size.
TEST_F(DemoLibrary, OneTaskHasAClipThatPlays) {
    QStringList videos;
    for (const QString& file : taskFiles()) {
        const Result<TaskRecord> task = readTaskFile(file, TaskReaders::activity);
        ASSERT_TRUE(task.ok());
        if (!isNone(task->TaskVideoFile)) videos << task->TaskVideoFile;
    }
    ASSERT_EQ(videos.size(), 1);
    const QString clip = insertPath(videos.first());
    EXPECT_TRUE(clip.endsWith(QLatin1String(".avi")));
    QFile file(clip);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(12);
    EXPECT_TRUE(head.startsWith("RIFF") && head.endsWith("AVI "));

    // The sink outlives the player, and every handler runs on this thread through the loop (the
    // sink may signal from the decoder's thread): nothing here is touched after it is gone.
    QVideoSink sink;
    QMediaPlayer player;
    player.setVideoSink(&sink);
    QEventLoop loop;
    QSize frameSize;
    // Done once a frame has been shown and the length is known (they come in either order).
    auto quitWhenSeen = [&] {
        if (!frameSize.isEmpty() && player.duration() > 0) loop.quit();
    };
    QObject::connect(&sink, &QVideoSink::videoFrameChanged, &loop, [&](const QVideoFrame& frame) {
        if (frame.isValid() && frameSize.isEmpty()) frameSize = frame.size();
        quitWhenSeen();
    });
    QObject::connect(&player, &QMediaPlayer::durationChanged, &loop, quitWhenSeen);
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    player.setSource(QUrl::fromLocalFile(clip));
    player.play();
    loop.exec();
    player.stop();
    QObject::disconnect(&sink, nullptr, &loop, nullptr);
    EXPECT_EQ(player.error(), QMediaPlayer::NoError) << player.errorString().toStdString();
    EXPECT_EQ(frameSize, QSize(640, 480));
    EXPECT_TRUE(player.hasVideo());
    EXPECT_TRUE(player.hasAudio());
    EXPECT_NEAR(player.duration(), 6000, 200);
    player.setVideoSink(nullptr);
}

}  // namespace
