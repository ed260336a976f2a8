#include "WorkshopFixture.h"

#include "app/PictureWidgets.h"
#include "audio/MultimediaCommands.h"
#include "maintenance/RecordingControls.h"
#include "maintenance/WorkshopFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace {

// The recorders of the picture wizard's step 3 and the task wizard's step 4 on the doubles: the
// fake recorder writes a short tone (or silence, or nothing without a microphone), the fake clock
// runs the 15-second limit, the fake player says what was played.
struct Recorders : Workshop {
    void SetUp() override {
        Workshop::SetUp();
        picture(QStringLiteral("320000001"), QStringLiteral("Hygiene"), QStringLiteral("Wetting the brush"));
        picture(QStringLiteral("320000002"), QStringLiteral("Hygiene"), QStringLiteral("Brushing"));
        task(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
             {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")});
        open();
    }
    ~Recorders() override { mciSendString(QStringLiteral("close all")); }

    // Picture step 3 of "Wetting the brush".
    void toNarrationStep() {
        w->CmdTMPics->click();
        highlight(w->ListPics, QStringLiteral("Hygiene: Wetting the brush"));
        w->CmdModifyPic->click();
        w->CmdPicStepForward2->click();
        w->CmdPicForward3->click();
        ASSERT_EQ(frame(), w->FrameSelectPic3) << lastMessage().toStdString();
    }

    // Task step 4 of "Brushing teeth".
    void toIntroductionStep() {
        w->CmdTMTasks->click();
        highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  2 Steps"));
        w->CmdExistingTask->click();
        w->CmdNextTask2->click();
        w->CmdMaint2Next->click();
        w->Cmdtask2Next3->click();
        ASSERT_EQ(frame(), w->FrameMaint4) << lastMessage().toStdString();
    }

    // Moves the fake clock and lets the timer look at it.
    static void after(TestPlatform& p, RecordTimer* timer, double seconds) {
        p.clock.advance(seconds);
        timer->check();
    }

    QStringList played() const { return p.wave.log; }
    QStringList saves() const { return p.audio.log.filter(QStringLiteral("save ")); }

    QString narrationLine() const {
        auto record = readPictureFile(QStringLiteral("generated_pic_320000001.stp"), PictureReaders::editor);
        return record ? record->StepWaveFile : QStringLiteral("(unreadable)");
    }
    QString introLine() const {
        auto record = readTaskFile(QStringLiteral("generated_task_222222222.tsk"), TaskReaders::editor);
        return record ? record->TaskIntroFile : QStringLiteral("(unreadable)");
    }

    // The step-3 buttons a narration recording disables, as "on"/"off".
    QString stepButtons() const {
        QStringList states;
        for (QPushButton* b : {w->CmdPicback2, w->CmdSaveExit, w->CmdExitNoSave, w->CmdTrouble, w->CmdEraseRecording})
            states.append(b->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"));
        return states.join(u' ');
    }
};

TEST_F(Recorders, ANarrationNotStoppedEndsAfterFifteenSecondsUnheardTheStopControlPlaysIt) {
    toNarrationStep();
    EXPECT_EQ(stepButtons(), QStringLiteral("on on on on off"));  // no narration yet: nothing to erase

    w->PicStartRecordingAuditory->click();
    EXPECT_EQ(w->RecordingActive, 1);
    EXPECT_TRUE(w->TimerRecord->isEnabled());
    EXPECT_EQ(w->TimerRecord->interval(), 15000);
    EXPECT_FALSE(w->PicStopRecordingAuditory->isHidden());
    EXPECT_TRUE(w->PicStartRecordingAuditory->isHidden());
    EXPECT_TRUE(w->PicPlayRecordingAuditory->isHidden());
    EXPECT_EQ(stepButtons(), QStringLiteral("off off off off off"));

    after(p, w->TimerRecord, 14.9);
    EXPECT_EQ(w->RecordingActive, 1);
    EXPECT_TRUE(saves().isEmpty());
    after(p, w->TimerRecord, 0.1);
    const QString temporary = p.path(QStringLiteral("temp.wav"));
    EXPECT_EQ(saves(), QStringList({QStringLiteral("save ") + temporary}));
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_FALSE(w->TimerRecord->isEnabled());
    EXPECT_TRUE(exists(QStringLiteral("temp.wav")));
    EXPECT_EQ(w->EditNarration, temporary);
    EXPECT_EQ(w->LabCurrentWaveFile->text(), temporary);
    EXPECT_TRUE(played().isEmpty());  // the time-out plays nothing
    EXPECT_TRUE(w->PicStopRecordingAuditory->isHidden());
    EXPECT_FALSE(w->PicStartRecordingAuditory->isHidden());
    EXPECT_FALSE(w->PicPlayRecordingAuditory->isHidden());
    EXPECT_EQ(stepButtons(), QStringLiteral("on on on on on"));
    EXPECT_TRUE(p.messages.texts.isEmpty()) << lastMessage().toStdString();

    // The stop control ends the next one and plays it at once; the timer can no longer end it.
    w->PicStartRecordingAuditory->click();
    after(p, w->TimerRecord, 3.0);
    w->PicStopRecordingAuditory->click();
    EXPECT_EQ(saves().size(), 2);
    EXPECT_EQ(played(), QStringList({QStringLiteral("sync ") + temporary}));
    after(p, w->TimerRecord, 20.0);
    EXPECT_EQ(saves().size(), 2);

    // Play plays it again; the save turns it into the picture's narration.
    w->PicPlayRecordingAuditory->click();
    EXPECT_EQ(played().size(), 2);
    w->CmdSaveExit->click();
    ASSERT_EQ(frame(), w->FrameTMPicSelect) << lastMessage().toStdString();
    EXPECT_EQ(narrationLine(), QStringLiteral("pic_320000001.wav"));
    EXPECT_TRUE(exists(QStringLiteral("pic_320000001.wav")));
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
}

TEST_F(Recorders, TheLevelMeterFollowsTheMicrophoneWhileARecordingRuns) {
    toNarrationStep();
    p.audio.recordedLevel = 0.1f;  // -20 dBFS
    w->PicStartRecordingAuditory->click();
    EXPECT_EQ(w->MeterAuditory->value(), 0);
    after(p, w->TimerRecord, 0.05);
    EXPECT_EQ(w->MeterAuditory->value(), 67);
    w->PicStopRecordingAuditory->click();
    EXPECT_EQ(w->MeterAuditory->value(), 0);
    EXPECT_EQ(w->MeterAuditory->highest(), 67);
    EXPECT_EQ(w->MeterAuditory->accessibleName(), QStringLiteral("Microphone level"));
    // The other recorders have their own bars, which stayed still.
    EXPECT_EQ(w->MeterIntro->highest(), 0);
}

TEST_F(Recorders, ErasingANarrationAndSavingWritesNoneRecordingAgainMakesANewOne) {
    toNarrationStep();
    w->PicStartRecordingAuditory->click();
    w->PicStopRecordingAuditory->click();
    ASSERT_TRUE(exists(QStringLiteral("temp.wav")));

    p.messages.answers.push_back(MessageBoxes::Answer::No);
    w->CmdEraseRecording->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure you want to delete the recorded wave file?"));
    EXPECT_TRUE(exists(QStringLiteral("temp.wav")));
    w->CmdEraseRecording->click();
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
    EXPECT_EQ(w->EditNarration, QStringLiteral("None"));
    EXPECT_EQ(w->LabCurrentWaveFile->text(), QStringLiteral("None"));
    EXPECT_TRUE(w->PicPlayRecordingAuditory->isHidden());
    EXPECT_FALSE(w->CmdEraseRecording->isEnabled());
    w->CmdSaveExit->click();
    ASSERT_EQ(frame(), w->FrameTMPicSelect) << lastMessage().toStdString();
    EXPECT_EQ(narrationLine(), QStringLiteral("None"));

    toNarrationStep();
    w->PicStartRecordingAuditory->click();
    w->PicStopRecordingAuditory->click();
    EXPECT_TRUE(exists(QStringLiteral("temp.wav")));
    EXPECT_TRUE(w->CmdEraseRecording->isEnabled());
    w->CmdSaveExit->click();
    EXPECT_EQ(narrationLine(), QStringLiteral("pic_320000001.wav"));
}

TEST_F(Recorders, WithoutAMicrophoneNoOlderNarrationStaysAndTheSaveWritesNone) {
    toNarrationStep();
    w->PicStartRecordingAuditory->click();
    w->PicStopRecordingAuditory->click();
    ASSERT_TRUE(exists(QStringLiteral("temp.wav")));
    p.wave.log.clear();

    // The microphone is unplugged: the next recording writes nothing.
    p.audio.hasMicrophone = false;
    w->PicStartRecordingAuditory->click();
    w->PicStopRecordingAuditory->click();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
    EXPECT_TRUE(played().isEmpty());  // neither the old recording nor a missing file
    EXPECT_TRUE(w->PicPlayRecordingAuditory->isHidden());
    EXPECT_FALSE(w->CmdEraseRecording->isEnabled());
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Nothing was recorded"))) << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("\"Troubleshooting\"")));
    EXPECT_EQ(stepButtons(), QStringLiteral("on on on on off"));

    w->CmdSaveExit->click();
    ASSERT_EQ(frame(), w->FrameTMPicSelect) << lastMessage().toStdString();
    EXPECT_EQ(narrationLine(), QStringLiteral("None"));
    EXPECT_FALSE(exists(QStringLiteral("pic_320000001.wav")));
}

TEST_F(Recorders, ASilentRecordingIsKeptAndSaidOnce) {
    toIntroductionStep();
    p.audio.recordedLevel = 0.002f;  // -54 dBFS: below the line
    w->PicRecordWaveIntro->click();
    w->PicStopRecordingIntro->click();
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("The recording is silent"))) << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("\"Troubleshooting\"")));
    EXPECT_TRUE(exists(QStringLiteral("temp_intro.wav")));
    EXPECT_EQ(w->LabelAudioIntro->text(), QStringLiteral("An audio introduction has been recorded for this task"));

    // Just above the line it is a recording like any other.
    p.audio.recordedLevel = 0.004f;
    w->PicRecordWaveIntro->click();
    w->PicStopRecordingIntro->click();
    EXPECT_EQ(p.messages.texts.size(), 1);
}

TEST_F(Recorders, APromptWhoseRecordingCannotBeSavedStaysAsItWas) {
    // A full disk: the recorder writes nothing and the prompt keeps its bytes.
    p.audio.saveProblem = QStringLiteral("The disk is full.");
    p.writeFile(QStringLiteral("aobj_how_did.wav"), QByteArray("supplied"));
    w->CmdOverlayWaves->click();
    w->OptOverlay[5]->click();
    w->PicOverlayRecord2->click();
    w->PicOverlayStopRecord2->click();
    EXPECT_EQ(p.readFile(QStringLiteral("aobj_how_did.wav")), QByteArray("supplied"));
    EXPECT_EQ(lastMessage(), QStringLiteral("The recording could not be saved."));
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_TRUE(w->CmdOverlayBack2->isEnabled());
}

TEST_F(Recorders, AnIntroductionNotStoppedEndsAfterFifteenSecondsTheWizardStaysUsable) {
    toIntroductionStep();
    EXPECT_TRUE(w->PicPlayRecordIntro->isHidden());
    EXPECT_TRUE(w->CmdClearAudioIntro->isHidden());
    w->PicRecordWaveIntro->click();
    EXPECT_EQ(w->RecordingActive, 1);
    EXPECT_TRUE(w->PicRecordWaveIntro->isHidden());
    EXPECT_FALSE(w->PicStopRecordingIntro->isHidden());
    // The wizard's other buttons stay usable while an introduction records.
    for (QPushButton* b : {w->Cmdmaint3Back2, w->CmdTaskSave, w->CmdGoBackIntro, w->CmdTroubleIntro})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    after(p, w->TimerRecordIntro, 15.0);
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_TRUE(exists(QStringLiteral("temp_intro.wav")));
    EXPECT_TRUE(played().isEmpty());
    EXPECT_EQ(w->LabelAudioIntro->text(), QStringLiteral("An audio introduction has been recorded for this task"));
    EXPECT_FALSE(w->PicPlayRecordIntro->isHidden());
    EXPECT_FALSE(w->CmdClearAudioIntro->isHidden());
    EXPECT_FALSE(w->PicRecordWaveIntro->isHidden());

    w->PicRecordWaveIntro->click();
    w->PicStopRecordingIntro->click();
    EXPECT_EQ(played(), QStringList({QStringLiteral("sync ") + p.path(QStringLiteral("temp_intro.wav"))}));
    w->CmdTaskSave->click();
    ASSERT_EQ(frame(), w->FrameTMTaskSelect) << lastMessage().toStdString();
    EXPECT_EQ(introLine(), QStringLiteral("intro_222222222.wav"));
}

TEST_F(Recorders, ClearingAnIntroductionAndSavingWritesNone) {
    toIntroductionStep();
    w->PicRecordWaveIntro->click();
    w->PicStopRecordingIntro->click();
    w->CmdTaskSave->click();
    ASSERT_EQ(introLine(), QStringLiteral("intro_222222222.wav"));

    toIntroductionStep();  // opened again: the introduction waits in the temporary file
    EXPECT_FALSE(w->CmdClearAudioIntro->isHidden());
    p.messages.answers.push_back(MessageBoxes::Answer::No);
    w->CmdClearAudioIntro->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure you want to Delete the Audio Introduction?"));
    EXPECT_TRUE(exists(QStringLiteral("temp_intro.wav")));
    w->CmdClearAudioIntro->click();
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));
    EXPECT_EQ(w->LabelAudioIntro->text(), QStringLiteral("An audio introduction has NOT been recorded for this task"));
    EXPECT_TRUE(w->PicPlayRecordIntro->isHidden());
    EXPECT_TRUE(w->CmdClearAudioIntro->isHidden());
    w->CmdTaskSave->click();
    ASSERT_EQ(frame(), w->FrameTMTaskSelect) << lastMessage().toStdString();
    EXPECT_EQ(introLine(), QStringLiteral("None"));
}

TEST_F(Recorders, LeavingTheIntroductionStepEndsItsRecordingCancelDropsIt) {
    const QString temporary = p.path(QStringLiteral("temp_intro.wav"));
    // Back: the recording is saved and the wizard goes on with it.
    toIntroductionStep();
    w->PicRecordWaveIntro->click();
    w->Cmdmaint3Back2->click();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_FALSE(w->TimerRecordIntro->isEnabled());
    EXPECT_EQ(saves(), QStringList({QStringLiteral("save ") + temporary}));
    EXPECT_TRUE(exists(QStringLiteral("temp_intro.wav")));
    w->Cmdtask2Next3->click();
    EXPECT_FALSE(w->PicPlayRecordIntro->isHidden());
    EXPECT_FALSE(w->PicRecordWaveIntro->isHidden());

    // Cancel: dropped, nothing saved, no temporary file left, and the 15 seconds running out
    // later write nothing into the next task opened.
    w->PicRecordWaveIntro->click();
    w->CmdGoBackIntro->click();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_EQ(saves().size(), 1);
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));
    after(p, w->TimerRecordIntro, 20.0);
    EXPECT_EQ(saves().size(), 1);
    EXPECT_EQ(introLine(), QStringLiteral("None"));

    // Save: the recording is ended first and becomes the task's introduction.
    toIntroductionStep();
    w->PicRecordWaveIntro->click();
    w->CmdTaskSave->click();
    ASSERT_EQ(frame(), w->FrameTMTaskSelect) << lastMessage().toStdString();
    EXPECT_EQ(saves().size(), 2);
    EXPECT_EQ(introLine(), QStringLiteral("intro_222222222.wav"));
    EXPECT_TRUE(exists(QStringLiteral("intro_222222222.wav")));
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));

    // Closing the window drops it as Cancel does.
    toIntroductionStep();
    w->PicRecordWaveIntro->click();
    w->close();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_EQ(saves().size(), 2);
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));
    EXPECT_EQ(introLine(), QStringLiteral("intro_222222222.wav"));
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
}

TEST_F(Recorders, ARecordingThatRunsRefusesASecondOne) {
    toIntroductionStep();
    w->PicRecordWaveIntro->click();
    const QStringList before = p.audio.log;
    // The picture recorder's start, reached directly, is ignored: one device, one recording.
    w->PicStartRecordingAuditory_Click();
    w->PicOverlayRecord2_Click();
    EXPECT_EQ(p.audio.log, before);
    EXPECT_FALSE(w->TimerRecord->isEnabled());
    EXPECT_FALSE(w->TimerOverlay2->isEnabled());
    EXPECT_TRUE(w->TimerRecordIntro->isEnabled());
    // Nor do the other recorders' stop controls end it.
    w->PicStopRecordingAuditory_Click();
    w->PicOverlayStopRecord2_Click();
    EXPECT_EQ(w->RecordingActive, 1);
    w->PicStopRecordingIntro->click();
    EXPECT_EQ(saves(), QStringList({QStringLiteral("save ") + p.path(QStringLiteral("temp_intro.wav"))}));
}

TEST_F(Recorders, ClosingTheWindowDuringANarrationDropsIt) {
    toNarrationStep();
    w->PicStartRecordingAuditory->click();
    w->close();
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_TRUE(saves().isEmpty());
    EXPECT_FALSE(exists(QStringLiteral("temp.wav")));
    EXPECT_EQ(narrationLine(), QStringLiteral("None"));
}

TEST_F(Recorders, TheTroubleshootingPanelOpensOverEachRecorderAndTheLevelSettingsOpen) {
    toNarrationStep();
    w->CmdTrouble->setFocus();
    w->CmdTrouble->click();
    ASSERT_EQ(w->currentOverlay(), w->FrameTrouble);
    EXPECT_TRUE(w->FrameTrouble->isVisible());
    EXPECT_FALSE(w->Frames->isEnabled());  // the frame under it waits
    EXPECT_EQ(QApplication::focusWidget(), w->CmdShowWindowsVolume);
    for (PictureBox* picture : {w->ImageMicUsb, w->ImageMicJack}) EXPECT_TRUE(picture->isVisible());
    const QStringList texts = [this] {
        QStringList all;
        for (QLabel* label : w->FrameTrouble->findChildren<QLabel*>()) all.append(label->text());
        return all;
    }();
    for (const char* text :
         {"Troubleshooting Recording", "USB Connector", "1/8 inch connector",
          "Problem:  After recording a narration and clicking on the \"Play\" button, nothing seems to be recorded.",
          "These microphones have an On/Off button at the base.  Make sure that the button is turned on."})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;

    // pavucontrol opens on its input tab; without it the desktop's settings; without any, the
    // package to install.
    p.shell.programs = {QStringLiteral("pavucontrol"), QStringLiteral("gnome-control-center")};
    w->CmdShowWindowsVolume->click();
    EXPECT_EQ(p.shell.started, QStringList({QStringLiteral("pavucontrol --tab=4")}));
    p.shell.programs = {QStringLiteral("gnome-control-center")};
    w->CmdShowWindowsVolume->click();
    EXPECT_EQ(p.shell.started.last(), QStringLiteral("gnome-control-center sound"));
    p.shell.programs.clear();
    w->CmdShowWindowsVolume->click();
    EXPECT_EQ(p.shell.started.size(), 2);
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("pavucontrol"))) << lastMessage().toStdString();
    // A program that will not start is said.
    p.shell.programs = {QStringLiteral("pavucontrol")};
    p.shell.result = false;
    w->CmdShowWindowsVolume->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("pavucontrol could not be opened."));

    w->CmdtroubleClose->click();
    EXPECT_EQ(w->currentOverlay(), nullptr);
    EXPECT_FALSE(w->FrameTrouble->isVisible());
    EXPECT_TRUE(w->Frames->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w->CmdTrouble);  // back where the teacher was

    w->CmdPicback2->click();
    w->CmdPic2Cancel->click();
    w->cmdTMPicSelectBack->click();
    toIntroductionStep();
    w->CmdTroubleIntro->click();
    EXPECT_EQ(w->currentOverlay(), w->FrameTrouble);
    w->CmdtroubleClose->click();
    EXPECT_EQ(frame(), w->FrameMaint4);
}

TEST_F(Recorders, TheRecordersWorkWithTheKeyboardAlone) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    toIntroductionStep();
    w->PicRecordWaveIntro->setFocus();
    QTest::keyClick(w->PicRecordWaveIntro, Qt::Key_Return);
    ASSERT_EQ(w->RecordingActive, 1);
    // The keyboard is on the stop control, where Enter stops the recording.
    ASSERT_EQ(QApplication::focusWidget(), w->PicStopRecordingIntro);
    QTest::keyClick(w->PicStopRecordingIntro, Qt::Key_Space);
    EXPECT_EQ(w->RecordingActive, 0);
    EXPECT_EQ(QApplication::focusWidget(), w->PicRecordWaveIntro);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->PicPlayRecordIntro);
    QTest::keyClick(w->PicPlayRecordIntro, Qt::Key_Enter);
    EXPECT_EQ(played().size(), 2);  // once after the stop, once now
}

}  // namespace
