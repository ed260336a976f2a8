#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "ToneAudio.h"
#include "platform/WavFile.h"

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class WavFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

// What a file in the table must decode to; rate 0 means it must be refused.
struct AudioFileCase {
    const char* name;
    std::function<void(const QString&)> make;
    int sampleRate;
    int channels;
    int bits;
    const char* format;
    double seconds;
};

TEST_F(WavFileTest, ProbesAndDecodesGoodFilesAndRefusesBadOnes) {
    const auto encoded = [](int rate, int channels, const char* format) {
        return [=](const QString& p) {
            ASSERT_TRUE(writeWavAs(p, toneAudio(0.5, rate, channels), QString::fromLatin1(format)).ok());
        };
    };
    const auto bytes = [](QByteArray content) { return [content](const QString& p) { writeBytes(p, content); }; };
    const auto truncatedTo = [](int size) {
        return [size](const QString& p) {
            ASSERT_TRUE(writeWav(p, toneAudio(0.5)).ok());
            writeBytes(p, readBytes(p).left(size));
        };
    };
    const AudioFileCase cases[] = {
        {"pcm16.wav", encoded(22050, 1, "PCM_16"), 22050, 1, 16, "PCM_16", 0.5},
        {"pcm8.wav", encoded(22050, 1, "PCM_U8"), 22050, 1, 8, "PCM_U8", 0.5},
        {"stereo44.wav", encoded(44100, 2, "PCM_16"), 44100, 2, 16, "PCM_16", 0.5},
        {"ima.wav", encoded(22050, 1, "IMA_ADPCM"), 22050, 1, 0, "IMA_ADPCM", 0.5},
        {"empty.wav", bytes({}), 0, 0, 0, "", 0},
        {"text.wav", bytes("This is not a sound, only words.\r\n"), 0, 0, 0, "", 0},
        {"header_cut.wav", truncatedTo(20), 0, 0, 0, "", 0},
        {"riff_only.wav", bytes(QByteArray("RIFF\x24\x00\x00\x00WAVE", 12)), 0, 0, 0, "", 0},
        {"missing.wav", [](const QString&) {}, 0, 0, 0, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString p = path(QString::fromLatin1(c.name));
        c.make(p);
        const auto info = probeWav(p);
        const auto audio = readWav(p);
        if (c.sampleRate == 0) {
            ASSERT_FALSE(info.ok());
            ASSERT_FALSE(audio.ok());
            EXPECT_TRUE(info.error().contains(p)) << info.error().toStdString();
            continue;
        }
        ASSERT_TRUE(info.ok()) << info.error().toStdString();
        ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
        EXPECT_EQ(info->sampleRate, c.sampleRate);
        EXPECT_EQ(info->channels, c.channels);
        EXPECT_EQ(info->bitsPerSample, c.bits);
        EXPECT_EQ(info->format, QString::fromLatin1(c.format));
        EXPECT_EQ(audio->sampleRate, c.sampleRate);
        EXPECT_EQ(audio->channels, c.channels);
        // Block encodings pad the last block, so allow a few milliseconds more.
        EXPECT_NEAR(audio->seconds(), c.seconds, 0.03);
        EXPECT_NEAR(rmsOf(*audio), rmsOf(toneAudio(0.5)), 300);  // the tone survived the encoding
    }
}

TEST_F(WavFileTest, FileCutInsideItsSamplesGivesWhatIsThere) {
    ASSERT_TRUE(writeWav(path("cut.wav"), toneAudio(1.0)).ok());
    writeBytes(path("cut.wav"), readBytes(path("cut.wav")).left(44 + 22050));  // half the samples
    const auto audio = readWav(path("cut.wav"));
    ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
    EXPECT_NEAR(audio->seconds(), 0.5, 0.01);
}

TEST_F(WavFileTest, WriteThenReadGivesTheSameSamples) {
    const PcmAudio tone = toneAudio(0.25, 22050, 1, 300);
    ASSERT_TRUE(writeWav(path("a.wav"), tone).ok());
    const QByteArray bytes = readBytes(path("a.wav"));
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.size(), 44 + static_cast<qsizetype>(tone.samples.size()) * 2);  // plain header, no extras
    const auto back = readWav(path("a.wav"));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->samples, tone.samples);
}

TEST_F(WavFileTest, FailedWriteKeepsTheOldFileAndLeavesNoDebris) {
    ASSERT_TRUE(writeWav(path("keep.wav"), toneAudio(0.1)).ok());
    const QByteArray before = readBytes(path("keep.wav"));
    PcmAudio broken = toneAudio(0.1);
    broken.channels = 0;
    EXPECT_FALSE(writeWav(path("keep.wav"), broken).ok());
    EXPECT_FALSE(writeWavAs(path("keep.wav"), toneAudio(0.1), QStringLiteral("MP3")).ok());
    EXPECT_EQ(readBytes(path("keep.wav")), before);

    const auto missingFolder = writeWav(path("no/such/folder/x.wav"), toneAudio(0.1));
    ASSERT_FALSE(missingFolder.ok());
    EXPECT_TRUE(missingFolder.error().contains(QStringLiteral("x.wav")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.wav")});
}

TEST(WavConversion, MixesDownAndResamplesTo22050Mono) {
    struct Case {
        int rate;
        int channels;
        double seconds;
    };
    for (const Case c :
         {Case{44100, 2, 1.0}, Case{11025, 1, 0.5}, Case{8000, 2, 0.3}, Case{22050, 1, 0.2}, Case{48000, 1, 0.7}}) {
        SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " channels");
        const PcmAudio out = toMono22050(toneAudio(c.seconds, c.rate, c.channels, 200));
        EXPECT_EQ(out.sampleRate, 22050);
        EXPECT_EQ(out.channels, 1);
        EXPECT_NEAR(out.seconds(), c.seconds, 0.001);
        EXPECT_NEAR(rmsOf(out), rmsOf(toneAudio(c.seconds, 22050, 1, 200)), 100);
    }
}

TEST(WavConversion, AveragesTheChannels) {
    PcmAudio stereo;
    stereo.sampleRate = 22050;
    stereo.channels = 2;
    stereo.samples = {1000, 3000, -32768, -32768, 32767, 32767, -100, 100};
    const PcmAudio mono = toMono22050(stereo);
    EXPECT_EQ(mono.samples, (std::vector<std::int16_t>{2000, -32768, 32767, 0}));
}

TEST(WavConversion, EmptyOrFormatlessInputGivesSilenceNotACrash) {
    PcmAudio empty;
    empty.sampleRate = 44100;
    EXPECT_TRUE(toMono22050(empty).samples.empty());
    PcmAudio noRate = toneAudio(0.1);
    noRate.sampleRate = 0;
    EXPECT_TRUE(toMono22050(noRate).samples.empty());
    PcmAudio oneSample;
    oneSample.sampleRate = 8000;
    oneSample.samples = {1234};
    EXPECT_EQ(toMono22050(oneSample).samples.front(), 1234);
}

}  // namespace
