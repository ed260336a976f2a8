// What waiting and animating cost on the real event pump and audio path.
//  - an idle wait (waitEvents passes for 5 s with nothing happening): target under 2% of a core;
//  - one doEvents() with nothing pending: target well under a millisecond; and a 300-step glide
//    that moves a widget one pixel and calls doEvents() per step;
//  - waiting on a 2-second WAV through a playback device polled with waitEvents: target under 5%;
//  - synthesizing a short sentence (the speech's delay before it is heard).
// CPU figures are the whole process (every thread, the media framework's included) over wall time.

#include "BenchmarkMain.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include "ToneAudio.h"
#include "platform/EspeakSynth.h"
#include "platform/QtEventPump.h"
#include "platform/Services.h"
#include "platform/WavFile.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU use, in percent of one core, of whatever the function does.
template <typename F>
double cpuPercentOf(F&& run, double& wallSeconds) {
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    run();
    wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    return 100.0 * (cpuSeconds() - before) / wallSeconds;
}

struct RealPlatformForBench {
    QTemporaryDir folder;
    RealServices real{folder.filePath(QStringLiteral("printed"))};
    RealPlatformForBench() { platform::installServices(real.services()); }
};

RealPlatformForBench& realPlatform() {
    static RealPlatformForBench instance;
    return instance;
}

void BM_IdleWaitCpu(benchmark::State& state) {
    QtEventPump pump;
    for (auto _ : state) {
        double wall = 0;
        const double percent = cpuPercentOf(
            [&] {
                QElapsedTimer t;
                t.start();
                while (t.elapsed() < 5000) pump.waitEvents();
            },
            wall);
        state.counters["cpu_percent"] = percent;
        state.counters["wall_s"] = wall;
    }
}
BENCHMARK(BM_IdleWaitCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_DoEventsNothingPending(benchmark::State& state) {
    QtEventPump pump;
    pump.doEvents();
    for (auto _ : state) pump.doEvents();
}
BENCHMARK(BM_DoEventsNothingPending)->Unit(benchmark::kMicrosecond);

// A 300-pixel glide at full speed: the picture moves one pixel, then pending events run.
void BM_Glide300Steps(benchmark::State& state) {
    QtEventPump pump;
    QWidget window;
    window.resize(1024, 768);
    QLabel picture(QStringLiteral("picture"), &window);
    picture.setGeometry(0, 100, 160, 120);
    picture.setAutoFillBackground(true);
    window.show();
    pump.doEvents();
    for (auto _ : state) {
        for (int x = 0; x < 300; ++x) {
            picture.move(x, 100);
            pump.doEvents();
        }
    }
    state.counters["per_step_us"] =
        benchmark::Counter(300, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Glide300Steps)->Unit(benchmark::kMillisecond);

void BM_WaitOnTwoSecondWavCpu(benchmark::State& state) {
    auto& p = realPlatform();
    const QString path = p.folder.filePath(QStringLiteral("two.wav"));
    if (!writeWav(path, toneAudio(2.0))) state.SkipWithError("cannot write the sound");
    const auto playToEnd = [&] {
        auto device = platform::audioDevices().openPlayback(path);
        if (!device) return;
        device->play();
        while (device->mode() == QStringLiteral("playing")) platform::pump().waitEvents();
    };
    playToEnd();  // warm-up: the media framework's first use
    for (auto _ : state) {
        double wall = 0;
        state.counters["cpu_percent"] = cpuPercentOf(playToEnd, wall);
        state.counters["wall_s"] = wall;
    }
}
BENCHMARK(BM_WaitOnTwoSecondWavCpu)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

// The same idle wait once the sound player, the speech and a playback device have been used: the
// media framework's pipelines stay alive and must not cost anything while silent.
void BM_IdleWaitCpuAfterSounds(benchmark::State& state) {
    auto& p = realPlatform();
    const QString path = p.folder.filePath(QStringLiteral("short.wav"));
    if (!writeWav(path, toneAudio(0.3))) state.SkipWithError("cannot write the sound");
    platform::wavePlayer().playSync(path, false);
    platform::speech().speak(QStringLiteral("Done."));
    while (platform::speech().isSpeaking()) platform::pump().waitEvents();
    for (auto _ : state) {
        double wall = 0;
        state.counters["cpu_percent"] = cpuPercentOf(
            [] {
                QElapsedTimer t;
                t.start();
                while (t.elapsed() < 5000) platform::pump().waitEvents();
            },
            wall);
        state.counters["wall_s"] = wall;
    }
}
BENCHMARK(BM_IdleWaitCpuAfterSounds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_SynthesizeShortSentence(benchmark::State& state) {
    for (auto _ : state) {
        auto audio = synthesizeSpeech(QStringLiteral("Put the bread in the toaster."));
        if (!audio) state.SkipWithError("the synthesizer failed");
        benchmark::DoNotOptimize(audio);
    }
}
BENCHMARK(BM_SynthesizeShortSentence)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
