// Listing a library of 1000 tasks and 1000 pictures the way the task list and the picture list
// read them: every "*.tsk" file's count, title, category and video, every "*.stp" file's category
// and description. Target: at most 200 ms for both lists together.

#include "library/FileIds.h"
#include "library/LibraryChecks.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"

#include "TestPlatform.h"

#include "BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kTasks = 1000;
constexpr int kPictures = 1000;

// One library for the whole run, in a temporary AppFolder.
TestPlatform& library() {
    static const std::unique_ptr<TestPlatform> platform = [] {
        auto p = std::make_unique<TestPlatform>();
        for (int i = 0; i < kPictures; ++i) {
            const QString id = QString::number(111111111 + i * 7919);
            const StepRecord picture{QStringLiteral("Category %1").arg(i % 40),
                                     QStringLiteral("Picture number %1").arg(i),
                                     QStringLiteral("None"),
                                     QStringLiteral("picture_%1.jpg").arg(i),
                                     QStringLiteral("None"),
                                     id};
            if (!writePicture(generatedPictureFileName(id), picture)) std::abort();
        }
        for (int i = 0; i < kTasks; ++i) {
            const QString id = QString::number(222222222 + i * 7919);
            TaskRecord task;
            task.StepCount = static_cast<std::int16_t>(2 + i % 9);
            task.TaskTitle = QStringLiteral("Task number %1, with a title of ordinary length").arg(i);
            task.TaskCategory = QStringLiteral("Category %1").arg(i % 40);
            task.TaskVideoFile = QStringLiteral("None");
            for (int s = 1; s <= task.StepCount; ++s) {
                task.StepFileName[s] =
                    generatedPictureFileName(QString::number(111111111 + ((i + s) % kPictures) * 7919));
            }
            task.TaskId = id;
            task.TaskIntroFile = QStringLiteral("None");
            if (!writeTask(generatedTaskFileName(id), task)) std::abort();
        }
        return p;
    }();
    return *platform;
}

void BM_ListTasksAndPictures(benchmark::State& state) {
    library();
    for (auto _ : state) {
        int listed = 0;
        for (const QString& name : taskFileNames()) {
            auto task = readTaskFile(name, TaskReaders::list);
            listed += task ? 1 : 0;
            benchmark::DoNotOptimize(task);
        }
        for (const QString& name : pictureFileNames()) {
            auto picture = readPictureFile(name, PictureReaders::list);
            listed += picture ? 1 : 0;
            benchmark::DoNotOptimize(picture);
        }
        if (listed != kTasks + kPictures) state.SkipWithError("not every file was listed");
    }
    state.counters["files"] = kTasks + kPictures;
}
BENCHMARK(BM_ListTasksAndPictures)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
