// The activity window with the real widgets.
//  - loading and laying out a 10-step task whose pictures are 4000 x 3000 photographs (JPEG):
//    the first time (every picture decoded) and again (the same task chosen again); target for
//    the first: 150 ms;
//  - the processor while a run waits for the student (the real event pump, 5 s): target under
//    2% of a core.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QTimer>

#include "CpuTime.h"
#include "TestPlatform.h"
#include "activity/FormAnimation.h"
#include "app/Globvars.h"
#include "library/DefaultOptions.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "platform/QtEventPump.h"
#include "platform/SystemClock.h"

namespace {

// A photograph-like picture: smooth colour with grain, which JPEG does not squeeze much (a
// grain of 48 levels gives files of 5.7 MB, like a noisy phone photograph; 12 levels 2 MB).
QImage photograph(QSize size, int seed, int grainLevels) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = static_cast<int>(random.bounded(static_cast<quint32>(grainLevels)));
            line[x] = qRgb((x * 255 / size.width() + grain + seed * 40) % 256, (y * 255 / size.height() + grain) % 256,
                           (128 + grain * 2 + seed * 17) % 256);
        }
    }
    return image;
}

// The shipped pictures of the board (box cards, arrows, the missing-picture card) and a task
// of `steps` steps whose pictures are `pictureSize` photographs.
QString writeTask(TestPlatform& p, int steps, QSize pictureSize, int grainLevels = 12) {
    const QDir content(QStringLiteral(STEPWICK_CONTENT_BUILD_DIR));
    for (const QString& name : content.entryList(
             {QStringLiteral("aobj_*.jpg"), QStringLiteral("aobj_*.gif"), QStringLiteral("com_stop.wav")})) {
        QFile::copy(content.filePath(name), p.path(name));
    }
    TaskRecord task;
    task.StepCount = static_cast<std::int16_t>(steps);
    task.TaskTitle = QStringLiteral("Large photographs");
    task.TaskCategory = QStringLiteral("Bench");
    task.TaskVideoFile = QStringLiteral("None");
    task.TaskId = QStringLiteral("900");
    task.TaskIntroFile = QStringLiteral("None");
    for (int s = 1; s <= steps; ++s) {
        StepRecord step;
        step.PictureCategory = QStringLiteral("Bench");
        step.StepDescription = QStringLiteral("Photograph %1").arg(s);
        step.StepPhonetic = QStringLiteral("None");
        step.StepPictureFile = QStringLiteral("photo_%1.jpg").arg(s);
        step.StepWaveFile = QStringLiteral("None");
        step.PictureId = QString::number(9000 + s);
        photograph(pictureSize, s, grainLevels).save(p.path(step.StepPictureFile), "JPEG", 85);
        task.StepFileName[s] = QStringLiteral("photo_%1.stp").arg(s);
        (void)writePicture(task.StepFileName[s], step);
    }
    (void)writeTask(QStringLiteral("photos.tsk"), task);
    return QStringLiteral("photos.tsk");
}

void useDefaultOptions() {
    StudentOptions = defaultStudentOptions();
    StudentOptions.AnimationSpeed = 0;
    StudentOptions.PressReminder = 2;
    CurrentStudent = QStringLiteral("Ann");
    fillBackgroundColors();
}

void BM_LoadAndLayOutTenLargePhotographs(benchmark::State& state) {
    TestPlatform p;
    useDefaultOptions();
    const QString task = writeTask(p, 10, QSize(4000, 3000), static_cast<int>(state.range(1)));
    state.counters["file_MB"] = QFileInfo(p.path(QStringLiteral("photo_1.jpg"))).size() / 1e6;
    const bool again = state.range(0) == 1;
    FormAnimation w;
    w.setStartsOnShow(false);
    w.loadTask(task);
    w.resetBoard();
    w.layOutBoard();
    for (auto _ : state) {
        if (!again) w.forgetDecodedPictures();
        w.loadTask(task);
        w.resetBoard();
        w.layOutBoard();
        QCoreApplication::processEvents();  // the board painted once
    }
    if (!p.messages.texts.isEmpty()) state.SkipWithError(p.messages.texts.first().toStdString().c_str());
}
BENCHMARK(BM_LoadAndLayOutTenLargePhotographs)
    ->ArgsProduct({{0, 1}, {12, 48}})
    ->ArgNames({"again", "grain"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The run loop of a task waiting for the student, on the real pump and clock: the window leaves
// the task by its Exit button after 5 seconds.
class WaitingActivity : public FormAnimation {
public:
    double cpuAtStart = 0;
    QElapsedTimer wall;
    void introduceTask() override {
        QTimer::singleShot(5000, this, [this] { PicExit_Click(); });
        wall.start();
        cpuAtStart = processCpuSeconds();
    }
};

void BM_WaitingForTheStudentCpu(benchmark::State& state) {
    TestPlatform p;
    useDefaultOptions();
    QtEventPump pump;
    SystemClock clock;
    Services s = platform::services();
    s.pump = &pump;
    s.clock = &clock;
    platform::installServices(s);
    ChosenTaskList[1] = writeTask(p, 5, QSize(400, 300));
    ChosenTaskIndex[1] = 0;
    ChosenTaskCount = 1;
    for (auto _ : state) {
        WaitingActivity w;
        w.show();
        while (w.isVisible() || w.cpuAtStart == 0) pump.waitEvents();
        const double wall = w.wall.nsecsElapsed() / 1e9;
        state.counters["cpu_percent"] = 100.0 * (processCpuSeconds() - w.cpuAtStart) / wall;
        state.counters["wall_s"] = wall;
    }
}
BENCHMARK(BM_WaitingForTheStudentCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

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
