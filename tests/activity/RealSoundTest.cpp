#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "RealAudio.h"
#include "TestPlatform.h"
#include "WarningLog.h"
#include "WaveFixtures.h"
#include "activity/ActivitySound.h"
#include "app/Globvars.h"
#include "audio/MultimediaCommands.h"
#include "audio/Sound.h"
#include "platform/SoundChannel.h"

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");

// Sentences played by this machine's real players. Nothing here depends on how fast the machine
// is: a sound is waited for at least as long as it lasts, ends by itself (the media framework did
// not have to be given up on, nor the test's deadline reached), and the wait polls a few times a
// millisecond at most. The figures are in bench/sentence_wait.
class RealSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!real.available()) GTEST_SKIP() << "this build has no real sound players";
        ASSERT_TRUE(writeSilentWav(p.path(QStringLiteral("com_stop.wav")), 0.05));
        // The media framework's first use on a fresh machine builds its plugin cache.
        ASSERT_TRUE(writeSilentWav(p.path(QStringLiteral("warm_up.wav")), 0.2));
        sound.sequence_wave_start_sync(p.path(QStringLiteral("warm_up.wav")), kDontLoop);
        multimedia().observer = [this](const QString& command) {
            if (command.startsWith(QStringLiteral("status"))) ++polls;
        };
    }
    void TearDown() override { multimedia().observer = nullptr; }

    // Milliseconds of wall-clock time that f takes.
    template <typename F>
    qint64 timed(F f) {
        real.restartDeadline();
        QElapsedTimer wall;
        wall.start();
        f();
        return wall.elapsed();
    }

    void expectEndedByItself() {
        EXPECT_EQ(real.deadlineHits(), 0);
        const QStringList stuck = warnings.containing(QLatin1String(kSoundTakenAsEnded));
        EXPECT_TRUE(stuck.isEmpty()) << stuck.join(u'\n').toStdString();
        EXPECT_EQ(WaitingForSound, 0);
    }

    WarningLog warnings;
    TestPlatform p;
    RealAudio real{p};
    ActivitySound sound;
    int polls = 0;
};

TEST_F(RealSoundTest, TwoSecondWaveIsWaitedForToItsEndWithoutSpinning) {
    const QString path = p.path(QStringLiteral("two_seconds.wav"));
    ASSERT_TRUE(writeSilentWav(path, 2.0));

    const qint64 ms = timed([&] { sound.sequence_wave_start_sync(path, kDontLoop); });

    EXPECT_GE(ms, 1800);
    EXPECT_GE(polls, 2);
    EXPECT_LT(polls, ms);
    expectEndedByItself();
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

TEST_F(RealSoundTest, DamagedFilesEndTheWaitAtOnceAndUnusualOnesPlay) {
    for (const WaveFixture& f : waveFixtures()) {
        SCOPED_TRACE(f.name.toStdString());
        p.writeFile(f.name, f.bytes);
        const QString path = p.path(f.name);

        polls = 0;
        const qint64 waited = timed([&] { sound.sequence_wave_start_sync(path, kDontLoop); });
        const int waitPolls = polls;
        const long passesBefore = real.waitingPasses();
        const qint64 played = timed([&] { playWave(path, kDontLoop); });
        const long playPasses = real.waitingPasses() - passesBefore;

        if (f.playable) {
            EXPECT_GE(waited, 800 * f.seconds);
            EXPECT_GE(played, 800 * f.seconds);
            EXPECT_LT(waitPolls, waited);
            EXPECT_LT(playPasses, played);
        } else {
            // Refused when opened: the one poll hears no sound, and nothing waits.
            EXPECT_EQ(waitPolls, 1);
            EXPECT_EQ(playPasses, 0);
        }
        expectEndedByItself();
    }
    // Every file was there, so nothing was reported.
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

}  // namespace
