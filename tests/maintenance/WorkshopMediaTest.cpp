#include "maintenance/WorkshopMedia.h"

#include "TestPlatform.h"

#include "app/Globvars.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "maintenance/WorkshopFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>

namespace {

TEST(WorkshopMedia, TheVideoChooserOffersClipsWhateverTheCaseOfTheirEnding) {
    const struct {
        const char* name;
        bool clip;
    } cases[] = {
        {"washing.avi", true}, {"WASHING.AVI", true},   {"story.mp4", true}, {"Story.Mp4", true}, {"old.mpg", true},
        {"old.MPG", true},     {"win.wmv", true},       {"web.webm", true},  {"film.mkv", true},  {"phone.MOV", true},
        {"notes.txt", false},  {"clip.avi.txt", false}, {".avi", false},     {"avi", false},      {"clip.", false},
        {"photo.jpg", false},  {"clipavi", false},      {"", false},         {"a.b.mov", true},   {"sound.wav", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isVideoFileName(QString::fromLatin1(c.name)), c.clip) << c.name;
}

TEST(WorkshopMedia, AClipInTheDataFolderIsStoredByItsBareNameAnyOtherByItsFullPath) {
    TestPlatform p;
    const QString elsewhere = QDir::cleanPath(AppFolder + QStringLiteral("/../clips/story.avi"));
    const struct {
        QString clip;
        QString stored;
    } cases[] = {
        {p.path(QStringLiteral("story.avi")), QStringLiteral("story.avi")},
        {AppFolder + QStringLiteral("/sub/story.avi"), AppFolder + QStringLiteral("/sub/story.avi")},
        {elsewhere, elsewhere},
        {QStringLiteral("/media/stick/Story Time.MP4"), QStringLiteral("/media/stick/Story Time.MP4")},
        {QStringLiteral("None"), QStringLiteral("None")},
        {QString(), QStringLiteral("None")},
    };
    for (const auto& c : cases) EXPECT_EQ(storedVideoName(c.clip), c.stored) << c.clip.toStdString();
}

TEST(WorkshopMedia, ThePromptTableHasTwentyTwoPromptsAndEntrySixteenFollowsTheEdition) {
    const auto kestrel = promptTable(1);
    const auto larkin = promptTable(2);
    const auto other = promptTable(0);
    QSet<QString> files;
    for (int i = 0; i < kPromptCount; ++i) {
        const auto& k = kestrel[static_cast<size_t>(i)];
        files.insert(k.file);
        EXPECT_TRUE(k.file.startsWith(QStringLiteral("aobj_")) && k.file.endsWith(QStringLiteral(".wav"))) << i;
        EXPECT_NE(k.caption, nullptr);
        EXPECT_NE(k.help, nullptr);
        // Only entry 16 differs between the editions, and only in its words.
        EXPECT_EQ(larkin[static_cast<size_t>(i)].file, k.file);
        if (i != 16) {
            EXPECT_STREQ(larkin[static_cast<size_t>(i)].caption, k.caption) << i;
            EXPECT_STREQ(larkin[static_cast<size_t>(i)].help, k.help) << i;
        }
    }
    EXPECT_EQ(files.size(), kPromptCount);

    const struct {
        int index;
        const char* file;
        const char* caption;
    } rows[] = {
        {0, "aobj_access_1.wav",
         "Press the first switch to move from picture to picture.  Press the second switch to choose the picture"},
        {5, "aobj_how_did.wav", "Lets see how you did."},
        {8, "aobj_keep_trying.wav", "Keep trying, you can do it"},
        {17, "aobj_arrange.wav", "Put the pictures in the correct order for"},
        {21, "aobj_activity_selection.wav", "Task selection menu"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(kestrel[static_cast<size_t>(r.index)].file, QString::fromLatin1(r.file)) << r.index;
        EXPECT_STREQ(kestrel[static_cast<size_t>(r.index)].caption, r.caption) << r.index;
    }

    EXPECT_EQ(kestrel[16].file, QStringLiteral("aobj_video.wav"));
    EXPECT_EQ(larkin[16].file, QStringLiteral("aobj_video.wav"));
    EXPECT_STREQ(kestrel[16].caption, "Let's see a video about");
    EXPECT_STREQ(larkin[16].caption, "Let's read a story");
    EXPECT_STREQ(other[16].caption, "Let's read a story");
    EXPECT_TRUE(
        QString::fromLatin1(kestrel[16].help).endsWith(QStringLiteral("Let's see a video about tying your shoes")));
    EXPECT_TRUE(
        QString::fromLatin1(larkin[16].help).endsWith(QStringLiteral("Let's read to a story called The Circus")));

    EXPECT_EQ(suppliedPromptFile(QStringLiteral("aobj_keep_trying.wav")), QStringLiteral("aobj_keep_trying.wav_bak"));
}

TEST(WorkshopMedia, ARecordingRunsFifteenSecondsOnTheClockItStartedOn) {
    const struct {
        double start;
        double now;
        bool up;
    } cases[] = {
        {100.0, 100.0, false}, {100.0, 114.999, false}, {100.0, 115.0, true},
        {100.0, 200.0, true},  {0.0, 15.0, true},       {100.0, 99.0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(recordingTimeIsUp(c.start, c.now), c.up) << c.start << " " << c.now;
}

TEST(WorkshopMedia, ARecordingIsSilentBelowFiftyDecibelsUnderFullScale) {
    const float atThreshold = static_cast<float>(std::pow(10.0, -50.0 / 20.0));  // 0.00316, about 104 of 32767
    const struct {
        float peak;
        bool silent;
        int meter;
    } cases[] = {
        {0.0f, true, 0},
        {1.0f / 32768.0f, true, 0},  // one step of a 16-bit sample: -90 dBFS
        {atThreshold * 0.9f, true, 15},
        {atThreshold * 1.01f, false, 17},
        {0.001f, true, 0},  // -60 dBFS: the bottom of the meter
        {0.1f, false, 67},  // -20 dBFS
        {0.5f, false, 90},
        {1.0f, false, 100},
        {1.5f, false, 100},  // past full scale the bar stays full
        {-0.5f, true, 0},    // never negative, but safe
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isSilentRecording(c.peak), c.silent) << c.peak;
        EXPECT_EQ(meterReading(c.peak), c.meter) << c.peak;
    }
    EXPECT_DOUBLE_EQ(toDbfs(1.0f), 0.0);
    EXPECT_TRUE(std::isinf(toDbfs(0.0f)));
}

TEST(WorkshopMedia, APrintedPictureSitsTopLeftAtThePreviewsSize) {
    EXPECT_EQ(printedPictureRect({320, 240}, 15.0, 15.0), QRectF(0, 0, 4800, 3600));
    EXPECT_EQ(printedPictureRect({400, 300}, 7.5, 7.5), QRectF(0, 0, 3000, 2250));
    EXPECT_EQ(printedPictureRect({400, 300}, 15.0, 12.0), QRectF(0, 0, 6000, 3600));
    EXPECT_EQ(printedPictureRect({0, 0}, 15.0, 15.0), QRectF(0, 0, 0, 0));
}

TEST(WorkshopMedia, APrintedTaskGivesOneImagePerStepTheMissingPictureForWhatIsGone) {
    TestPlatform p;
    QTemporaryDir elsewhere;
    const QString outside = QDir(elsewhere.path()).filePath(QStringLiteral("hands.png"));
    QImage(8, 8, QImage::Format_RGB32).save(outside);
    QImage(8, 8, QImage::Format_RGB32).save(p.path(QStringLiteral("teeth.png")));
    const auto picture = [](const QString& id, const QString& image) {
        return StepRecord{QStringLiteral("Hygiene"), QStringLiteral("Step ") + id,
                          QStringLiteral("None"),    image,
                          QStringLiteral("None"),    id};
    };
    ASSERT_TRUE(writePicture(QStringLiteral("a.stp"), picture(QStringLiteral("1"), QStringLiteral("teeth.png"))));
    ASSERT_TRUE(writePicture(QStringLiteral("b.stp"), picture(QStringLiteral("2"), outside)));
    ASSERT_TRUE(writePicture(QStringLiteral("c.stp"), picture(QStringLiteral("3"), QStringLiteral("gone.png"))));
    p.writeFile(QStringLiteral("d.stp"), QByteArray("Hygiene\r\n"));  // damaged
    TaskRecord task;
    task.StepCount = 5;
    task.TaskTitle = QStringLiteral("Washing");
    task.TaskCategory = QStringLiteral("Hygiene");
    task.TaskVideoFile = QStringLiteral("None");
    task.StepFileName[1] = QStringLiteral("b.stp");
    task.StepFileName[2] = QStringLiteral("a.stp");
    task.StepFileName[3] = QStringLiteral("c.stp");
    task.StepFileName[4] = QStringLiteral("d.stp");
    task.StepFileName[5] = QStringLiteral("None");
    task.TaskId = QStringLiteral("310000001");
    task.TaskIntroFile = QStringLiteral("None");
    ASSERT_TRUE(writeTask(QStringLiteral("t.tsk"), task));

    auto pictures = taskPrintPictures(QStringLiteral("t.tsk"));
    ASSERT_TRUE(pictures) << pictures.error().toStdString();
    const QString missing = inAppFolder(kMissingPictureFile);
    EXPECT_EQ(pictures->images, QStringList({outside, p.path(QStringLiteral("teeth.png")), missing, missing, missing}));
    ASSERT_EQ(pictures->problems.size(), 1);
    EXPECT_TRUE(pictures->problems.first().contains(QStringLiteral("d.stp")));

    p.writeFile(QStringLiteral("broken.tsk"), QByteArray("x\r\n"));
    auto broken = taskPrintPictures(QStringLiteral("broken.tsk"));
    ASSERT_FALSE(broken);
    EXPECT_TRUE(broken.error().contains(QStringLiteral("broken.tsk")));
}

TEST(WorkshopMedia, TheMicrophoneLevelOpensPavucontrolFirstThenTheDesktopsSettings) {
    const auto with = [](QStringList programs) {
        return [programs](const QString& name) { return programs.contains(name); };
    };
    const struct {
        QStringList installed;
        std::optional<ProgramCall> call;
    } cases[] = {
        {{QStringLiteral("pavucontrol"), QStringLiteral("gnome-control-center")},
         ProgramCall{QStringLiteral("pavucontrol"), {QStringLiteral("--tab=4")}}},
        {{QStringLiteral("gnome-control-center")},
         ProgramCall{QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}}},
        {{QStringLiteral("systemsettings")},
         ProgramCall{QStringLiteral("systemsettings"), {QStringLiteral("kcm_pulseaudio")}}},
        {{QStringLiteral("mate-volume-control"), QStringLiteral("cinnamon-settings")},
         ProgramCall{QStringLiteral("mate-volume-control"), {QStringLiteral("--page=input")}}},
        {{}, std::nullopt},
        {{QStringLiteral("sndvol32.exe")}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(microphoneSettings(with(c.installed)), c.call) << c.installed.join(u' ').toStdString();
}

}  // namespace
