// The task's clip on the television panel with the real player, pump and clock (run it on a
// display: xvfb-run -a -s '-screen 0 1024x768x24' env QT_QPA_PLATFORM=xcb build/bench/clip_playback):
//  - the default content's clip from the video button to the end of the wait: wall time and the
//    processor used by the whole process while it plays; with STEPWICK_SHOTS_DIR set, a picture
//    of the screen is saved there 3 s into the clip;
//  - a zero-byte and a text file named .avi: how long the wait takes to give up (target: under
//    a second).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "CpuTime.h"
#include "TestPlatform.h"
#include "activity/FormAnimation.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "library/DefaultOptions.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "platform/QtEventPump.h"
#include "platform/QtMediaPlayers.h"
#include "platform/SystemClock.h"

namespace {

const QString kClip = QStringLiteral("demo_planting_a_seed.avi");

// The shipped pictures and prompts, the clip, and a two-step task whose clip is `clipName`.
QString writeTask(TestPlatform& p, const QString& clipName) {
    const QDir content(QStringLiteral(STEPWICK_CONTENT_BUILD_DIR));
    for (const QString& name : content.entryList(
             {QStringLiteral("aobj_*.jpg"), QStringLiteral("aobj_*.gif"), QStringLiteral("*.wav"), kClip})) {
        QFile::copy(content.filePath(name), p.path(name));
    }
    TaskRecord task;
    task.StepCount = 2;
    task.TaskTitle = QStringLiteral("Planting a seed");
    task.TaskCategory = QStringLiteral("Bench");
    task.TaskVideoFile = clipName;
    task.TaskId = QStringLiteral("900");
    task.TaskIntroFile = QStringLiteral("None");
    for (int s = 1; s <= 2; ++s) {
        StepRecord step;
        step.PictureCategory = QStringLiteral("Bench");
        step.StepDescription = QStringLiteral("Step %1").arg(s);
        step.StepPhonetic = QStringLiteral("None");
        step.StepPictureFile = QStringLiteral("aobj_missing_pic.jpg");
        step.StepWaveFile = QStringLiteral("None");
        step.PictureId = QString::number(9000 + s);
        task.StepFileName[s] = QStringLiteral("step_%1.stp").arg(s);
        (void)writePicture(task.StepFileName[s], step);
    }
    const QString file = QStringLiteral("clip_%1.tsk").arg(qHash(clipName));
    (void)writeTask(file, task);
    return file;
}

struct RealClipWorld {
    TestPlatform p;
    QtEventPump pump;
    SystemClock clock;
    QtMediaPlayers media;
    std::unique_ptr<RealServices> real = std::make_unique<RealServices>(p.path(QStringLiteral("print")));

    RealClipWorld() {
        StudentOptions = defaultStudentOptions();
        StudentOptions.AnimationSpeed = 0;
        StudentOptions.PressReminder = 2;
        StudentOptions.VideoButton = 1;
        CurrentStudent = QStringLiteral("Ann");
        Edition = 1;
        fillBackgroundColors();
        // Real sound, clip, pump and clock; the fake screen (1024 x 768) and message boxes.
        Services s = platform::services();
        const Services& r = real->services();
        s.pump = &pump;
        s.clock = &clock;
        s.media = &media;
        s.audio = r.audio;
        s.wave = r.wave;
        platform::installServices(s);
    }
    // The sound devices the activity opened go before the real services that made them.
    ~RealClipWorld() { resetGlobvars(); }
};

// From the video button to the end of the wait.
double playFromButton(FormAnimation& w) {
    QElapsedTimer wall;
    wall.start();
    w.PicPlayVideo_Click();
    return wall.nsecsElapsed() / 1e9;
}

void BM_DefaultClipOnThePanel(benchmark::State& state) {
    RealClipWorld world;
    const QString task = writeTask(world.p, kClip);
    for (auto _ : state) {
        FormAnimation w;
        w.setStartsOnShow(false);
        w.setWindowState(Qt::WindowNoState);
        w.setGeometry(world.p.screen.rect);
        w.loadTask(task);
        w.resetBoard();
        w.layOutBoard();
        w.show();
        for (int i = 0; i < 20; ++i) world.pump.waitEvents();
        const QString folder = qEnvironmentVariable("STEPWICK_SHOTS_DIR");
        bool shotSaved = false;
        if (!folder.isEmpty()) {
            QTimer::singleShot(3000, &w, [&] {
                QDir().mkpath(folder);
                const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
                shotSaved = screen.save(QDir(folder).filePath(QStringLiteral("clip_on_the_panel.png")));
            });
        }
        const double cpuBefore = processCpuSeconds();
        const double seconds = playFromButton(w);
        state.counters["wall_s"] = seconds;
        state.counters["cpu_percent"] = 100.0 * (processCpuSeconds() - cpuBefore) / seconds;
        state.counters["shot"] = shotSaved ? 1 : 0;
        if (!world.p.messages.texts.isEmpty())
            state.SkipWithError(world.p.messages.texts.first().toStdString().c_str());
    }
}
BENCHMARK(BM_DefaultClipOnThePanel)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_UnplayableClipEndsTheWait(benchmark::State& state) {
    RealClipWorld world;
    const bool text = state.range(0) == 1;
    const QString name = text ? QStringLiteral("text.avi") : QStringLiteral("empty.avi");
    world.p.writeFile(name, text ? QByteArray("This is not a video.\r\n") : QByteArray());
    const QString task = writeTask(world.p, name);
    FormAnimation w;
    w.setStartsOnShow(false);
    w.setWindowState(Qt::WindowNoState);
    w.setGeometry(world.p.screen.rect);
    w.loadTask(task);
    w.resetBoard();
    w.layOutBoard();
    w.show();
    for (auto _ : state) state.counters["wait_s"] = playFromButton(w);
}
BENCHMARK(BM_UnplayableClipEndsTheWait)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"text"})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The player alone: from play() to the state that is not Playing.
void BM_UnplayableClipPlayerAlone(benchmark::State& state) {
    RealClipWorld world;
    const bool text = state.range(0) == 1;
    const QString name = world.p.path(text ? QStringLiteral("text.avi") : QStringLiteral("empty.avi"));
    world.p.writeFile(QFileInfo(name).fileName(), text ? QByteArray("This is not a video.\r\n") : QByteArray());
    for (auto _ : state) {
        auto player = platform::mediaPlayers().create();
        QElapsedTimer wall;
        wall.start();
        (void)player->load(name);
        player->play();
        while (player->state() == MediaPlayer::State::Playing) world.pump.waitEvents();
        state.counters["failed_after_s"] = wall.nsecsElapsed() / 1e9;
        state.counters["failed"] = player->state() == MediaPlayer::State::Failed ? 1 : 0;
        wall.restart();
        player->stop();
        state.counters["stopped_in_s"] = wall.nsecsElapsed() / 1e9;
        wall.restart();
        player->setDisplay(nullptr, {});
        (void)player->load(name);
        state.counters["reloaded_in_s"] = wall.nsecsElapsed() / 1e9;
        wall.restart();
        player.reset();
        state.counters["destroyed_in_s"] = wall.nsecsElapsed() / 1e9;
    }
}
BENCHMARK(BM_UnplayableClipPlayerAlone)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"text"})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
