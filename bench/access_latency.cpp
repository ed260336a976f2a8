// Step scanning on the real event pump and clock: the time from a Space key event entering the
// window system's queue to the highlight painted at its new place (target: one frame, 16 ms).
// The task has five pictures from the shipped board images; every 60 ms the bench presses
// Space, and the marquee's paint at the new place ends the measurement.
// Figures: mean, 99th percentile and largest latency in milliseconds over 200 presses.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "BenchmarkMain.h"
#include "TestPlatform.h"
#include "WindowInput.h"
#include "activity/FormAnimation.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "library/DefaultOptions.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "platform/QtEventPump.h"
#include "platform/SystemClock.h"

namespace {

constexpr int kPresses = 200;

QString writeTask(TestPlatform& p) {
    const QDir content(QStringLiteral(STEPWICK_CONTENT_BUILD_DIR));
    for (const QString& name : content.entryList(
             {QStringLiteral("aobj_*.jpg"), QStringLiteral("aobj_*.gif"), QStringLiteral("com_stop.wav")})) {
        QFile::copy(content.filePath(name), p.path(name));
    }
    TaskRecord task;
    task.StepCount = 5;
    task.TaskTitle = QStringLiteral("Scanning");
    task.TaskCategory = QStringLiteral("Bench");
    task.TaskVideoFile = QStringLiteral("None");
    task.TaskId = QStringLiteral("901");
    task.TaskIntroFile = QStringLiteral("None");
    for (int s = 1; s <= 5; ++s) {
        StepRecord step;
        step.PictureCategory = QStringLiteral("Bench");
        step.StepDescription = QStringLiteral("Picture %1").arg(s);
        step.StepPhonetic = QStringLiteral("None");
        step.StepPictureFile = QStringLiteral("scan_%1.jpg").arg(s);
        step.StepWaveFile = QStringLiteral("None");
        step.PictureId = QString::number(9100 + s);
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(60 * s, 180, 220));
        image.save(p.path(step.StepPictureFile), "JPEG", 85);
        task.StepFileName[s] = QStringLiteral("scan_%1.stp").arg(s);
        (void)writePicture(task.StepFileName[s], step);
    }
    (void)writeTask(QStringLiteral("scan.tsk"), task);
    return QStringLiteral("scan.tsk");
}

// The activity window whose run is driven by a timer: Space presses, the marquee's paints timed.
class ScanningActivity : public FormAnimation {
public:
    std::vector<double> latencies;  // milliseconds
    QElapsedTimer clock;
    qint64 pressedAt = -1;
    QRect before;

    void introduceTask() override {
        clock.start();
        auto* presses = new QTimer(this);
        QObject::connect(presses, &QTimer::timeout, this, [this, presses] {
            if (pressedAt >= 0) return;  // still waiting for the paint
            if (static_cast<int>(latencies.size()) >= kPresses) {
                presses->stop();
                PicExit_Click();
                return;
            }
            before = PicScan->isVisible() ? PicScan->geometry() : QRect();
            pressedAt = clock.nsecsElapsed();
            queueKeyEvent(this, QEvent::KeyPress, Qt::Key_Space);
            queueKeyEvent(this, QEvent::KeyRelease, Qt::Key_Space);
        });
        presses->start(60);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painting_ && watched == PicScan && event->type() == QEvent::Paint && pressedAt >= 0 &&
            PicScan->geometry() != before) {
            // The marquee painted, then the time taken.
            painting_ = true;
            const bool handled = QCoreApplication::sendEvent(PicScan, event);
            painting_ = false;
            latencies.push_back((clock.nsecsElapsed() - pressedAt) / 1e6);
            pressedAt = -1;
            return handled;
        }
        return FormAnimation::eventFilter(watched, event);
    }

private:
    bool painting_ = false;
};

void BM_SpaceToHighlightDrawn(benchmark::State& state) {
    TestPlatform p;
    // The board on the platform's own screen, so that every picture is on it and painted.
    p.screen.rect = QGuiApplication::primaryScreen()->geometry();
    StudentOptions = defaultStudentOptions();
    StudentOptions.AccessMethod = 1;
    StudentOptions.AnimationSpeed = 0;
    StudentOptions.PressReminder = 2;
    StudentOptions.Narration = 2;
    StudentOptions.AudioInstructions = 2;
    CurrentStudent = QStringLiteral("Ann");
    fillBackgroundColors();
    QtEventPump pump;
    SystemClock systemClock;
    Services s = platform::services();
    s.pump = &pump;
    s.clock = &systemClock;
    platform::installServices(s);
    const QString task = writeTask(p);
    for (auto _ : state) {
        ScanningActivity w;
        w.setStartsOnShow(false);
        w.show();
        w.loadTask(task);
        w.runScanningTask();
        std::vector<double> l = w.latencies;
        if (l.size() < 2) {
            state.SkipWithError("no presses measured");
            return;
        }
        l.erase(l.begin());  // the first press starts the run
        std::sort(l.begin(), l.end());
        double sum = 0;
        for (const double v : l) sum += v;
        state.counters["presses"] = static_cast<double>(l.size());
        state.counters["mean_ms"] = sum / static_cast<double>(l.size());
        state.counters["p99_ms"] = l[l.size() * 99 / 100];
        state.counters["max_ms"] = l.back();
    }
}
BENCHMARK(BM_SpaceToHighlightDrawn)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
