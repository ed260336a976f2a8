// Opening the task workshop on a library of 1000 tasks and 1000 pictures: the window is made,
// shown, and its activation fills the task list and both picture lists. Target: at most 300 ms.

#include "library/FileIds.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "maintenance/FormMaint.h"

#include "TestPlatform.h"

#include "BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include <memory>

namespace {

constexpr int kTasks = 1000;
constexpr int kPictures = 1000;

QString pictureId(int i) { return QString::number(111111111 + i * 7919); }

// One library for the whole run, in a temporary AppFolder.
TestPlatform& library() {
    static const std::unique_ptr<TestPlatform> platform = [] {
        auto p = std::make_unique<TestPlatform>();
        for (int i = 0; i < kPictures; ++i) {
            const StepRecord picture{QStringLiteral("Category %1").arg(i % 40),
                                     QStringLiteral("Picture number %1").arg(i),
                                     QStringLiteral("None"),
                                     QStringLiteral("picture_%1.jpg").arg(i),
                                     QStringLiteral("None"),
                                     pictureId(i)};
            if (!writePicture(generatedPictureFileName(pictureId(i)), picture)) std::abort();
        }
        for (int i = 0; i < kTasks; ++i) {
            const QString id = QString::number(222222222 + i * 7919);
            TaskRecord task;
            task.StepCount = static_cast<std::int16_t>(2 + i % 9);
            task.TaskTitle = QStringLiteral("Task number %1, with a title of ordinary length").arg(i);
            task.TaskCategory = QStringLiteral("Category %1").arg(i % 40);
            task.TaskVideoFile = QStringLiteral("None");
            for (int s = 1; s <= task.StepCount; ++s)
                task.StepFileName[s] = generatedPictureFileName(pictureId((i + s) % kPictures));
            task.TaskId = id;
            task.TaskIntroFile = QStringLiteral("None");
            if (!writeTask(generatedTaskFileName(id), task)) std::abort();
        }
        return p;
    }();
    return *platform;
}

void BM_OpenTheWorkshop(benchmark::State& state) {
    library();
    for (auto _ : state) {
        auto* window = new FormMaint;
        window->show();
        // The activation runs from the event loop once the window is shown.
        while (window->ListTasks->count() < kTasks) QApplication::processEvents();
        if (window->ListPics->count() != kPictures || window->ListPicStep->count() != kPictures)
            state.SkipWithError("a picture list was not filled");
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
    state.counters["files"] = kTasks + kPictures;
}
BENCHMARK(BM_OpenTheWorkshop)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
