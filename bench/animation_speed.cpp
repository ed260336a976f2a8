// What the delay loop and the speed measurement give on this computer.
//  - killtime: the time of one count, and that it grows linearly with the value;
//  - the calibration as the first start runs it: a picture moved one pixel per step on an
//    offscreen window, the real clock and event pump; prints the AnimationSpeed found.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>

#include "app/Killtime.h"
#include "app/SpeedCalibration.h"
#include "platform/QtEventPump.h"
#include "platform/Services.h"
#include "platform/SystemClock.h"

namespace {

void BM_Killtime(benchmark::State& state) {
    const auto n = static_cast<double>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(killtime(n));
    state.counters["ns_per_count"] = benchmark::Counter(
        n + 1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_Killtime)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_FirstRunCalibration(benchmark::State& state) {
    QtEventPump pump;
    SystemClock clock;
    Services services = platform::services();
    services.pump = &pump;
    services.clock = &clock;
    platform::installServices(services);

    QWidget window;
    window.resize(1024, 768);
    QLabel picture(QStringLiteral("calibration"), &window);
    picture.setGeometry(20, 100, 200, 150);
    picture.setAutoFillBackground(true);
    window.show();
    pump.doEvents();

    SpeedCalibration calibration;
    calibration.measurement.movePicture = [&picture] { picture.move(picture.x() + 1, picture.y()); };
    calibration.placePicture = [&picture] {
        if (picture.x() > 400) picture.move(20, picture.y());
    };
    for (auto _ : state) state.counters["animation_speed"] = calibrateSpeed(calibration);
    platform::installServices({});
}
BENCHMARK(BM_FirstRunCalibration)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
