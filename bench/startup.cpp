// Start-up to the main menu, drawn, with 200 students and 1000 tasks in the data folder: the
// main window is made (reading the edition), shown, and its activation runs (the roster filled,
// the teacher's options loaded, the activity and options windows made, the logo and the seven
// buttons loaded); then the window is drawn. Without the gong (already played in this run) and
// without the first-run calibration (the teacher is calibrated). Target: at most 500 ms.

#include "activity/FormAnimation.h"
#include "app/Forms.h"
#include "app/Globvars.h"
#include "library/DefaultOptions.h"
#include "library/FileIds.h"
#include "library/FormTask.h"
#include "library/OptionsFile.h"
#include "library/TaskFile.h"
#include "students/FormMain.h"
#include "students/FormOptions.h"

#include "TestPlatform.h"

#include "BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>

#include <memory>

namespace {

constexpr int kStudents = 200;
constexpr int kTasks = 1000;

// One data folder for the whole run: the shipped content (logo, buttons) when it is built, the
// students and the tasks.
TestPlatform& dataFolder() {
    static const std::unique_ptr<TestPlatform> platform = [] {
        auto p = std::make_unique<TestPlatform>();
        const QDir content(QStringLiteral(STEPWICK_CONTENT_BUILD_DIR));
        for (const QString& name : content.entryList({QStringLiteral("aobj_*")}, QDir::Files))
            QFile::copy(content.filePath(name), p->path(name));
        if (!QFile::exists(p->path(QStringLiteral("aobj_prog_type.cfg"))))
            p->writeFile(QStringLiteral("aobj_prog_type.cfg"), " 1 \r\n");
        StudentOptions = defaultStudentOptions();
        StudentOptions.AnimationSpeed = 200000;
        if (!saveStudentOptions(QStringLiteral("teacher"))) std::abort();
        for (int i = 0; i < kStudents; ++i) {
            if (!saveStudentOptions(QStringLiteral("Student %1").arg(i, 3, 10, QLatin1Char('0')))) std::abort();
        }
        for (int i = 0; i < kTasks; ++i) {
            const QString id = QString::number(222222222 + i * 7919);
            TaskRecord task;
            task.StepCount = static_cast<std::int16_t>(2 + i % 9);
            task.TaskTitle = QStringLiteral("Task number %1, with a title of ordinary length").arg(i);
            task.TaskCategory = QStringLiteral("Category %1").arg(i % 40);
            task.TaskVideoFile = QStringLiteral("None");
            for (int s = 1; s <= task.StepCount; ++s) task.StepFileName[s] = QStringLiteral("step%1.stp").arg(s);
            task.TaskId = id;
            task.TaskIntroFile = QStringLiteral("None");
            if (!writeTask(generatedTaskFileName(id), task)) std::abort();
        }
        return p;
    }();
    return *platform;
}

void BM_StartUpToTheMainMenu(benchmark::State& state) {
    TestPlatform& p = dataFolder();
    p.screen.rect = QRect(0, 0, 1024, 768);
    for (auto _ : state) {
        state.PauseTiming();
        resetForms();
        CurrentStudent.clear();
        GongPlayed = 1;
        registerForm(FormId::Main, [] { return new FormMain; });
        registerForm(FormId::Task, [] { return new FormTask; });
        registerForm(FormId::Animation, [] { return new FormAnimation; });
        registerForm(FormId::Options, [] { return new FormOptions; });
        state.ResumeTiming();

        showForm(FormId::Main);
        auto* w = qobject_cast<FormMain*>(form(FormId::Main));
        while (w->activations() == 0) QApplication::processEvents();
        const QImage drawn = w->grab().toImage();
        benchmark::DoNotOptimize(drawn.constBits());
        if (w->ListLogon->count() != kStudents + 1) state.SkipWithError("the roster was not filled");
        if (!p.messages.texts.isEmpty()) state.SkipWithError(qPrintable(p.messages.texts.first()));
    }
    state.counters["students"] = kStudents;
    state.counters["tasks"] = kTasks;
    resetForms();
}
BENCHMARK(BM_StartUpToTheMainMenu)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
