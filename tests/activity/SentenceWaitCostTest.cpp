#include "CpuTime.h"
#include "TestPlatform.h"

#include "activity/ActivitySound.h"
#include "app/Globvars.h"
#include "audio/MultimediaCommands.h"
#include "platform/QtEventPump.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <cstdio>

namespace {

// Sounds that play for a set time of the wall clock, with nothing behind them: what remains to
// measure is the cost of the wait itself.
class WallClockDevice : public PlaybackDevice {
public:
    explicit WallClockDevice(qint64 milliseconds) : length_(milliseconds) {}
    void play() override { started_.start(); }
    void stop() override { started_.invalidate(); }
    QString mode() override {
        return started_.isValid() && !started_.hasExpired(length_) ? QStringLiteral("playing")
                                                                   : QStringLiteral("stopped");
    }

private:
    qint64 length_;
    QElapsedTimer started_;
};

class WallClockDevices : public AudioDevices {
public:
    std::unique_ptr<PlaybackDevice> openPlayback(const QString&) override {
        return std::make_unique<WallClockDevice>(2000);
    }
    std::unique_ptr<WaveRecorder> openRecorder() override { return nullptr; }
};

TEST(SentenceWait, SleepsBetweenPollsAndCostsLittleProcessorTime) {
    TestPlatform p;
    QtEventPump pump;
    WallClockDevices devices;
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
    const double cpuBefore = threadCpuSeconds();
    wall.start();
    sound.sequence_wave_start_sync(p.path(QStringLiteral("two_seconds.wav")), QStringLiteral("DONT_LOOP"));
    const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    const double cpu = threadCpuSeconds() - cpuBefore;
    multimedia().observer = nullptr;

    std::printf("sentence wait: %.3f s, %.4f s of processor (%.2f%%), %d polls\n", seconds, cpu, 100.0 * cpu / seconds,
                polls);
    EXPECT_GE(seconds, 1.95);
    EXPECT_LT(seconds, 2.5);
    EXPECT_LT(cpu, 0.05 * seconds);
    // Polls come at the pump's tick (about 5 ms), not as fast as the processor allows.
    EXPECT_GT(polls, 100);
    EXPECT_LT(polls, 1000);
}

}  // namespace
