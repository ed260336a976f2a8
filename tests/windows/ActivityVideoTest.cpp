// The task's clip on the television panel with the fake media player: the announcement by
// edition, the four buttons, the wait, and clips that cannot play or never start.

#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "ActivityWorld.h"
#include "WarningLog.h"

namespace {

struct ActivityVideo : ::testing::Test {
    ActivityWorld world;
    TestAnimation* w = nullptr;
    QString clip;

    ActivityVideo() {
        world.p.audio.durations[world.p.path(QStringLiteral("aobj_video.wav"))] = 0.05;
        StudentOptions.VideoButton = 1;
        StudentOptions.ReviewButton = 1;
        world.p.media.clipDuration = 3.0;
        clip = world.p.path(QStringLiteral("clip.avi"));
    }

    // A task with a clip (a file that exists, or a name that does not) and an introduction.
    void layOut(const QString& video = QStringLiteral("clip.avi"), const QString& intro = QStringLiteral("None")) {
        const QString file = world.addTask(QStringLiteral("Tea"), 2);
        TaskRecord task = *readTaskFile(file, TaskReaders::editor);
        task.TaskVideoFile = video;
        task.TaskIntroFile = intro;
        ASSERT_TRUE(writeTask(file, task));
        if (video == QStringLiteral("clip.avi")) world.p.writeFile(video, "not really a clip");
        if (intro != QStringLiteral("None")) world.p.audio.addWave(world.p.path(intro), 0.05);
        w = world.layOut(file);
        w->realLessonAndVideo = true;
        world.p.audio.log.clear();
        world.p.media.log.clear();
    }

    QString sentence() const {
        if (WaitingForSound != 1) return {};
        const QStringList said = world.said();
        return said.isEmpty() ? QString() : said.back();
    }
    bool clipPlaying() const {
        return !world.p.media.log.isEmpty() && world.p.media.log.back() == QStringLiteral("play");
    }
    bool anyTvButtonShown() const {
        return !w->PicTvPause->isHidden() || !w->PicTvPlay->isHidden() || !w->PicTvRewind->isHidden() ||
               !w->PicTvSkip->isHidden();
    }

    // Runs a playback; the script acts once per pass, not nested inside its own clicks.
    void play(const std::function<void()>& playback, const std::function<void()>& onPass = {}) {
        bool inScript = false;
        world.p.pump.script = [&](bool) {
            if (inScript) return;
            inScript = true;
            if (!w->PicTV->isHidden()) tvSeen = true;
            if (!w->PicExitEarly->isHidden()) earlyExitSeen = true;
            if (onPass) onPass();
            inScript = false;
        };
        startedAt = world.p.clock.monotonicSeconds();
        playback();
        endedAt = world.p.clock.monotonicSeconds();
        world.p.pump.script = nullptr;
    }
    void beforeTask(const std::function<void()>& onPass = {}) {
        play([this] { w->playVideoBeforeTask(); }, onPass);
    }
    void fromButton(const std::function<void()>& onPass = {}) {
        play([this] { QTest::mouseClick(w->PicPlayVideo, Qt::LeftButton); }, onPass);
    }

    bool tvSeen = false;
    bool earlyExitSeen = false;
    double startedAt = 0;
    double endedAt = 0;
};

TEST_F(ActivityVideo, KestrelAnnouncesTheClipOnlyWhenTheTaskHasAnIntroductionLarkinAlways) {
    struct Case {
        std::int16_t edition;
        const char* intro;
        QStringList said;
    };
    const QString video = QStringLiteral("aobj_video.wav");
    const QString second = QStringLiteral("aobj_silence_1sec.wav");
    const Case cases[] = {
        {1, "intro.wav", {video, QStringLiteral("intro.wav"), second}},
        {1, "None", {second}},
        {1, "gone.wav", {second}},  // named, but the file is missing
        {2, "intro.wav", {video, second}},
        {2, "None", {video, second}},
    };
    for (const Case& c : cases) {
        Edition = c.edition;
        const QString intro = QString::fromLatin1(c.intro);
        layOut(QStringLiteral("clip.avi"), intro == QStringLiteral("gone.wav") ? QStringLiteral("None") : intro);
        if (intro == QStringLiteral("gone.wav")) Task.TaskIntroFile = intro;
        beforeTask();
        EXPECT_EQ(world.said(), c.said) << c.edition << " " << c.intro;
        EXPECT_EQ(world.p.media.log.count(QStringLiteral("play")), 1) << c.edition << " " << c.intro;
    }
}

TEST_F(ActivityVideo, TheClipPlaysOnThePanelInTheMiddleOfTheScreenToItsEnd) {
    Edition = 1;
    layOut(QStringLiteral("clip.avi"), QStringLiteral("intro.wav"));
    bool buttonsDuringAnnouncement = false;
    bool announcementSeen = false;
    bool checkedWhilePlaying = false;
    beforeTask([&] {
        const bool announcing = !sentence().isEmpty() && !world.p.media.log.contains(QStringLiteral("play"));
        if (announcing && !w->PicTV->isHidden()) {
            announcementSeen = true;
            buttonsDuringAnnouncement |= anyTvButtonShown();
        }
        if (checkedWhilePlaying || !clipPlaying()) return;
        checkedWhilePlaying = true;
        EXPECT_EQ(w->PicTV->geometry(), QRect(112, 84, 800, 600));
        EXPECT_TRUE(w->ImTV->isHidden());
        EXPECT_FALSE(w->PicTvPause->isHidden());
        EXPECT_TRUE(w->PicTvPlay->isHidden());
        EXPECT_FALSE(w->PicTvRewind->isHidden());
        EXPECT_FALSE(w->PicTvSkip->isHidden());
        EXPECT_EQ(w->PicTvPlay->geometry(), w->PicTvPause->geometry());
        EXPECT_FALSE(w->PicExitEarly->isHidden());
        EXPECT_EQ(w->PicExitEarly->geometry().topRight(), QPoint(1023, 0));
        EXPECT_EQ(w->LabelTaskTitle->shownText(), QStringLiteral("Tea"));
    });
    EXPECT_TRUE(tvSeen);
    EXPECT_TRUE(announcementSeen);
    EXPECT_FALSE(buttonsDuringAnnouncement);
    EXPECT_TRUE(checkedWhilePlaying);
    // The player on the television's screen, 640 x 480 at (40, 60) of the panel; then stopped
    // and taken away.
    EXPECT_EQ(world.p.media.log,
              (QStringList{QStringLiteral("load ") + clip, QStringLiteral("display 40,60 640x480"),
                           QStringLiteral("play"), QStringLiteral("stop"), QStringLiteral("display none")}));
    EXPECT_GE(endedAt - startedAt, 3.0);
    EXPECT_TRUE(w->PicTV->isHidden());
    EXPECT_TRUE(w->PicExitEarly->isHidden());
    EXPECT_TRUE(w->PicPlayVideo->isHidden());
    EXPECT_EQ(WaitingForSound, 0);
}

TEST_F(ActivityVideo, TheEarlyExitDuringTheAnnouncementSilencesItAndTheClipNeverStarts) {
    Edition = 1;
    layOut(QStringLiteral("clip.avi"), QStringLiteral("intro.wav"));
    world.p.audio.durations[world.p.path(QStringLiteral("aobj_video.wav"))] = 30.0;
    bool pressed = false;
    beforeTask([&] {
        if (pressed || sentence() != QStringLiteral("aobj_video.wav")) return;
        pressed = true;
        QTest::mouseClick(w->PicExitEarly, Qt::LeftButton);
    });
    ASSERT_TRUE(pressed);
    EXPECT_LT(endedAt - startedAt, 30.0);
    EXPECT_EQ(world.said(), QStringList{QStringLiteral("aobj_video.wav")});  // not the introduction
    EXPECT_FALSE(world.p.media.log.contains(QStringLiteral("play")));
    EXPECT_EQ(ExitEarlyRequested, 1);
    EXPECT_TRUE(w->PicTV->isHidden());
}

TEST_F(ActivityVideo, TheEarlyExitWhileTheClipPlaysEndsIt) {
    layOut();
    bool pressed = false;
    beforeTask([&] {
        if (pressed || !clipPlaying()) return;
        pressed = true;
        QTest::mouseClick(w->PicExitEarly, Qt::LeftButton);
    });
    ASSERT_TRUE(pressed);
    EXPECT_LT(endedAt - startedAt, 3.0);
    EXPECT_TRUE(world.p.media.log.contains(QStringLiteral("stop")));
    EXPECT_EQ(ExitEarlyRequested, 1);
}

TEST_F(ActivityVideo, PausedTheWaitGoesOnThenRewindRestartsTheClipAndPlaysIt) {
    layOut();
    double pausedAt = -1;
    double rewoundAt = -1;
    bool playShownWhilePaused = false;
    beforeTask([&] {
        const double now = world.p.clock.monotonicSeconds();
        if (pausedAt < 0 && clipPlaying() && now - startedAt > 1.0) {
            pausedAt = now;
            QTest::mouseClick(w->PicTvPause, Qt::LeftButton);
            playShownWhilePaused = !w->PicTvPlay->isHidden() && w->PicTvPause->isHidden();
        }
        // Paused well past the clip's length, then rewound.
        if (pausedAt >= 0 && rewoundAt < 0 && now - pausedAt > 10.0) {
            rewoundAt = now;
            QTest::mouseClick(w->PicTvRewind, Qt::LeftButton);
        }
    });
    ASSERT_GE(rewoundAt, 0);
    EXPECT_TRUE(playShownWhilePaused);
    EXPECT_EQ(w->VideoPaused, 0);
    EXPECT_EQ(world.p.media.log,
              (QStringList{QStringLiteral("load ") + clip, QStringLiteral("display 40,60 640x480"),
                           QStringLiteral("play"), QStringLiteral("pause"), QStringLiteral("load ") + clip,
                           QStringLiteral("play"), QStringLiteral("stop"), QStringLiteral("display none")}));
    // The whole clip again from the rewind.
    EXPECT_GE(endedAt - rewoundAt, 3.0);
}

TEST_F(ActivityVideo, PauseAndPlayResumeTheClip) {
    layOut();
    bool paused = false;
    bool resumed = false;
    fromButton([&] {
        if (!paused && clipPlaying()) {
            paused = true;
            QTest::mouseClick(w->PicTvPause, Qt::LeftButton);
        } else if (paused && !resumed && w->VideoPaused == 1) {
            resumed = true;
            QTest::mouseClick(w->PicTvPlay, Qt::LeftButton);
            EXPECT_TRUE(w->PicTvPlay->isHidden());
            EXPECT_FALSE(w->PicTvPause->isHidden());
        }
    });
    EXPECT_TRUE(resumed);
    EXPECT_EQ(world.p.media.log.mid(2, 3),
              (QStringList{QStringLiteral("play"), QStringLiteral("pause"), QStringLiteral("play")}));
    EXPECT_GE(endedAt - startedAt, 3.0);
}

TEST_F(ActivityVideo, SkipEndsTheClip) {
    layOut();
    bool pressed = false;
    fromButton([&] {
        if (pressed || !clipPlaying()) return;
        pressed = true;
        QTest::mouseClick(w->PicTvSkip, Qt::LeftButton);
    });
    ASSERT_TRUE(pressed);
    EXPECT_LT(endedAt - startedAt, 3.0);
    EXPECT_EQ(w->VideoSkipped, 1);
    EXPECT_TRUE(world.p.media.log.contains(QStringLiteral("stop")));
    EXPECT_TRUE(w->PicTV->isHidden());
}

TEST_F(ActivityVideo, WithoutAClipNothingIsShownBeforeTheTask) {
    for (const char* video : {"None", "", "missing.avi"}) {
        layOut(QString::fromLatin1(video));
        tvSeen = false;
        earlyExitSeen = false;
        beforeTask();
        EXPECT_FALSE(tvSeen) << video;
        EXPECT_FALSE(earlyExitSeen) << video;
        EXPECT_TRUE(world.said().isEmpty()) << video;
        EXPECT_FALSE(world.p.media.log.contains(QStringLiteral("play"))) << video;
    }
}

TEST_F(ActivityVideo, FromTheVideoButtonTheStudentIsBackOnTheTaskWithTheButtonsTheOptionsGive) {
    for (const std::int16_t review : {1, 2}) {
        StudentOptions.ReviewButton = review;
        layOut();
        ASSERT_FALSE(w->PicPlayVideo->isHidden());
        bool exitHiddenWhilePlaying = false;
        fromButton([&] {
            if (clipPlaying()) exitHiddenWhilePlaying = w->PicExit->isHidden() && w->PicPlayLesson->isHidden();
        });
        EXPECT_TRUE(tvSeen);
        EXPECT_TRUE(exitHiddenWhilePlaying);
        EXPECT_FALSE(earlyExitSeen);             // no early exit during a task
        EXPECT_EQ(world.said(), QStringList{});  // Kestrel, no introduction: no announcement
        EXPECT_FALSE(w->PicExit->isHidden());
        EXPECT_FALSE(w->PicPlayVideo->isHidden());
        EXPECT_EQ(w->PicPlayLesson->isHidden(), review != 1) << review;
        EXPECT_TRUE(w->PicTV->isHidden());
        for (int k = 1; k <= 2; ++k) EXPECT_FALSE(w->PicBase[k]->isHidden());
    }
}

TEST_F(ActivityVideo, AClipThatCannotPlayEndsTheWaitAtOnceWithAWarningNamingIt) {
    layOut();
    world.p.media.failing[clip] = QStringLiteral("Could not determine type of stream.");
    WarningLog warnings;
    fromButton();
    EXPECT_LT(endedAt - startedAt, 0.1);
    const QStringList warned = warnings.containing(clip);
    ASSERT_EQ(warned.size(), 1);
    EXPECT_TRUE(warned[0].contains(QStringLiteral("Could not determine type of stream.")));
    EXPECT_TRUE(w->PicTV->isHidden());
    EXPECT_FALSE(w->PicExit->isHidden());
}

TEST_F(ActivityVideo, AClipThatStaysLoadingIsGivenUpAfterTheLoadTimeOut) {
    layOut();
    world.p.media.stalling.insert(clip);
    WarningLog warnings;
    beforeTask();
    EXPECT_GE(endedAt - startedAt, FormAnimation::kClipLoadTimeoutSeconds);
    EXPECT_LT(endedAt - startedAt, FormAnimation::kClipLoadTimeoutSeconds + 2.0);
    EXPECT_EQ(warnings.containing(clip).size(), 1);
    EXPECT_TRUE(world.p.media.log.contains(QStringLiteral("stop")));
}

}  // namespace

namespace {

TEST(ActivityLessonAndVideoControls, EveryButtonReadsTheWordsOnItsPicture) {
    ActivityWorld world;
    TestAnimation* w = world.board();
    const std::pair<PictureButton*, const char*> buttons[] = {{w->PicPlayLesson, "Start Review"},
                                                              {w->PicStopLessonBut, "Stop"},
                                                              {w->PicTvPause, "Pause"},
                                                              {w->PicTvPlay, "Play"},
                                                              {w->PicTvRewind, "Rewind"},
                                                              {w->PicTvSkip, "Skip"},
                                                              {w->PicExitEarly, "Back to the Task Selection Menu"}};
    for (const auto& [button, words] : buttons) EXPECT_EQ(button->accessibleName(), QString::fromLatin1(words));
}

}  // namespace
