#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "TestPlatform.h"
#include "WallClockAudio.h"
#include "activity/ActivitySound.h"
#include "audio/MultimediaCommands.h"
#include "platform/QtEventPump.h"
#include "platform/Services.h"

namespace {

// On the real event pump (whose waiting pass sleeps until the next event or its tick), however
// busy the machine: the wait lasts as long as the sound, leaves at the first answer that is not
// "playing", and sleeps between its polls. What the wait costs is measured in bench/sentence_wait.
TEST(SentenceWait, OnTheRealPumpEndsAtTheFirstStateThatIsNotPlayingAndSleepsBetweenPolls) {
    constexpr qint64 kSoundMs = 500;
    for (const QString& endState : {QStringLiteral("stopped"), QStringLiteral("paused")}) {
        SCOPED_TRACE(endState.toStdString());
        TestPlatform p;
        QtEventPump pump;
        WallClockDevices devices(kSoundMs, endState);
        Services s = platform::services();
        s.pump = &pump;
        s.audio = &devices;
        platform::installServices(s);
        ASSERT_TRUE(writeSilentWav(p.path(QStringLiteral("com_stop.wav")), 0.05));
        int polls = 0;
        multimedia().observer = [&polls](const QString& command) {
            if (command.startsWith(QStringLiteral("status"))) ++polls;
        };

        ActivitySound sound;
        QElapsedTimer wall;
        wall.start();
        sound.sequence_wave_start_sync(p.path(QStringLiteral("half_second.wav")), QStringLiteral("DONT_LOOP"));
        const qint64 ms = wall.elapsed();
        multimedia().observer = nullptr;

        EXPECT_GE(ms, kSoundMs);
        EXPECT_EQ(devices.answers.notPlaying, 1) << "no poll after the sound had ended";
        EXPECT_EQ(polls, devices.answers.playing + 1);
        // A loop that spun would poll many times a millisecond; one that sleeps, every few.
        EXPECT_GE(devices.answers.playing, 1);
        EXPECT_LT(polls, ms);
    }
}

}  // namespace
