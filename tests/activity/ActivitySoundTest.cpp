#include "TestPlatform.h"

#include "activity/ActivitySound.h"
#include "app/Globvars.h"
#include "audio/MultimediaCommands.h"

#include <gtest/gtest.h>

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");

// The activity's sound operations over the doubles. Every multimedia command goes to a trace,
// and every waiting pass notes whether WaitingForSound was set while it ran.
class ActivitySoundTest : public ::testing::Test {
protected:
    ActivitySoundTest() {
        multimedia().observer = [this](const QString& command) { commands.append(command); };
        p.pump.script = [this](bool isWait) {
            if (isWait) waitingDuringWaits.append(WaitingForSound);
            if (onPass) onPass(isWait);
        };
        StudentOptions.Narration = 1;
        EXPECT_TRUE(writeSilentWav(p.path(QStringLiteral("com_stop.wav")), 0.05));
    }
    ~ActivitySoundTest() override {
        multimedia().observer = nullptr;
        mciSendString(QStringLiteral("close all"));
    }

    // A recording in AppFolder that plays for the given seconds.
    QString recording(const QString& name, double seconds) {
        EXPECT_TRUE(p.audio.addWave(p.path(name), seconds));
        return p.path(name);
    }

    // Puts step `step` into slot `slot` with the given texts; the recording may be missing.
    void placeStep(int slot, int step, const QString& wave, const QString& phonetic, const QString& description) {
        SlotStep[slot] = static_cast<std::int16_t>(step);
        Task.StepWaveFile[step] = wave;
        Task.StepPhonetic[step] = phonetic;
        Task.StepDescription[step] = description;
    }

    // The files opened for playback, in order.
    QStringList opened() const {
        QStringList files;
        for (const QString& line : p.audio.log) {
            if (line.startsWith(QStringLiteral("open "))) files.append(line.mid(5));
        }
        return files;
    }

    TestPlatform p;
    ActivitySound sound;
    QStringList commands;
    QList<int> waitingDuringWaits;
    std::function<void(bool)> onPass;
};

TEST_F(ActivitySoundTest, PlaybackSendsTheCommandsInOrderAndPollsWithWaitingPasses) {
    const QString path = recording(QStringLiteral("aobj_how_did.wav"), 0.02);
    p.speech.speaking = true;

    sound.sequence_wave_start_sync(path, kDontLoop);

    const QString status = QStringLiteral("status soundfile mode ");
    EXPECT_EQ(commands, QStringList({QStringLiteral("close all"),
                                     QStringLiteral("open \"") + path + QStringLiteral("\" alias soundfile "),
                                     QStringLiteral("play soundfile"), status, status, status, status, status,
                                     QStringLiteral("close all")}));
    // Four waiting passes of 5 ms, one for each poll that still heard "playing"; no spinning.
    EXPECT_EQ(p.pump.waitPasses, 4);
    EXPECT_EQ(p.pump.doPasses, 2);  // once after silencing speech, once after closing
    EXPECT_FALSE(p.speech.speaking);
    // The prompt player was cut off first.
    EXPECT_EQ(p.wave.log, QStringList{QStringLiteral("sync ") + p.path(QStringLiteral("com_stop.wav"))});
    EXPECT_EQ(p.audio.openDevices, 0);
    EXPECT_EQ(WaitingForSound, 0);
}

TEST_F(ActivitySoundTest, ChainedSentencePlaysItsPiecesInOrderEachWhileWaitingForSound) {
    const QStringList pieces = {recording(QStringLiteral("aobj_arrange.wav"), 1.0),
                                recording(QStringLiteral("intro.wav"), 2.0),
                                recording(QStringLiteral("aobj_silence_1sec.wav"), 1.0)};
    QList<double> ends;
    for (const QString& piece : pieces) {
        sound.sequence_wave_start_sync(piece, kDontLoop);
        EXPECT_EQ(WaitingForSound, 0);
        ends.append(p.clock.monotonicSeconds());
    }
    EXPECT_EQ(opened(), pieces);
    EXPECT_NEAR(ends[0], 1.0, 0.011);
    EXPECT_NEAR(ends[1], 3.0, 0.021);
    EXPECT_NEAR(ends[2], 4.0, 0.031);
    ASSERT_FALSE(waitingDuringWaits.isEmpty());
    EXPECT_EQ(waitingDuringWaits.count(1), waitingDuringWaits.size());
    EXPECT_EQ(commands.count(QStringLiteral("close all")), 6);
}

TEST_F(ActivitySoundTest, ExitFlagEndsThePieceAndTheRestOfTheSentenceAtTheirFirstPoll) {
    for (std::int16_t* flag : {&ExitRequested, &ExitEarlyRequested}) {
        SCOPED_TRACE(flag == &ExitRequested ? "ExitRequested" : "ExitEarlyRequested");
        ExitRequested = ExitEarlyRequested = 0;
        const QStringList pieces = {recording(QStringLiteral("one.wav"), 1.0),
                                    recording(QStringLiteral("two.wav"), 3.0),
                                    recording(QStringLiteral("three.wav"), 1.0)};
        int piece = 0;
        // The exit button is clicked half a second into the second piece.
        double secondStarted = 0.0;
        onPass = [&](bool) {
            if (piece == 1 && p.clock.monotonicSeconds() - secondStarted >= 0.5) *flag = 1;
        };
        int thirdPolls = 0;
        for (piece = 0; piece < 3; ++piece) {
            if (piece == 1) secondStarted = p.clock.monotonicSeconds();
            const double start = p.clock.monotonicSeconds();
            const qsizetype before = commands.size();
            sound.sequence_wave_start_sync(pieces[piece], kDontLoop);
            const double took = p.clock.monotonicSeconds() - start;
            if (piece == 1) {
                EXPECT_NEAR(took, 0.5, 0.011);
            }
            if (piece == 2) {
                EXPECT_EQ(took, 0.0);
                thirdPolls = static_cast<int>(commands.mid(before).count(QStringLiteral("status soundfile mode ")));
            }
            EXPECT_EQ(WaitingForSound, 0);
        }
        EXPECT_EQ(thirdPolls, 1);
        EXPECT_EQ(p.audio.openDevices, 0);  // the cut piece was closed
    }
}

TEST_F(ActivitySoundTest, MissingOrUnplayableFileEndsTheWaitAtOnceAndSilently) {
    recording(QStringLiteral("garbled.wav"), 2.0);
    p.audio.undecodable.insert(p.path(QStringLiteral("garbled.wav")));
    for (const QString& name : {p.path(QStringLiteral("gone.wav")), p.path(QStringLiteral("garbled.wav")), QString()}) {
        SCOPED_TRACE(name.toStdString());
        const long waitsBefore = p.pump.waitPasses;
        sound.sequence_wave_start_sync(name, kDontLoop);
        EXPECT_EQ(p.pump.waitPasses, waitsBefore);
        EXPECT_EQ(WaitingForSound, 0);
    }
    EXPECT_TRUE(p.messages.texts.isEmpty());
    EXPECT_EQ(p.clock.monotonicSeconds(), 0.0);
}

TEST_F(ActivitySoundTest, StartSilencesSpeechThenStartsThePrompt) {
    const QString path = recording(QStringLiteral("aobj_drop_pic.wav"), 0.2);
    p.speech.speaking = true;
    sound.sequence_wave_start(path, kDontLoop);
    EXPECT_FALSE(p.speech.speaking);
    EXPECT_EQ(p.wave.log, QStringList{QStringLiteral("async ") + path});

    sound.sequence_wave_start(p.path(QStringLiteral("gone.wav")), kDontLoop);
    EXPECT_EQ(p.messages.texts, QStringList{QStringLiteral("Could't find file ") + p.path(QStringLiteral("gone.wav"))});
}

TEST_F(ActivitySoundTest, NarrateStepPlaysTheRecordingOnceUntilTheMarkIsCleared) {
    const QString wave = recording(QStringLiteral("pic_12.wav"), 1.0);
    placeStep(2, 3, wave, QStringLiteral("None"), QStringLiteral("Rinse"));
    sound.LastNarratedPicture = -1;

    sound.narrateStep(2);
    sound.narrateStep(2);
    EXPECT_EQ(p.wave.log, QStringList{QStringLiteral("async ") + wave});
    EXPECT_EQ(sound.LastNarratedPicture, 2);

    sound.LastNarratedPicture = -1;  // a move into a box clears the mark
    sound.narrateStep(2);
    EXPECT_EQ(p.wave.log.size(), 2);
    EXPECT_TRUE(p.speech.spoken.isEmpty());
}

TEST_F(ActivitySoundTest, NarrateStepWithoutARecordingSpeaksThePhoneticTextOrTheDescription) {
    const struct {
        const char* phonetic;
        const char* spoken;
    } cases[] = {
        {"Rinse your hands", "Rinse your hands"},
        {"None", "Turn on the water"},
        {"", "Turn on the water"},
        {"none", "none"},  // only the exact word stands for no text
    };
    int slot = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phonetic);
        ++slot;
        placeStep(slot, slot, p.path(QStringLiteral("None")), QString::fromUtf8(c.phonetic),
                  QStringLiteral("Turn on the water"));
        p.speech.speaking = true;
        const int stopsBefore = p.speech.stops;
        p.wave.log.clear();

        sound.narrateStep(slot);

        EXPECT_EQ(p.speech.spoken.last(), QString::fromUtf8(c.spoken));
        EXPECT_GE(p.speech.stops, stopsBefore + 1);
        // Any prompt still sounding is cut off before the speech starts.
        EXPECT_EQ(p.wave.log, QStringList{QStringLiteral("sync ") + p.path(QStringLiteral("com_stop.wav"))});
    }
    EXPECT_EQ(p.speech.spoken.size(), 4);
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

TEST_F(ActivitySoundTest, NarrateStepDoesNothingWithNarrationOffOrOutsideTheRow) {
    placeStep(1, 1, QString(), QStringLiteral("Dry"), QStringLiteral("Dry"));
    StudentOptions.Narration = 2;
    sound.narrateStep(1);
    EXPECT_EQ(sound.LastNarratedPicture, -1);

    StudentOptions.Narration = 1;
    for (int slot : {0, -1, 11, 1000}) sound.narrateStep(slot);
    EXPECT_TRUE(p.speech.spoken.isEmpty());
    EXPECT_TRUE(p.wave.log.isEmpty());
}

TEST_F(ActivitySoundTest, SayDoesntGoHereUsesTheStepRecordingOrTheGenericSentence) {
    const QString doesnt = recording(QStringLiteral("aobj_doesnt_go_here.wav"), 1.0);
    const QString thisDoesnt = recording(QStringLiteral("aobj_this_doesnt_go_here.wav"), 1.5);
    const QString own = recording(QStringLiteral("pic_7.wav"), 0.8);
    placeStep(1, 4, own, QStringLiteral("Soap"), QStringLiteral("Soap"));
    placeStep(2, 5, p.path(QStringLiteral("pic_8.wav")), QStringLiteral("Dry"), QStringLiteral("Dry"));

    sound.sayDoesntGoHere(1);
    EXPECT_EQ(opened(), QStringList({own, doesnt}));
    EXPECT_NEAR(p.clock.monotonicSeconds(), 1.8, 0.021);

    p.audio.log.clear();
    sound.sayDoesntGoHere(2);
    EXPECT_EQ(opened(), QStringList{thisDoesnt});

    p.audio.log.clear();
    StudentOptions.Narration = 2;
    sound.sayDoesntGoHere(1);
    sound.sayDoesntGoHere(2);
    EXPECT_TRUE(p.audio.log.isEmpty());

    EXPECT_TRUE(p.speech.spoken.isEmpty());
    EXPECT_EQ(WaitingForSound, 0);
}

TEST_F(ActivitySoundTest, RemindToPressRepeatsEveryPressReminderSeconds) {
    recording(QStringLiteral("aobj_press.wav"), 1.0);
    StudentOptions.PressReminderSeconds = 10;
    for (const std::int16_t reminder : {std::int16_t{1}, std::int16_t{0}, std::int16_t{2}}) {
        SCOPED_TRACE(reminder);
        StudentOptions.PressReminder = reminder;
        p.wave.log.clear();
        sound.LastActivityTime = p.clock.timer();
        // A student who does nothing for 35 seconds, with the wait calling in every 100 ms.
        QList<int> remindedAt;
        for (int tenth = 1; tenth <= 350; ++tenth) {
            p.clock.advance(0.1);
            const qsizetype before = p.wave.log.size();
            sound.remindToPress();
            if (p.wave.log.size() > before) remindedAt.append(tenth);
        }
        if (reminder == 2) {
            EXPECT_TRUE(remindedAt.isEmpty());
        } else {
            ASSERT_EQ(remindedAt.size(), 3);
            EXPECT_NEAR(remindedAt[0], 101, 1);
            EXPECT_NEAR(remindedAt[1], 202, 2);
            EXPECT_NEAR(remindedAt[2], 303, 3);
            EXPECT_EQ(p.wave.log.first(), QStringLiteral("async ") + p.path(QStringLiteral("aobj_press.wav")));
        }
    }
}

TEST_F(ActivitySoundTest, RemindToPressCarriesOnPastMidnight) {
    recording(QStringLiteral("aobj_press.wav"), 1.0);
    StudentOptions.PressReminder = 1;
    StudentOptions.PressReminderSeconds = 10;
    p.clock.setTimeOfDay(86400.0 - 4.0);
    sound.LastActivityTime = p.clock.timer();

    p.clock.advance(8.0);  // 00:00:04, eight seconds on
    sound.remindToPress();
    EXPECT_TRUE(p.wave.log.isEmpty());
    p.clock.advance(3.0);
    sound.remindToPress();
    EXPECT_EQ(p.wave.log.size(), 1);
    EXPECT_NEAR(sound.LastActivityTime, 7.0f, 0.01f);
}

}  // namespace
