// What waiting and animating cost on the real event pump and audio path.
//  - an idle wait (waitEvents passes for 5 s with nothing happening): target under 2% of a core;
//  - one doEvents() with nothing pending: target well under a millisecond; and a 300-step glide
//    that moves a widget one pixel and calls doEvents() per step;
//  - waiting on a 2-second WAV through a playback device polled with waitEvents: target under 5%;
//  - synthesizing a short sentence (the speech's delay before it is heard), and 200 texts spoken
//    from four threads at once while a sound plays;
//  - how long the real players take where the tests only check what holds on any machine: a 1 s
//    WAV on a playback device and on the simple player, a stop from a handler 200 ms into a
//    sound, a long sound replaced by a half-second one, a short text spoken to its end, a 1 s clip
//    in the media player, the recorder without a microphone.
// CPU figures are the whole process (every thread, the media framework's included) over wall time.

#include "BenchmarkMain.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <thread>
#include <vector>

#include "ToneAudio.h"
#include "platform/EspeakSynth.h"
#include "platform/MediaPlayer.h"
#include "platform/QtEventPump.h"
#include "platform/QtWavePlayer.h"
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

double secondsOf(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e9; }

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

void BM_SynthesizeFromFourThreadsWhileASoundPlays(benchmark::State& state) {
    auto& p = realPlatform();
    const QString path = p.folder.filePath(QStringLiteral("background.wav"));
    if (!writeWav(path, toneAudio(2.0))) state.SkipWithError("cannot write the sound");
    platform::wavePlayer().playAsync(path, true);
    constexpr int kThreads = 4, kTexts = 50;
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        std::vector<std::thread> threads;
        std::atomic<int> failed{0};
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&failed, t] {
                for (int i = 0; i < kTexts; ++i) {
                    if (!synthesizeSpeech(QStringLiteral("Step %1. Put the cup on the table.").arg(t * kTexts + i)))
                        ++failed;
                }
            });
        }
        for (auto& thread : threads) thread.join();
        state.counters["wall_s"] = secondsOf(wall);
        state.counters["ms_per_text"] = 1000 * secondsOf(wall) / (kThreads * kTexts);
        if (failed > 0) state.SkipWithError("a text was not spoken");
    }
    platform::wavePlayer().stop();
}
BENCHMARK(BM_SynthesizeFromFourThreadsWhileASoundPlays)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Pumps waiting passes until done() holds; the seconds it took.
template <typename F>
double secondsUntil(F&& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && !t.hasExpired(30000)) platform::pump().waitEvents();
    return secondsOf(t);
}

void BM_RealPlayerTimes(benchmark::State& state) {
    auto& p = realPlatform();
    const QString second = p.folder.filePath(QStringLiteral("second.wav"));
    const QString half = p.folder.filePath(QStringLiteral("half.wav"));
    const QString longer = p.folder.filePath(QStringLiteral("thirty.wav"));
    if (!writeWav(second, toneAudio(1.0)) || !writeWav(half, toneAudio(0.5)) || !writeWav(longer, toneAudio(30.0))) {
        state.SkipWithError("cannot write the sounds");
    }
    auto& player = dynamic_cast<QtWavePlayer&>(platform::wavePlayer());
    player.playSync(half, false);  // warm-up
    for (auto _ : state) {
        auto device = platform::audioDevices().openPlayback(second);
        if (!device) state.SkipWithError("no playback device");
        if (!device) break;
        device->play();
        state.counters["device_1s_wav_s"] = secondsUntil([&] { return device->mode() != QStringLiteral("playing"); });

        QElapsedTimer t;
        t.start();
        player.playSync(second, false);
        state.counters["playsync_1s_wav_s"] = secondsOf(t);

        QTimer::singleShot(200, [&player] { player.stop(); });
        t.start();
        player.playSync(longer, false);
        state.counters["stopped_at_200ms_returns_s"] = secondsOf(t);

        player.playAsync(longer, false);
        player.playAsync(half, false);
        state.counters["replaced_by_half_second_silent_s"] = secondsUntil([&] { return !player.isPlaying(); });

        platform::speech().speak(QStringLiteral("this is a test"));
        state.counters["speech_this_is_a_test_s"] = secondsUntil([] { return !platform::speech().isSpeaking(); });

        auto clip = platform::mediaPlayers().create();
        if (Status loaded = clip->load(second); !loaded) state.SkipWithError(qPrintable(loaded.error()));
        clip->play();
        state.counters["media_player_1s_clip_s"] =
            secondsUntil([&] { return clip->state() != MediaPlayer::State::Playing; });

        t.start();
        auto recorder = platform::audioDevices().openRecorder();
        // Without a microphone both fail at once; the figure is how long that takes.
        if (recorder && recorder->start())
            static_cast<void>(recorder->save(p.folder.filePath(QStringLiteral("recorded.wav"))));
        if (recorder) recorder->close();
        state.counters["recorder_start_and_save_s"] = secondsOf(t);
    }
}
BENCHMARK(BM_RealPlayerTimes)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
