#include "CpuTime.h"
#include "RealAudio.h"
#include "TestPlatform.h"
#include "WaveFixtures.h"

#include "activity/ActivitySound.h"
#include "app/Globvars.h"
#include "audio/Sound.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <cstdio>

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");

// Sentences played by this machine's real players.
class RealSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!real.available()) GTEST_SKIP() << "this build has no real sound players";
        ASSERT_TRUE(writeSilentWav(p.path(QStringLiteral("com_stop.wav")), 0.05));
        // The media framework's first use on a fresh machine builds its plugin cache; time
        // nothing before one play has gone through.
        ASSERT_TRUE(writeSilentWav(p.path(QStringLiteral("warm_up.wav")), 0.2));
        sound.sequence_wave_start_sync(p.path(QStringLiteral("warm_up.wav")), kDontLoop);
    }

    // Seconds of wall-clock time that f takes.
    template <typename F>
    double timed(F f) {
        real.restartDeadline();
        QElapsedTimer wall;
        wall.start();
        f();
        return static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    }

    TestPlatform p;
    RealAudio real{p};
    ActivitySound sound;
};

TEST_F(RealSoundTest, TwoSecondWaveEndsTheWaitAfterAboutTwoSeconds) {
    const QString path = p.path(QStringLiteral("two_seconds.wav"));
    ASSERT_TRUE(writeSilentWav(path, 2.0));

    const double threadBefore = threadCpuSeconds();
    const double processBefore = processCpuSeconds();
    const double seconds = timed([&] { sound.sequence_wave_start_sync(path, kDontLoop); });
    const double thread = threadCpuSeconds() - threadBefore;
    const double process = processCpuSeconds() - processBefore;

    std::printf(
        "two-second wave: wait %.3f s; processor: waiting thread %.4f s (%.2f%%), "
        "whole process %.4f s (%.2f%%)\n",
        seconds, thread, 100 * thread / seconds, process, 100 * process / seconds);
    EXPECT_GE(seconds, 1.8);
    EXPECT_LE(seconds, 3.0);
    EXPECT_LT(thread, 0.05 * seconds);
    EXPECT_EQ(real.deadlineHits(), 0);
    EXPECT_EQ(WaitingForSound, 0);
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

TEST_F(RealSoundTest, DamagedFilesEndTheWaitAtOnceAndUnusualOnesPlay) {
    for (const WaveFixture& f : waveFixtures()) {
        SCOPED_TRACE(f.name.toStdString());
        p.writeFile(f.name, f.bytes);
        const QString path = p.path(f.name);

        const double waited = timed([&] { sound.sequence_wave_start_sync(path, kDontLoop); });
        const double played = timed([&] { playWave(path, kDontLoop); });

        std::printf("%-22s wait %.3f s, playWave %.3f s\n", qPrintable(f.name), waited, played);
        if (f.playable) {
            EXPECT_GE(waited, 0.8 * f.seconds);
            EXPECT_LE(waited, f.seconds + 1.0);
            EXPECT_LE(played, f.seconds + 1.0);
        } else {
            EXPECT_LT(waited, 0.3);
            EXPECT_LT(played, 0.3);
        }
        EXPECT_EQ(real.deadlineHits(), 0);
        EXPECT_EQ(WaitingForSound, 0);
    }
    // Every file was there, so nothing was reported.
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

}  // namespace
