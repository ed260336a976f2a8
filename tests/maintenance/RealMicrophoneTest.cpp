#include "RealAudio.h"
#include "WorkshopFixture.h"

#include "app/PictureWidgets.h"
#include "audio/MultimediaCommands.h"
#include "maintenance/RecordingControls.h"
#include "platform/WavFile.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A PulseAudio server of the test's own, on a socket in a temporary folder, with a null sink
// whose monitor is the default source: what is played into the sink is what a microphone would
// hear. Qt lists no monitor as an input, so the monitor is offered through a remapped source. Only this process talks
// to it (PULSE_SERVER), so the machine's sound and the other tests never see it.
class OwnPulseAudio {
public:
    OwnPulseAudio() {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (server.isEmpty()) {
            problem = QStringLiteral("pulseaudio is not installed (Debian package pulseaudio)");
            return;
        }
        if (QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pacat")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
            problem = QStringLiteral("pactl, pacat and parec are not installed (Debian package pulseaudio-utils)");
            return;
        }
        socket = dir.filePath(QStringLiteral("native"));
        QFile script(dir.filePath(QStringLiteral("test.pa")));
        if (!script.open(QIODevice::WriteOnly)) {
            problem = QStringLiteral("cannot write the server's script");
            return;
        }
        script.write(QStringLiteral("load-module module-native-protocol-unix socket=%1 auth-anonymous=1\n"
                                    "load-module module-null-sink sink_name=stepwick_null rate=22050 channels=1\n"
                                    "load-module module-remap-source master=stepwick_null.monitor "
                                    "source_name=stepwick_mic source_properties=device.description=StepwickMic\n"
                                    "set-default-sink stepwick_null\n"
                                    "set-default-source stepwick_mic\n")
                         .arg(socket)
                         .toUtf8());
        script.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        env.insert(QStringLiteral("HOME"), dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        process.setProcessEnvironment(env);
        // Its log goes to a file: a pipe nobody reads would fill up and stop the server.
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardOutputFile(dir.filePath(QStringLiteral("server.log")));
        process.start(server, {QStringLiteral("-n"), QStringLiteral("-F"), script.fileName(),
                               QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                               QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr")});
        if (!process.waitForStarted(5000)) {
            problem = QStringLiteral("pulseaudio cannot be started: ") + process.errorString();
            return;
        }
        // Ready once pactl can talk to it; a server that cannot start says why in its output.
        QDeadlineTimer ready(15000);
        while (!ready.hasExpired() && process.state() == QProcess::Running) {
            if (QFileInfo::exists(socket) && pactl({QStringLiteral("info")})) break;
            QTest::qWait(100);
        }
        if (process.state() != QProcess::Running || !pactl({QStringLiteral("info")})) {
            problem =
                QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(process.readAll()).trimmed();
            return;
        }
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        // Through the remapped source alone the null sink runs in blocks of about two seconds, so
        // the first second or more of a recording never arrives. A listener on the monitor that
        // asks for 20 ms keeps the blocks short, as a real microphone's are.
        QProcessEnvironment listen = QProcessEnvironment::systemEnvironment();
        listen.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        listener.setProcessEnvironment(listen);
        listener.setStandardOutputFile(QProcess::nullDevice());
        listener.setStandardErrorFile(QProcess::nullDevice());
        listener.start(QStringLiteral("parec"), {QStringLiteral("--raw"), QStringLiteral("--latency-msec=20"),
                                                 QStringLiteral("--device=stepwick_null.monitor")});
        if (!listener.waitForStarted(5000)) problem = QStringLiteral("parec cannot be started");
    }

    ~OwnPulseAudio() {
        for (QProcess* helper : {&player, &listener}) {
            if (helper->state() == QProcess::NotRunning) continue;
            helper->kill();
            helper->waitForFinished(3000);
        }
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(5000)) {
                process.kill();
                process.waitForFinished(3000);
            }
        }
        qunsetenv("PULSE_SERVER");
    }

    bool pactl(const QStringList& arguments) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("pactl"), arguments);
        return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // Plays a 440 Hz tone at half of full scale into the null sink, for that long, and returns.
    void playTone(double seconds) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        player.setProcessEnvironment(env);
        player.setStandardOutputFile(QProcess::nullDevice());
        player.setStandardErrorFile(QProcess::nullDevice());
        player.start(
            QStringLiteral("pacat"),
            {QStringLiteral("--playback"), QStringLiteral("--raw"), QStringLiteral("--device=stepwick_null"),
             QStringLiteral("--format=s16le"), QStringLiteral("--rate=22050"), QStringLiteral("--channels=1")});
        if (!player.waitForStarted(5000)) return;
        QByteArray tone;
        const int samples = static_cast<int>(seconds * 22050);
        for (int i = 0; i < samples; ++i) {
            const auto s =
                static_cast<qint16>(std::lround(16384.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / 22050)));
            tone.append(static_cast<char>(s & 0xff));
            tone.append(static_cast<char>((s >> 8) & 0xff));
        }
        player.write(tone);
        player.closeWriteChannel();
    }

    QString problem;  // why the server is not there; empty when it runs
    QString socket;

private:
    QTemporaryDir tmp;
    QDir dir{tmp.path()};
    QProcess process;
    QProcess player;
    QProcess listener;
};

struct RealMicrophone : Workshop {};

// Runs the event loop for that long. The microphone's samples arrive only in a running event
// loop (or a waiting pass of one), as in the program; QTest::qWait's passes let none through.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST_F(RealMicrophone, ATonePlayedIntoTheSinkIsRecordedAndMovesTheMeterWithoutASourceNothingIsHeard) {
    OwnPulseAudio pulse;
    if (!pulse.problem.isEmpty()) GTEST_SKIP() << pulse.problem.toStdString();
    RealAudio real(p, 60.0);
    if (!real.available()) GTEST_SKIP() << "this build has no real sound players";
    picture(QStringLiteral("320000001"), QStringLiteral("Hygiene"), QStringLiteral("Wetting the brush"));
    picture(QStringLiteral("320000002"), QStringLiteral("Hygiene"), QStringLiteral("Brushing"));
    task(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
         {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")});
    open();
    w->CmdTMTasks->click();
    highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  2 Steps"));
    w->CmdExistingTask->click();
    w->CmdNextTask2->click();
    w->CmdMaint2Next->click();
    w->Cmdtask2Next3->click();
    ASSERT_EQ(frame(), w->FrameMaint4);

    pulse.playTone(5.0);
    runFor(300);  // the tone is under way
    w->PicRecordWaveIntro->click();
    ASSERT_EQ(w->RecordingActive, 1);
    runFor(3000);  // the meter's timer ticks meanwhile
    const int highest = w->MeterIntro->highest();
    w->PicStopRecordingIntro->click();
    EXPECT_EQ(w->RecordingActive, 0);

    const QString recorded = p.path(QStringLiteral("temp_intro.wav"));
    auto info = probeWav(recorded);
    ASSERT_TRUE(info) << info.error().toStdString() << " " << p.messages.texts.join(u'|').toStdString();
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_GT(info->frames, 22050 / 2);
    auto samples = readWav(recorded);
    ASSERT_TRUE(samples);
    int largest = 0;
    for (const std::int16_t sample : samples->samples) largest = std::max(largest, std::abs(static_cast<int>(sample)));
    const float peak = static_cast<float>(largest) / 32768.0f;
    EXPECT_FALSE(isSilentRecording(peak)) << "peak " << toDbfs(peak) << " dBFS";
    EXPECT_GT(highest, 50) << "the meter did not move with the tone";
    EXPECT_TRUE(p.messages.texts.isEmpty()) << p.messages.texts.join(u'|').toStdString();
    std::printf("[ figures  ] recorded %.2f s, peak %.1f dBFS, meter up to %d of 100\n",
                static_cast<double>(info->frames) / 22050.0, toDbfs(peak), highest);

    // The sink goes, and with it the only source: the recorder hears nothing, says so, and the
    // wizard goes on (no older introduction is kept as this one).
    ASSERT_TRUE(pulse.pactl({QStringLiteral("unload-module"), QStringLiteral("module-null-sink")}));
    runFor(500);  // the device list follows the server
    w->PicRecordWaveIntro->click();
    runFor(300);
    w->PicStopRecordingIntro->click();
    EXPECT_EQ(w->RecordingActive, 0);
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts.first().startsWith(QStringLiteral("Nothing was recorded")))
        << p.messages.texts.first().toStdString();
    EXPECT_FALSE(QFileInfo::exists(recorded));
    EXPECT_FALSE(w->PicRecordWaveIntro->isHidden());
    EXPECT_EQ(w->LabelAudioIntro->text(), QStringLiteral("An audio introduction has NOT been recorded for this task"));
    w->CmdTaskSave->click();
    EXPECT_EQ(frame(), w->FrameTMTaskSelect) << p.messages.texts.join(u'|').toStdString();
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
}

}  // namespace
