#include "WorkshopFixture.h"

#include "app/PictureWidgets.h"
#include "audio/MultimediaCommands.h"
#include "library/ReviewWord.h"
#include "maintenance/RecordingControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// "Language Customization" on the doubles, over the supplied prompts and their "_bak" copies.
struct Prompts : Workshop {
    void SetUp() override {
        Workshop::SetUp();
        for (const PromptEntry& prompt : promptTable(1)) {
            p.writeFile(prompt.file, "supplied " + prompt.file.toUtf8());
            p.writeFile(suppliedPromptFile(prompt.file), "supplied " + prompt.file.toUtf8());
        }
        ASSERT_TRUE(writeReviewWord(QStringLiteral("Review")));
    }
    ~Prompts() override { mciSendString(QStringLiteral("close all")); }

    void openScreen() {
        open();
        w->CmdOverlayWaves->click();
        ASSERT_EQ(frame(), w->FrameOverlayRecord2);
    }

    // Play, Revert, Troubleshooting and Finished as "on"/"off".
    QString buttons() const {
        QStringList states;
        for (QPushButton* b : {w->cmdOverlayPlay2, w->cmdOverlayRevert2, w->CmdTrouble2, w->CmdOverlayBack2})
            states.append(b->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"));
        return states.join(u' ');
    }

    void recordInto(int option) {
        w->OptOverlay[static_cast<size_t>(option)]->click();
        w->PicOverlayRecord2->click();
        w->PicOverlayStopRecord2->click();
    }
};

TEST_F(Prompts, TheScreenShowsTheTwentyTwoPromptsWithOptionSixteenByEdition) {
    open();
    for (const int edition : {1, 2}) {
        // The table is filled from the edition each time the screen opens.
        Edition = static_cast<std::int16_t>(edition);
        w->CmdOverlayWaves->click();
        ASSERT_EQ(frame(), w->FrameOverlayRecord2);
        EXPECT_TRUE(w->OptOverlay[0]->isChecked());
        EXPECT_EQ(w->SelectedPrompt, 0);
        EXPECT_EQ(w->LabExplainOverlay2->text(), QString::fromLatin1(promptTable(edition)[0].help));
        EXPECT_EQ(w->OptOverlayCaption[5]->text(), QStringLiteral("Lets see how you did."));
        EXPECT_EQ(w->OptOverlay[5]->accessibleName(), QStringLiteral("Lets see how you did."));
        EXPECT_EQ(w->OptOverlayCaption[16]->text(),
                  edition == 1 ? QStringLiteral("Let's see a video about") : QStringLiteral("Let's read a story"));
        EXPECT_EQ(w->PromptFiles[16], QStringLiteral("aobj_video.wav"));
        w->OptOverlay[16]->click();
        EXPECT_EQ(w->SelectedPrompt, 16);
        EXPECT_TRUE(w->LabExplainOverlay2->text().startsWith(edition == 1
                                                                 ? QStringLiteral("This is said before the task")
                                                                 : QStringLiteral("This is said before the story")));
        EXPECT_EQ(w->TextReview->text(), QStringLiteral("Review"));
        EXPECT_FALSE(w->PicOverlayRecord2->isHidden());
        EXPECT_TRUE(w->PicOverlayStopRecord2->isHidden());
        w->CmdOverlayBack2->click();
        EXPECT_EQ(frame(), w->FrameTaskMaker);
    }
}

TEST_F(Prompts, ARecordedPromptReplacesItsFileAndRevertBringsTheSuppliedBytesBack) {
    openScreen();
    const QByteArray supplied = p.readFile(QStringLiteral("aobj_keep_trying.wav"));
    w->OptOverlay[8]->click();
    w->PicOverlayRecord2->click();
    EXPECT_EQ(w->RecordingActive, 1);
    EXPECT_EQ(buttons(), QStringLiteral("off off off off"));
    EXPECT_TRUE(w->OptOverlay[3]->isEnabled());  // the options stay usable
    EXPECT_TRUE(w->PicOverlayRecord2->isHidden());
    EXPECT_FALSE(w->PicOverlayStopRecord2->isHidden());
    w->PicOverlayStopRecord2->click();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_EQ(buttons(), QStringLiteral("on on on on"));
    EXPECT_TRUE(p.wave.log.isEmpty());  // nothing is played back
    const QByteArray recorded = p.readFile(QStringLiteral("aobj_keep_trying.wav"));
    EXPECT_NE(recorded, supplied);
    EXPECT_TRUE(recorded.startsWith("RIFF"));
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_keep_trying.wav_bak")), supplied);

    w->cmdOverlayPlay2->click();
    EXPECT_EQ(p.wave.log, QStringList({QStringLiteral("async ") + p.path(QStringLiteral("aobj_keep_trying.wav"))}));

    p.messages.answers.push_back(MessageBoxes::Answer::No);
    w->cmdOverlayRevert2->click();
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Are you sure you want to revert to the recording supplied by the program"));
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_keep_trying.wav")), recorded);
    w->cmdOverlayRevert2->click();
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_keep_trying.wav")), supplied);
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_keep_trying.wav_bak")), supplied);
    // Revert without a recording copies the supplied bytes over themselves.
    w->cmdOverlayRevert2->click();
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_keep_trying.wav")), supplied);
}

TEST_F(Prompts, RevertWithoutTheSuppliedCopySaysSoAndLeavesThePrompt) {
    openScreen();
    recordInto(5);
    const QByteArray recorded = p.readFile(QStringLiteral("aobj_how_did.wav"));
    ASSERT_TRUE(QFile::remove(p.path(QStringLiteral("aobj_how_did.wav_bak"))));
    w->cmdOverlayRevert2->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("File transfer failed"));
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_how_did.wav")), recorded);
    EXPECT_FALSE(exists(QStringLiteral("aobj_how_did.wav_bak")));
}

TEST_F(Prompts, ARecordingGoesToThePromptChosenWhenItEnds) {
    openScreen();
    const QByteArray firstBefore = p.readFile(QStringLiteral("aobj_first_is.wav"));
    w->OptOverlay[10]->click();
    w->PicOverlayRecord2->click();
    w->OptOverlay[11]->click();
    w->PicOverlayStopRecord2->click();
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_first_is.wav")), firstBefore);
    EXPECT_TRUE(p.readFile(QStringLiteral("aobj_next_is.wav")).startsWith("RIFF"));

    // The 15 seconds do the same: the prompt chosen at that moment gets it.
    w->PicOverlayRecord2->click();
    w->OptOverlay[12]->click();
    p.clock.advance(15.0);
    w->TimerOverlay2->check();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_FALSE(w->TimerOverlay2->isEnabled());
    EXPECT_TRUE(p.readFile(QStringLiteral("aobj_your_turn.wav")).startsWith("RIFF"));
    EXPECT_EQ(buttons(), QStringLiteral("on on on on"));
    EXPECT_FALSE(w->PicOverlayRecord2->isHidden());
}

TEST_F(Prompts, AfterARecordedPromptANarrationRecords) {
    openScreen();
    recordInto(8);
    ASSERT_EQ(w->RecordingActive, 0);
    w->CmdOverlayBack2->click();
    picture(QStringLiteral("320000001"), QStringLiteral("Hygiene"), QStringLiteral("Wetting the brush"));
    w->fillLibraryLists();
    w->CmdTMPics->click();
    highlight(w->ListPics, QStringLiteral("Hygiene: Wetting the brush"));
    w->CmdModifyPic->click();
    w->CmdPicStepForward2->click();
    w->CmdPicForward3->click();
    ASSERT_EQ(frame(), w->FrameSelectPic3);
    w->PicStartRecordingAuditory->click();
    EXPECT_EQ(w->RecordingActive, 1);
    w->PicStopRecordingAuditory->click();
    EXPECT_TRUE(exists(QStringLiteral("temp.wav")));
    EXPECT_EQ(p.audio.log.filter(QStringLiteral("save ")).size(), 2);
}

TEST_F(Prompts, TheReviewWordOfBlanksIsRefusedOneWithBlanksAroundItIsKeptAsTyped) {
    openScreen();
    for (const char* blank : {"", "   ", " \t "}) {
        w->TextReview->setText(QString::fromLatin1(blank));
        w->CmdOverlayBack2->click();
        EXPECT_EQ(lastMessage(), QStringLiteral("The word for Review is empty"));
        EXPECT_EQ(frame(), w->FrameOverlayRecord2);
        EXPECT_EQ(p.readFile(kReviewWordFile), QByteArray("Review\r\n"));
    }
    w->TextReview->setText(QStringLiteral("  Repaso  "));
    w->CmdOverlayBack2->click();
    EXPECT_EQ(frame(), w->FrameTaskMaker);
    EXPECT_EQ(p.readFile(kReviewWordFile), QByteArray("  Repaso  \r\n"));

    // Leaving any other way keeps the stored word.
    w->CmdOverlayWaves->click();
    EXPECT_EQ(w->TextReview->text(), QStringLiteral("  Repaso  "));
    w->TextReview->setText(QStringLiteral("Other"));
    w->close();
    EXPECT_EQ(p.readFile(kReviewWordFile), QByteArray("  Repaso  \r\n"));
}

TEST_F(Prompts, AMissingReviewWordIsSaidAndFinishedWritesItAnew) {
    ASSERT_TRUE(QFile::remove(p.path(kReviewWordFile)));
    openScreen();
    EXPECT_TRUE(lastMessage().contains(kReviewWordFile)) << lastMessage().toStdString();
    EXPECT_EQ(w->TextReview->text(), QString());
    w->TextReview->setText(QStringLiteral("Review"));
    w->CmdOverlayBack2->click();
    EXPECT_EQ(p.readFile(kReviewWordFile), QByteArray("Review\r\n"));
}

TEST_F(Prompts, ClosingTheWindowDuringARecordingLeavesThePrompt) {
    openScreen();
    const QByteArray supplied = p.readFile(QStringLiteral("aobj_how_did.wav"));
    w->OptOverlay[5]->click();
    w->PicOverlayRecord2->click();
    w->close();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_how_did.wav")), supplied);
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
}

}  // namespace
