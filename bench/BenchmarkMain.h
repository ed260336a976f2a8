#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of every benchmark program: headless unless a display is asked for, with a real
// QApplication for the length of the run.
inline int runBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
