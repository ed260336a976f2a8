// Every sound the program plays: the one wave format its players are set up for, lengths that
// fit each sound's use, spoken prompts that are not silent, and the copies the prompt screen
// reverts to.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <set>

#include "ContentFolder.h"

namespace {

// The 22 standard prompts.
const char* const kPrompts[] = {
    "aobj_access_1.wav",
    "aobj_access_2.wav",
    "aobj_access_3.wav",
    "aobj_access_4.wav",
    "aobj_access_5.wav",
    "aobj_how_did.wav",
    "aobj_this_doesnt_go_here.wav",
    "aobj_doesnt_go_here.wav",
    "aobj_keep_trying.wav",
    "aobj_lets_learn.wav",
    "aobj_first_is.wav",
    "aobj_next_is.wav",
    "aobj_your_turn.wav",
    "aobj_reward3.wav",
    "aobj_reward4.wav",
    "aobj_reward5.wav",
    "aobj_video.wav",
    "aobj_arrange.wav",
    "aobj_very_good.wav",
    "aobj_next_activity.wav",
    "aobj_same_activity.wav",
    "aobj_activity_selection.wav",
};

QByteArray bytesOf(const QString& name) {
    QFile file(contentPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SoundFiles, EveryWaveIsSixteenBitMono22050) {
    int count = 0;
    QDirIterator it(contentFolder(), {QStringLiteral("*.wav"), QStringLiteral("*.wav_bak")}, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        const Result<WavInfo> info = probeWav(path);
        ASSERT_TRUE(info.ok()) << info.error().toStdString();
        EXPECT_EQ(info->format, QStringLiteral("PCM_16"));
        EXPECT_EQ(info->bitsPerSample, 16);
        EXPECT_EQ(info->sampleRate, 22050);
        EXPECT_EQ(info->channels, 1);
        ++count;
    }
    EXPECT_GT(count, 2 * 22);
}

struct LengthCase {
    const char* name;
    double minSeconds;
    double maxSeconds;
    bool silent;
};

// Spoken prompts run from a two-word phrase to the longest instruction; the effects are short,
// the tunes a few seconds.
std::vector<LengthCase> lengthCases() {
    std::vector<LengthCase> cases;
    for (const char* prompt : kPrompts) cases.push_back({prompt, 0.4, 12, false});
    const LengthCase others[] = {
        {"aobj_press.wav", 0.4, 4, false},         {"aobj_drop_pic.wav", 0.02, 0.3, false},
        {"aobj_reward_star.wav", 0.2, 1.5, false}, {"aobj_reward3_song.wav", 2, 8, false},
        {"aobj_reward4_song.wav", 2, 8, false},    {"aobj_reward5_song.wav", 2, 8, false},
        {"aobj_gong.wav", 1.5, 6, false},          {"com_stop.wav", 0.001, 0.05, true},
    };
    cases.insert(cases.end(), std::begin(others), std::end(others));
    return cases;
}

TEST(SoundFiles, EachSoundHasTheLengthAndLoudnessOfItsUse) {
    for (const LengthCase& c : lengthCases()) {
        SCOPED_TRACE(c.name);
        const Result<PcmAudio> audio = readWav(contentPath(QString::fromUtf8(c.name)));
        ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
        EXPECT_GE(audio->seconds(), c.minSeconds);
        EXPECT_LE(audio->seconds(), c.maxSeconds);
        if (c.silent) {
            EXPECT_EQ(peakOf(*audio), 0.0);
        } else {
            EXPECT_GT(peakOf(*audio), 0.25) << "clearly audible";
            EXPECT_LT(peakOf(*audio), 1.0) << "not clipped";
        }
    }
}

// Pauses are made of these; they must be exact to the sample.
TEST(SoundFiles, SilencesAreExact) {
    const std::pair<const char*, std::int64_t> cases[] = {{"aobj_silence_1sec.wav", 22050},
                                                          {"aobj_silence_half_sec.wav", 11025}};
    for (const auto& [name, frames] : cases) {
        SCOPED_TRACE(name);
        const Result<PcmAudio> audio = readWav(contentPath(QString::fromUtf8(name)));
        ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
        EXPECT_EQ(audio->frames(), frames);
        EXPECT_EQ(peakOf(*audio), 0.0);
    }
}

// "Revert to the Original Recording" copies <prompt>_bak over the prompt.
TEST(SoundFiles, EveryPromptHasAnIdenticalBackup) {
    for (const char* prompt : kPrompts) {
        const QString name = QString::fromUtf8(prompt);
        const QByteArray original = bytesOf(name);
        EXPECT_FALSE(original.isEmpty()) << prompt;
        EXPECT_EQ(bytesOf(name + QStringLiteral("_bak")), original) << prompt;
    }
}

// Each sentence is its own recording, and the reward screen picks one of three different songs.
TEST(SoundFiles, PromptsAndSongsAreAllDifferent) {
    std::set<QByteArray> seen;
    std::vector<QString> names;
    for (const char* prompt : kPrompts) names.push_back(QString::fromUtf8(prompt));
    for (int k = 3; k <= 5; ++k) names.push_back(QStringLiteral("aobj_reward%1_song.wav").arg(k));
    names.push_back(QStringLiteral("aobj_press.wav"));
    for (const QString& name : names) EXPECT_TRUE(seen.insert(bytesOf(name)).second) << name.toStdString();
}

}  // namespace
