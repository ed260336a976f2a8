#include <gtest/gtest.h>

#include <QAudioFormat>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <cstring>

#include "RealPlatform.h"
#include "ToneAudio.h"
#include "WarningLog.h"
#include "platform/QtWavePlayer.h"
#include "platform/QtWaveRecorder.h"
#include "platform/SoundChannel.h"
#include "platform/WavFile.h"

namespace {

// The real players on this machine. What is checked holds however busy the machine is: a sound
// lasts at least its length, ends by itself (the player never had to give up on the media
// framework), and one that is cut off ends long before its own end would come. How long things
// take is measured in bench/platform_waiting.
class RealAudioTest : public ::testing::Test {
protected:
    void TearDown() override {
        const QStringList stuck = warnings.containing(QLatin1String(kSoundTakenAsEnded));
        EXPECT_TRUE(stuck.isEmpty()) << stuck.join(u'\n').toStdString();
    }

    QString tone(const QString& name, double seconds) {
        const QString p = real.path(name);
        EXPECT_TRUE(writeWav(p, toneAudio(seconds)).ok());
        return p;
    }

    // Plays the file on a playback device and returns how long mode() said "playing".
    static double playOnDevice(const QString& path) {
        auto device = platform::audioDevices().openPlayback(path);
        if (!device) return -1;
        device->play();
        return RealPlatform::waitUntil([&] { return device->mode() != QStringLiteral("playing"); });
    }

    static QElapsedTimer timer() {
        QElapsedTimer t;
        t.start();
        return t;
    }

    WarningLog warnings;
    RealPlatform real;
};

TEST_F(RealAudioTest, PlaybackDevicePlaysAGeneratedSecondToStopped) {
    const QString path = tone(QStringLiteral("second.wav"), 1.0);
    // The media framework's first use on a fresh machine builds its plugin cache: seconds.
    ASSERT_GE(playOnDevice(path), 0.0) << "the warm-up play never ended";
    EXPECT_GT(playOnDevice(path), 0.8);  // -1 if it had not stopped within 15 s
}

TEST_F(RealAudioTest, PlaybackDeviceModeBeforeDuringAndAfterStop) {
    auto device = platform::audioDevices().openPlayback(tone(QStringLiteral("three.wav"), 3.0));
    ASSERT_TRUE(device);
    EXPECT_EQ(device->mode(), QStringLiteral("stopped"));
    device->play();
    EXPECT_EQ(device->mode(), QStringLiteral("playing"));
    RealPlatform::waitUntil([] { return false; }, 0.2);
    EXPECT_EQ(device->mode(), QStringLiteral("playing"));
    device->stop();
    EXPECT_EQ(device->mode(), QStringLiteral("stopped"));
    device->play();  // plays again from the start
    EXPECT_EQ(device->mode(), QStringLiteral("playing"));
}

TEST_F(RealAudioTest, FilesThatCannotBePlayedOpenNoDevice) {
    QFile text(real.path(QStringLiteral("words.wav")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a sound\r\n");
    text.close();
    QFile(real.path(QStringLiteral("empty.wav"))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeWav(real.path(QStringLiteral("no_samples.wav")), PcmAudio{}).ok());
    for (const char* name : {"words.wav", "empty.wav", "no_samples.wav", "missing.wav"}) {
        EXPECT_EQ(platform::audioDevices().openPlayback(real.path(QString::fromLatin1(name))), nullptr) << name;
    }
}

TEST_F(RealAudioTest, WavePlayerAsyncSoundsCutEachOffAndStopCutsThem) {
    auto& player = dynamic_cast<QtWavePlayer&>(platform::wavePlayer());
    const QString longSound = tone(QStringLiteral("long.wav"), 30.0);
    const QString shortSound = tone(QStringLiteral("short.wav"), 0.5);

    player.playAsync(longSound, false);
    EXPECT_TRUE(player.isPlaying());
    player.playAsync(shortSound, false);
    // The thirty-second sound is gone: the player falls silent once the half second has played
    // (-1 if it still sounded after 10 s).
    EXPECT_GT(RealPlatform::waitUntil([&] { return !player.isPlaying(); }, 10), 0.3);

    player.playAsync(longSound, false);
    EXPECT_TRUE(player.isPlaying());
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    RealPlatform::waitUntil([] { return false; }, 0.3);
    EXPECT_FALSE(player.isPlaying());

    // An undecodable file cuts the old sound and plays nothing itself.
    player.playAsync(longSound, false);
    player.playAsync(real.path(QStringLiteral("missing.wav")), false);
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(RealAudioTest, WavePlayerLoopsUntilStopped) {
    auto& player = dynamic_cast<QtWavePlayer&>(platform::wavePlayer());
    player.playAsync(tone(QStringLiteral("blip.wav"), 0.3), true);
    RealPlatform::waitUntil([] { return false; }, 1.2);
    EXPECT_TRUE(player.isPlaying());
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(RealAudioTest, WavePlayerSyncWaitsForTheEndOrForAStopFromAHandler) {
    WavePlayer& player = platform::wavePlayer();
    const QString second = tone(QStringLiteral("second.wav"), 1.0);
    player.playSync(second, false);  // warm-up

    QElapsedTimer t = timer();
    player.playSync(second, false);
    EXPECT_GT(t.elapsed(), 800);

    // A handler that runs during the wait (the exit button, say) cuts the sound off.
    t = timer();
    QTimer::singleShot(200, [&player] { player.stop(); });
    player.playSync(tone(QStringLiteral("long.wav"), 30.0), false);
    EXPECT_LT(t.elapsed(), 15000) << "the thirty-second sound was not cut off";

    // A missing file returns at once, and a looping sound plays once: a guard that would stop it
    // after ten seconds is not needed.
    bool guarded = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        guarded = true;
        player.stop();
    });
    guard.start(10000);
    player.playSync(real.path(QStringLiteral("missing.wav")), false);
    player.playSync(tone(QStringLiteral("looped.wav"), 0.5), true);
    EXPECT_FALSE(guarded);
}

// A prompt re-recorded under the same name must be heard as it is now, not as it was.
TEST_F(RealAudioTest, ReplacedFilePlaysItsNewContent) {
    WavePlayer& player = platform::wavePlayer();
    const QString prompt = tone(QStringLiteral("prompt.wav"), 0.4);
    player.playSync(prompt, false);
    ASSERT_TRUE(writeWav(prompt, toneAudio(1.6)).ok());
    const QElapsedTimer t = timer();
    player.playSync(prompt, false);
    EXPECT_GT(t.elapsed(), 1300);
}

TEST_F(RealAudioTest, SpeechIsHeardUntilItEndsOrIsStopped) {
    Speech& speech = platform::speech();
    speech.speak(QStringLiteral("this is a test"));
    EXPECT_TRUE(speech.isSpeaking());
    EXPECT_GT(RealPlatform::waitUntil([&] { return !speech.isSpeaking(); }), 0.5);  // -1 after 15 s

    speech.speak(QStringLiteral("Put the cereal in the bowl, then pour the milk, then eat it with a spoon."));
    RealPlatform::waitUntil([] { return false; }, 0.3);
    EXPECT_TRUE(speech.isSpeaking());
    speech.stop();
    EXPECT_FALSE(speech.isSpeaking());
    RealPlatform::waitUntil([] { return false; }, 0.3);
    EXPECT_FALSE(speech.isSpeaking());

    // Stopped before the synthesizer is done: the late result is not played.
    speech.speak(QStringLiteral("Brush your teeth."));
    speech.stop();
    RealPlatform::waitUntil([] { return false; }, 0.5);
    EXPECT_FALSE(speech.isSpeaking());

    speech.speak(QString());
    EXPECT_GE(RealPlatform::waitUntil([&] { return !speech.isSpeaking(); }, 5), 0.0);
}

TEST_F(RealAudioTest, RecorderWithoutMicrophoneFailsAndWritesNothing) {
    if (!QMediaDevices::audioInputs().isEmpty()) GTEST_SKIP() << "this machine has a microphone";
    auto recorder = platform::audioDevices().openRecorder();
    ASSERT_TRUE(recorder);
    EXPECT_FALSE(recorder->start());
    const QString target = real.path(QStringLiteral("temp.wav"));
    EXPECT_FALSE(recorder->save(target));
    recorder->close();
    recorder->close();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(QDir(real.folder.path()).entryList(QDir::Files), QStringList());
}

TEST(RecordedBytes, EverySampleFormatBecomes16Bit) {
    const auto bytesOf = [](const auto& values) {
        return QByteArray(reinterpret_cast<const char*>(values.data()), static_cast<qsizetype>(sizeof(values)));
    };
    const auto formatOf = [](QAudioFormat::SampleFormat sampleFormat, int channels) {
        QAudioFormat f;
        f.setSampleRate(48000);
        f.setChannelCount(channels);
        f.setSampleFormat(sampleFormat);
        return f;
    };
    struct Case {
        const char* name;
        QByteArray bytes;
        QAudioFormat format;
        std::vector<std::int16_t> expected;
    };
    const Case cases[] = {
        {"uint8",
         bytesOf(std::array<std::uint8_t, 3>{0, 128, 255}),
         formatOf(QAudioFormat::UInt8, 1),
         {-32768, 0, 32512}},
        {"int16", bytesOf(std::array<std::int16_t, 3>{-5, 0, 32767}), formatOf(QAudioFormat::Int16, 1), {-5, 0, 32767}},
        {"int32",
         bytesOf(std::array<std::int32_t, 2>{65536 * 100, -65536 * 7}),
         formatOf(QAudioFormat::Int32, 1),
         {100, -7}},
        {"float",
         bytesOf(std::array<float, 4>{0.5f, -1.0f, 2.0f, 0.0f}),
         formatOf(QAudioFormat::Float, 2),
         {16384, -32767, 32767, 0}},
        // A recording stopped in the middle of a frame: the stray bytes are dropped.
        {"stereo cut", bytesOf(std::array<std::int16_t, 3>{1, 2, 3}), formatOf(QAudioFormat::Int16, 2), {1, 2}},
        {"nothing", QByteArray(), formatOf(QAudioFormat::Int16, 1), {}},
    };
    for (const auto& c : cases) {
        const PcmAudio pcm = pcmFromBytes(c.bytes, c.format);
        EXPECT_EQ(pcm.samples, c.expected) << c.name;
        EXPECT_EQ(pcm.sampleRate, 48000) << c.name;
        EXPECT_EQ(pcm.channels, c.format.channelCount()) << c.name;
    }
    float nan;
    const std::uint32_t nanBits = 0x7fc00000;
    std::memcpy(&nan, &nanBits, sizeof nan);
    EXPECT_EQ(pcmFromBytes(bytesOf(std::array<float, 1>{nan}), formatOf(QAudioFormat::Float, 1)).samples,
              std::vector<std::int16_t>{0});
}

}  // namespace
