#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ToneAudio.h"
#include "platform/EspeakSynth.h"

namespace {

TEST(EspeakSynth, SpeaksATestSentenceAsAudibleSpeech) {
    const auto audio = synthesizeSpeech(QStringLiteral("this is a test"));
    ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
    EXPECT_EQ(audio->sampleRate, 22050);
    EXPECT_EQ(audio->channels, 1);
    EXPECT_GT(audio->seconds(), 0.5);
    EXPECT_LT(audio->seconds(), 3.0);
    EXPECT_GT(rmsOf(*audio), 500.0);
}

TEST(EspeakSynth, SameTextGivesTheSameSamplesEveryTime) {
    const auto first = synthesizeSpeech(QStringLiteral("Put the bread in the toaster."));
    const auto other = synthesizeSpeech(QStringLiteral("Something else in between."));
    const auto again = synthesizeSpeech(QStringLiteral("Put the bread in the toaster."));
    ASSERT_TRUE(first.ok() && other.ok() && again.ok());
    EXPECT_EQ(first->samples, again->samples);
    EXPECT_NE(first->samples, other->samples);
}

TEST(EspeakSynth, VoiceSettingsChangeTheSpeech) {
    const QString text = QStringLiteral("Wash your hands.");
    SpeechVoice slow;
    slow.wordsPerMinute = 90;
    SpeechVoice fast;
    fast.wordsPerMinute = 300;
    const auto slowAudio = synthesizeSpeech(text, slow);
    const auto fastAudio = synthesizeSpeech(text, fast);
    ASSERT_TRUE(slowAudio.ok() && fastAudio.ok());
    EXPECT_GT(slowAudio->seconds(), fastAudio->seconds() * 1.5);
}

TEST(EspeakSynth, OddTextsDoNotBreakIt) {
    for (const QString& text : {QString(), QStringLiteral("   "), QStringLiteral("Café & crème brûlée, 100%!"),
                                QStringLiteral("\"quoted\" <tag> [[phonemes]]"), QString(2000, QLatin1Char('a'))}) {
        SCOPED_TRACE(text.left(40).toStdString());
        const auto audio = synthesizeSpeech(text);
        ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
        EXPECT_LT(audio->seconds(), 600);
    }
}

TEST(EspeakSynth, LanguageAloneFindsAVoice) {
    SpeechVoice voice;
    voice.language = QStringLiteral("en");
    const auto audio = synthesizeSpeech(QStringLiteral("hello"), voice);
    ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
    EXPECT_GT(rmsOf(*audio), 500.0);
}

TEST(EspeakSynth, UnknownLanguageIsAnErrorNotSilence) {
    SpeechVoice voice;
    voice.language = QStringLiteral("zz");
    const auto audio = synthesizeSpeech(QStringLiteral("hello"), voice);
    ASSERT_FALSE(audio.ok());
    EXPECT_TRUE(audio.error().contains(QStringLiteral("zz"))) << audio.error().toStdString();
}

// A shell script standing in for the helper.
void writeHelperScript(const QString& path, const char* body) {
    QFile script(path);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QByteArray("#!/bin/sh\n") + body + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Whatever the helper does, the caller gets a message and nothing waits past the limit.
TEST(EspeakSynth, HelperThatFailsOrHangsGivesAMessage) {
    QTemporaryDir folder;
    struct Case {
        const char* name;
        const char* script;  // empty: no such program
        const char* message;
    };
    const Case cases[] = {
        {"missing", "", "was not found"},
        {"crashes", "kill -SEGV $$", "stopped unexpectedly"},
        {"no voice", "exit 3", "no voice for \"en-us\""},
        {"fails", "exit 4", "could not speak"},
        {"never answers", "exec sleep 60", "did not finish in time"},
        {"stops halfway", "head -c 1001 /dev/zero; exec sleep 60", "did not finish in time"},
        {"closes its output but stays", "exec 1>&- 0<&-; exec sleep 60", "did not finish in time"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpeechHelper helper{folder.filePath(QString::fromLatin1(c.name)), 300};
        if (*c.script) writeHelperScript(helper.program, c.script);
        const auto audio = synthesizeSpeech(QStringLiteral("hello"), SpeechVoice{}, helper);
        ASSERT_FALSE(audio.ok());
        EXPECT_TRUE(audio.error().contains(QString::fromLatin1(c.message))) << audio.error().toStdString();
        if (!*c.script) {
            EXPECT_TRUE(audio.error().contains(helper.program)) << audio.error().toStdString();
        }
    }
}

TEST(EspeakSynth, TheEngineCheckSaysWhatIsMissing) {
    using Problem = SpeechEngineCheck::Problem;
    EXPECT_EQ(checkSpeechEngine().problem, Problem::None) << checkSpeechEngine().detail.toStdString();
    SpeechVoice unknown;
    unknown.language = QStringLiteral("zz");
    EXPECT_EQ(checkSpeechEngine(unknown).problem, Problem::NoVoice);

    QTemporaryDir folder;
    const struct {
        const char* name;
        const char* script;  // empty: no such program
        Problem problem;
    } cases[] = {
        {"missing", "", Problem::HelperMissing},
        {"no engine data", "exit 2", Problem::EngineMissing},
        {"no engine library", "exit 127", Problem::EngineMissing},
        {"no voice", "exit 3", Problem::NoVoice},
        {"fails", "exit 4", Problem::Failed},
        {"silent", "exit 0", Problem::Failed},
        {"crashes", "kill -SEGV $$", Problem::Failed},
        {"speaks", "head -c 2000 /dev/zero", Problem::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SpeechHelper helper{folder.filePath(QString::fromLatin1(c.name)), 2000};
        if (*c.script) writeHelperScript(helper.program, c.script);
        const SpeechEngineCheck check = checkSpeechEngine(SpeechVoice{}, helper);
        EXPECT_EQ(check.problem, c.problem);
        EXPECT_EQ(check.detail.isEmpty(), c.problem == Problem::None) << check.detail.toStdString();
    }
}

}  // namespace
