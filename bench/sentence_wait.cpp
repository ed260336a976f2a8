// What the activity's sentence wait (sequence_wave_start_sync) costs and how long it takes:
//  - on the real event pump with a sound of two seconds of wall-clock time and nothing behind it:
//    polls, polls per millisecond and the waiting thread's processor share (target under 5%);
//  - on the real players with a two-second wave: the wait, the waiting thread's and the whole
//    process's processor share;
//  - the damaged and unusual wave files: how long the wait and playWave take on each.
// The tests check only what holds on any machine (see tests/activity/RealSoundTest.cpp).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include "CpuTime.h"
#include "RealAudio.h"
#include "TestPlatform.h"
#include "WallClockAudio.h"
#include "WaveFixtures.h"
#include "activity/ActivitySound.h"
#include "audio/MultimediaCommands.h"
#include "audio/Sound.h"
#include "platform/QtEventPump.h"
#include "platform/Services.h"

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");

// Counts the wait's polls while it lives.
struct PollCounter {
    PollCounter() {
        multimedia().observer = [this](const QString& command) {
            if (command.startsWith(QStringLiteral("status"))) ++polls;
        };
    }
    ~PollCounter() { multimedia().observer = nullptr; }
    int polls = 0;
};

template <typename F>
double wallSeconds(F&& run) {
    QElapsedTimer wall;
    wall.start();
    run();
    return static_cast<double>(wall.nsecsElapsed()) / 1e9;
}

void BM_SentenceWaitOnTheRealPump(benchmark::State& state) {
    TestPlatform p;
    QtEventPump pump;
    WallClockDevices devices(2000);
    Services s = platform::services();
    s.pump = &pump;
    s.audio = &devices;
    platform::installServices(s);
    if (!writeSilentWav(p.path(QStringLiteral("com_stop.wav")), 0.05)) state.SkipWithError("cannot write");
    ActivitySound sound;
    for (auto _ : state) {
        PollCounter counter;
        const double cpuBefore = threadCpuSeconds();
        const double wall =
            wallSeconds([&] { sound.sequence_wave_start_sync(p.path(QStringLiteral("two.wav")), kDontLoop); });
        const double cpu = threadCpuSeconds() - cpuBefore;
        state.counters["wall_s"] = wall;
        state.counters["polls"] = counter.polls;
        state.counters["polls_per_ms"] = counter.polls / (wall * 1000);
        state.counters["thread_cpu_percent"] = 100 * cpu / wall;
    }
}
BENCHMARK(BM_SentenceWaitOnTheRealPump)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

// The real players behind the sentence wait, over a test world for the rest.
struct RealSentence {
    TestPlatform p;
    RealAudio real{p};
    ActivitySound sound;
    RealSentence() {
        writeSilentWav(p.path(QStringLiteral("com_stop.wav")), 0.05);
        writeSilentWav(p.path(QStringLiteral("warm_up.wav")), 0.2);
        sound.sequence_wave_start_sync(p.path(QStringLiteral("warm_up.wav")), kDontLoop);
    }
};

void BM_SentenceWaitRealTwoSecondWave(benchmark::State& state) {
    RealSentence r;
    if (!r.real.available()) state.SkipWithError("no real sound players");
    const QString path = r.p.path(QStringLiteral("two_seconds.wav"));
    writeSilentWav(path, 2.0);
    for (auto _ : state) {
        PollCounter counter;
        r.real.restartDeadline();
        const double threadBefore = threadCpuSeconds();
        const double processBefore = processCpuSeconds();
        const double wall = wallSeconds([&] { r.sound.sequence_wave_start_sync(path, kDontLoop); });
        state.counters["wall_s"] = wall;
        state.counters["polls_per_ms"] = counter.polls / (wall * 1000);
        state.counters["thread_cpu_percent"] = 100 * (threadCpuSeconds() - threadBefore) / wall;
        state.counters["process_cpu_percent"] = 100 * (processCpuSeconds() - processBefore) / wall;
    }
}
BENCHMARK(BM_SentenceWaitRealTwoSecondWave)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

// One benchmark per fixture: the wait and playWave on it, next to its length (0 = undecodable).
void sentenceWaitOnFixture(benchmark::State& state, const WaveFixture& f) {
    RealSentence r;
    if (!r.real.available()) state.SkipWithError("no real sound players");
    r.p.writeFile(f.name, f.bytes);
    const QString path = r.p.path(f.name);
    for (auto _ : state) {
        r.real.restartDeadline();
        state.counters["wait_s"] = wallSeconds([&] { r.sound.sequence_wave_start_sync(path, kDontLoop); });
        r.real.restartDeadline();
        state.counters["playwave_s"] = wallSeconds([&] { playWave(path, kDontLoop); });
        state.counters["length_s"] = f.playable ? f.seconds : 0.0;
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    for (const WaveFixture& f : waveFixtures()) {
        benchmark::RegisterBenchmark(QString(QStringLiteral("BM_SentenceWaitOn/") + f.name).toStdString().c_str(),
                                     sentenceWaitOnFixture, f)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
