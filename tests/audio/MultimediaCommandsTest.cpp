#include "TestPlatform.h"

#include "audio/MultimediaCommands.h"
#include "audio/Recording.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

namespace {

const QString kStatus = QStringLiteral("status soundfile mode ");

QString blanks() { return QString(255, u' '); }

// A test platform whose multimedia commands are recorded in order, together with each pass of
// the event pump, and whose devices are all closed again at the end.
class MultimediaTest : public ::testing::Test {
protected:
    MultimediaTest() {
        multimedia().observer = [this](const QString& command) { trace.append(command); };
        p.pump.script = [this](bool isWait) {
            trace.append(isWait ? QStringLiteral("(wait)") : QStringLiteral("(events)"));
        };
    }
    ~MultimediaTest() override {
        multimedia().observer = nullptr;
        mciSendString(QStringLiteral("close all"));
    }

    QString wave(const QString& name, double seconds) {
        EXPECT_TRUE(p.audio.addWave(p.path(name), seconds));
        return p.path(name);
    }

    QString status() {
        QString reply = blanks();
        mciSendString(kStatus, reply);
        return modeFromReply(reply);
    }

    TestPlatform p;
    QStringList trace;
};

TEST_F(MultimediaTest, PlaybackIsPolledUntilItStops) {
    const QString path = wave(QStringLiteral("aobj_how_did.wav"), 1.0);

    EXPECT_EQ(mciSendString(QStringLiteral("close all")), MciOk);
    EXPECT_EQ(mciSendString(QStringLiteral("open \"") + path + QStringLiteral("\" alias soundfile ")), MciOk);
    EXPECT_EQ(mciSendString(QStringLiteral("play soundfile")), MciOk);

    QString reply = blanks();
    EXPECT_EQ(mciSendString(kStatus, reply), MciOk);
    // The reply ends at a NUL; the rest of the buffer is untouched.
    EXPECT_EQ(reply.left(8), QStringLiteral("playing") + QChar(u'\0'));
    EXPECT_EQ(reply.mid(8), QString(255 - 8, u' '));
    EXPECT_EQ(modeFromReply(reply), QStringLiteral("playing"));

    p.clock.advance(1.0);
    EXPECT_EQ(status(), QStringLiteral("stopped"));

    EXPECT_EQ(mciSendString(QStringLiteral("close all")), MciOk);
    EXPECT_EQ(p.audio.openDevices, 0);
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
    EXPECT_EQ(p.audio.log.first(), QStringLiteral("open ") + path);
    EXPECT_EQ(p.audio.log.last(), QStringLiteral("close ") + path);
}

TEST_F(MultimediaTest, BareAndBlankHoldingPathsOpenTheFileOfTheWorkingDirectory) {
    ASSERT_TRUE(QDir(p.folder.path()).mkdir(QStringLiteral("my sounds")));
    const QString spaced = wave(QStringLiteral("my sounds/first step.wav"), 1.0);
    wave(QStringLiteral("bare.wav"), 1.0);

    EXPECT_EQ(mciSendString(QStringLiteral("open \"") + spaced + QStringLiteral("\" alias soundfile ")), MciOk);
    EXPECT_EQ(mciSendString(QStringLiteral("OPEN \"bare.wav\" ALIAS Other")), MciOk);
    EXPECT_EQ(p.audio.log, QStringList({QStringLiteral("open ") + spaced,
                                        QStringLiteral("open ") + p.path(QStringLiteral("bare.wav"))}));
    EXPECT_EQ(mciSendString(QStringLiteral("close other")), MciOk);
    EXPECT_EQ(multimedia().openDeviceCount(), 1);
}

TEST_F(MultimediaTest, FailingCommandsHaveNoEffect) {
    wave(QStringLiteral("a.wav"), 5.0);
    wave(QStringLiteral("garbled.wav"), 5.0);
    p.audio.undecodable.insert(p.path(QStringLiteral("garbled.wav")));
    ASSERT_EQ(mciSendString(QStringLiteral("open \"a.wav\" alias soundfile ")), MciOk);
    ASSERT_EQ(mciSendString(QStringLiteral("open new type waveaudio alias capture")), MciOk);
    const QStringList logBefore = p.audio.log;

    const struct {
        const char* command;
        MciError error;
    } cases[] = {
        {"", MciUnknownCommand},
        {"close", MciUnknownCommand},
        {"stop soundfile", MciUnknownCommand},
        {"pause soundfile", MciUnknownCommand},
        {"play other", MciNoSuchDevice},
        {"status other mode", MciNoSuchDevice},
        {"close other", MciNoSuchDevice},
        {"save other \"x.wav\"", MciNoSuchDevice},
        {"status soundfile position", MciUnknownCommand},
        {"play soundfile from 0", MciUnknownCommand},
        {"open \"missing.wav\" alias other ", MciCannotOpen},
        {"open \"garbled.wav\" alias other ", MciCannotOpen},
        {"open \"\" alias other", MciCannotOpen},
        {"open \"a.wav\" alias soundfile ", MciAliasInUse},
        {"open \"a.wav\" alias all", MciUnknownCommand},
        {"open \"a.wav\" type waveaudio alias other", MciUnknownCommand},
        {"open \"a.wav\"", MciUnknownCommand},
        {"open new type cdaudio alias other", MciUnknownCommand},
        {"open new type waveaudio alias capture", MciAliasInUse},
        {"record soundfile", MciUnsupported},
        {"set soundfile channels 1", MciUnsupported},
        {"play capture", MciUnsupported},
        {"set capture bitspersample 8", MciUnsupported},
        {"set capture samplespersec 44100", MciUnsupported},
        {"set capture channels 2", MciUnsupported},
        {"set capture volume 10", MciUnknownCommand},
        {"save capture", MciUnknownCommand},
    };
    for (const auto& c : cases) {
        const QString command = QString::fromLatin1(c.command);
        SCOPED_TRACE(command.toStdString());
        QString reply = blanks();
        EXPECT_EQ(mciSendString(command, reply), c.error);
        EXPECT_EQ(reply, blanks());
        EXPECT_EQ(multimedia().openDeviceCount(), 2);
    }
    EXPECT_EQ(p.audio.log.size(), logBefore.size() + 2);  // only the two failed opens
    EXPECT_EQ(p.audio.log.mid(logBefore.size()),
              QStringList({QStringLiteral("open failed ") + p.path(QStringLiteral("missing.wav")),
                           QStringLiteral("open failed ") + p.path(QStringLiteral("garbled.wav"))}));
    EXPECT_FALSE(QFileInfo::exists(p.path(QStringLiteral("x.wav"))));
}

TEST_F(MultimediaTest, ModeIsTheReplyBeforeItsFirstNul) {
    const QChar nul(u'\0');
    const struct {
        QString buffer;
        QString mode;
    } cases[] = {
        {QStringLiteral("playing") + nul + QString(247, u' '), QStringLiteral("playing")},
        {QStringLiteral("stopped") + nul + QStringLiteral("ing") + nul, QStringLiteral("stopped")},
        {nul + QStringLiteral("playing"), QStringLiteral("unknown")},
        {blanks(), blanks()},  // a failed status leaves the blanks, which is not "playing"
        {QStringLiteral("paused"), QStringLiteral("paused")},
    };
    for (const auto& c : cases) EXPECT_EQ(modeFromReply(c.buffer), c.mode);
}

TEST_F(MultimediaTest, ReplyIsCutToFitItsBuffer) {
    wave(QStringLiteral("a.wav"), 5.0);
    ASSERT_EQ(mciSendString(QStringLiteral("open \"a.wav\" alias soundfile")), MciOk);
    ASSERT_EQ(mciSendString(QStringLiteral("play soundfile")), MciOk);

    QString small(4, u' ');
    EXPECT_EQ(mciSendString(kStatus, small), MciOk);
    EXPECT_EQ(small, QStringLiteral("pla") + QChar(u'\0'));
    QString none;
    EXPECT_EQ(mciSendString(kStatus, none), MciOk);
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(MultimediaTest, RecordingSendsItsCommandsAndSavesToAPathWithBlanks) {
    ASSERT_TRUE(QDir(p.folder.path()).mkdir(QStringLiteral("task pictures")));
    const QString target = p.path(QStringLiteral("task pictures/step one.wav"));

    startRecording();
    stopRecording(target);

    EXPECT_EQ(trace, QStringList({
                         QStringLiteral("close all"),
                         QStringLiteral("open new type waveaudio alias capture"),
                         QStringLiteral("set capture bitspersample 16"),
                         QStringLiteral("set capture samplespersec 22050"),
                         QStringLiteral("set capture channels 1"),
                         QStringLiteral("record capture"),
                         QStringLiteral("save capture \"") + target + QStringLiteral("\""),
                         QStringLiteral("(events)"),
                         QStringLiteral("close capture"),
                     }));
    EXPECT_EQ(p.audio.log, QStringList({QStringLiteral("record"), QStringLiteral("save ") + target,
                                        QStringLiteral("close recorder")}));
    EXPECT_TRUE(QFileInfo(target).isFile());
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
}

TEST_F(MultimediaTest, RecordingStartClosesAPlaybackLeftOpen) {
    const QString path = wave(QStringLiteral("a.wav"), 5.0);
    ASSERT_EQ(mciSendString(QStringLiteral("open \"a.wav\" alias soundfile")), MciOk);
    startRecording();
    EXPECT_TRUE(p.audio.log.contains(QStringLiteral("close ") + path));
    EXPECT_EQ(multimedia().openDeviceCount(), 1);
    EXPECT_EQ(p.audio.openDevices, 0);
}

TEST_F(MultimediaTest, WithoutAMicrophoneOrARecordingNothingIsWrittenAndNothingSaid) {
    const QString target = p.path(QStringLiteral("temp.wav"));

    // Stopping when no recording runs: both commands fail.
    EXPECT_EQ(mciSendString(QStringLiteral("save capture \"") + target + QStringLiteral("\"")), MciNoSuchDevice);
    stopRecording(target);

    p.audio.hasMicrophone = false;
    startRecording();
    EXPECT_EQ(mciSendString(QStringLiteral("record capture")), MciDeviceFailed);
    stopRecording(target);

    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(p.messages.texts.isEmpty());
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
}

TEST_F(MultimediaTest, ARecordingTellsWhatBecameOfItHowLoudItWasAndCanBeDropped) {
    const QString target = p.path(QStringLiteral("temp.wav"));
    EXPECT_EQ(recordingLevel(), 0.0f);  // nothing records

    p.audio.recordedLevel = 0.25f;
    startRecording();
    EXPECT_FLOAT_EQ(recordingLevel(), 0.25f);
    RecordingResult heard = stopRecording(target);
    EXPECT_TRUE(heard.recorded);
    EXPECT_TRUE(heard.saved);
    EXPECT_FLOAT_EQ(heard.peak, 0.25f);
    EXPECT_EQ(recordingLevel(), 0.0f);

    // A failed write: recorded, not saved, the file as it was.
    const QByteArray before = p.readFile(QStringLiteral("temp.wav"));
    p.audio.saveProblem = QStringLiteral("The disk is full.");
    startRecording();
    RecordingResult full = stopRecording(target);
    EXPECT_TRUE(full.recorded);
    EXPECT_FALSE(full.saved);
    EXPECT_EQ(p.readFile(QStringLiteral("temp.wav")), before);
    p.audio.saveProblem.clear();

    p.audio.hasMicrophone = false;
    startRecording();
    RecordingResult none = stopRecording(target);
    EXPECT_FALSE(none.recorded);
    EXPECT_FALSE(none.saved);
    EXPECT_EQ(none.peak, 0.0f);

    // Dropped: released, nothing saved.
    p.audio.hasMicrophone = true;
    p.audio.log.clear();
    trace.clear();
    startRecording();
    discardRecording();
    EXPECT_EQ(trace.last(), QStringLiteral("close capture"));
    EXPECT_FALSE(p.audio.log.join(u' ').contains(QStringLiteral("save")));
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
}

}  // namespace
