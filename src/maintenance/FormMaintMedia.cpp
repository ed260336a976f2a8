// The recorders of the narration (picture step 3) and of the introduction (task step 4), what
// every recorder shares, the troubleshooting panel, and the panels shown over the frames.

#include "maintenance/FormMaint.h"

#include "app/PictureWidgets.h"
#include "audio/Recording.h"
#include "audio/Sound.h"
#include "library/PathHelpers.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/RecordingControls.h"
#include "maintenance/WorkshopFiles.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");

}  // namespace

// ---- What every recorder shares -------------------------------------------------------------

bool FormMaint::beginRecording(Recorder recorder) {
    // The recorders share one device: while one records, starting another is refused.
    if (recording_ != Recorder::None) return false;
    recording_ = recorder;
    startRecording();
    RecordingActive = 1;
    return true;
}

RecordingResult FormMaint::endRecording(const QString& path) {
    // Marked as ended first: the pending events that run while the file is saved must not end
    // it a second time.
    recording_ = Recorder::None;
    const RecordingResult result = stopRecording(path);
    RecordingActive = 0;
    return result;
}

void FormMaint::dropRecording() {
    recording_ = Recorder::None;
    discardRecording();
    RecordingActive = 0;
}

void FormMaint::reportRecording(const RecordingResult& result) {
    if (!result.recorded) {
        platform::messages().ok(
            tr("Nothing was recorded: no microphone could be used. Click \"Troubleshooting\" for help with the "
               "microphone."));
    } else if (!result.saved) {
        platform::messages().ok(tr("The recording could not be saved."));
    } else if (isSilentRecording(result.peak)) {
        platform::messages().ok(
            tr("The recording is silent: nothing was heard from the microphone. It was kept as recorded. Click "
               "\"Troubleshooting\" for help with the microphone."));
    }
}

void FormMaint::showLevel() {
    const float level = recordingLevel();
    switch (recording_) {
        case Recorder::Step:
            MeterAuditory->showLevel(level);
            break;
        case Recorder::Intro:
            MeterIntro->showLevel(level);
            break;
        case Recorder::Prompt:
            MeterOverlay2->showLevel(level);
            break;
        case Recorder::None:
            break;
    }
}

// ---- Picture narration ----------------------------------------------------------------------

void FormMaint::resetNarrationRecorder(bool recorded) {
    PicStartRecordingAuditory->show();
    PicStopRecordingAuditory->hide();
    PicPlayRecordingAuditory->hide();
    CmdEraseRecording->setEnabled(recorded);
}

void FormMaint::PicStartRecordingAuditory_Click() {
    if (!beginRecording(Recorder::Step)) return;
    LabCurrentWaveFile->setText(kNone);
    EditNarration.clear();
    MeterAuditory->clear();
    for (QPushButton* b : {CmdPicback2, CmdSaveExit, CmdExitNoSave, CmdTrouble, CmdEraseRecording})
        b->setEnabled(false);
    PicStopRecordingAuditory->show();
    PicStopRecordingAuditory->setFocus(Qt::OtherFocusReason);
    PicStartRecordingAuditory->hide();
    PicPlayRecordingAuditory->hide();
    TimerRecord->setEnabled(true);
}

void FormMaint::PicStopRecordingAuditory_Click() {
    if (recording_ == Recorder::Step) finishStepRecording();
    // The teacher hears the recording at once, if there is one to hear.
    const QString temporary = inAppFolder(kTempNarrationFile);
    if (!isNone(EditNarration) && platform::files().exists(temporary)) playWave(temporary, kDontLoop);
}

void FormMaint::TimerRecord_Timer() {
    if (recording_ == Recorder::Step) finishStepRecording();
    TimerRecord->setEnabled(false);
}

void FormMaint::finishStepRecording() {
    TimerRecord->setEnabled(false);
    const QString temporary = inAppFolder(kTempNarrationFile);
    const RecordingResult result = endRecording(temporary);
    MeterAuditory->setValue(0);
    // A recording that brought nothing leaves no older narration to be heard or saved as this one.
    const bool recorded = result.saved;
    if (recorded) {
        EditNarration = temporary;
        LabCurrentWaveFile->setText(temporary);
    } else {
        removeTemporary(kTempNarrationFile);
        EditNarration = kNone;
        LabCurrentWaveFile->setText(kNone);
    }
    PicStopRecordingAuditory->hide();
    PicStartRecordingAuditory->show();
    LabelNotRecording->show();
    PicPlayRecordingAuditory->setVisible(recorded);
    for (QPushButton* b : {CmdPicback2, CmdSaveExit, CmdExitNoSave, CmdTrouble}) b->setEnabled(true);
    CmdEraseRecording->setEnabled(recorded);
    if (PicStopRecordingAuditory->hasFocus() || focusWidget() == nullptr || !focusWidget()->isVisible())
        PicStartRecordingAuditory->setFocus(Qt::OtherFocusReason);
    reportRecording(result);
}

void FormMaint::PicPlayRecordingAuditory_Click() { playWave(inAppFolder(kTempNarrationFile), kDontLoop); }

void FormMaint::CmdEraseRecording_Click() {
    if (!platform::messages().yesNo(tr("Are you sure you want to delete the recorded wave file?"))) return;
    LabCurrentWaveFile->setText(kNone);
    removeTemporary(kTempNarrationFile);
    EditNarration = kNone;
    PicPlayRecordingAuditory->hide();
    CmdEraseRecording->setEnabled(false);
}

void FormMaint::leavingNarrationStep(bool discard) {
    if (recording_ != Recorder::Step) return;
    if (!discard) {
        finishStepRecording();
        return;
    }
    TimerRecord->setEnabled(false);
    dropRecording();
    MeterAuditory->setValue(0);
    resetNarrationRecorder(false);
    for (QPushButton* b : {CmdPicback2, CmdSaveExit, CmdExitNoSave, CmdTrouble}) b->setEnabled(true);
}

// ---- Task introduction ----------------------------------------------------------------------

void FormMaint::showIntroductionControls(bool recorded) {
    PicRecordWaveIntro->show();
    PicStopRecordingIntro->hide();
    PicPlayRecordIntro->setVisible(recorded);
    CmdClearAudioIntro->setVisible(recorded);
}

void FormMaint::PicRecordWaveIntro_Click() {
    if (!beginRecording(Recorder::Intro)) return;
    MeterIntro->clear();
    PicStopRecordingIntro->show();
    PicStopRecordingIntro->setFocus(Qt::OtherFocusReason);
    PicRecordWaveIntro->hide();
    TimerRecordIntro->setEnabled(true);
}

void FormMaint::PicStopRecordingIntro_Click() {
    if (recording_ == Recorder::Intro) finishIntroRecording();
    const QString temporary = inAppFolder(kTempIntroFile);
    if (platform::files().exists(temporary)) playWave(temporary, kDontLoop);
}

void FormMaint::TimerRecordIntro_Timer() {
    if (recording_ == Recorder::Intro) finishIntroRecording();
    TimerRecordIntro->setEnabled(false);
}

void FormMaint::finishIntroRecording() {
    TimerRecordIntro->setEnabled(false);
    const RecordingResult result = endRecording(inAppFolder(kTempIntroFile));
    MeterIntro->setValue(0);
    // A recording that brought nothing leaves no older introduction to be heard or saved as this one.
    if (!result.saved) removeTemporary(kTempIntroFile);
    const bool recorded = platform::files().exists(inAppFolder(kTempIntroFile));
    const bool hadFocus = PicStopRecordingIntro->hasFocus();
    showIntroductionControls(recorded);
    LabelAudioIntro->setText(recorded ? tr("An audio introduction has been recorded for this task")
                                      : tr("An audio introduction has NOT been recorded for this task"));
    if (hadFocus) PicRecordWaveIntro->setFocus(Qt::OtherFocusReason);
    reportRecording(result);
}

void FormMaint::PicPlayRecordIntro_Click() { playWave(inAppFolder(kTempIntroFile), kDontLoop); }

void FormMaint::CmdClearAudioIntro_Click() {
    if (!platform::messages().yesNo(tr("Are you sure you want to Delete the Audio Introduction?"))) return;
    removeTemporary(kTempIntroFile);
    LabelAudioIntro->setText(tr("An audio introduction has NOT been recorded for this task"));
    PicPlayRecordIntro->hide();
    CmdClearAudioIntro->hide();
}

void FormMaint::leavingIntroductionStep(bool discard) {
    // A recording still running ends before the wizard moves on, so that it can never finish
    // later into another task's introduction. Cancel drops it.
    if (recording_ != Recorder::Intro) return;
    if (!discard) {
        finishIntroRecording();
        return;
    }
    TimerRecordIntro->setEnabled(false);
    dropRecording();
    MeterIntro->setValue(0);
    showIntroductionControls(platform::files().exists(inAppFolder(kTempIntroFile)));
}

// ---- Troubleshooting ------------------------------------------------------------------------

void FormMaint::CmdTrouble_Click() { showOverlay(FrameTrouble); }

void FormMaint::CmdtroubleClose_Click() {
    if (overlay_ == FrameTrouble) hideOverlay();
}

void FormMaint::CmdShowWindowsVolume_Click() {
    const auto settings =
        microphoneSettings([](const QString& program) { return platform::shell().hasProgram(program); });
    if (!settings) {
        platform::messages().ok(tr("No program for the sound settings was found on this computer. Install the "
                                   "package %1 to set the level of the microphone.")
                                    .arg(QString::fromLatin1(kMicrophoneSettingsPackage)));
        return;
    }
    showProblem(platform::shell().startProgram(settings->program, settings->arguments));
}

// ---- Panels over the frames -----------------------------------------------------------------

void FormMaint::showOverlay(QFrame* overlay) {
    if (overlay_ == overlay) return;
    if (overlay_ != nullptr) hideOverlay();
    overlay_ = overlay;
    overlayReturnFocus_ = focusWidget();
    // The frames under the panel wait: the keyboard stays on the panel.
    Frames->setEnabled(false);
    overlay->adjustSize();
    placeOverlay();
    overlay->show();
    overlay->raise();
    for (QWidget* w = overlay->nextInFocusChain(); w != overlay; w = w->nextInFocusChain()) {
        if (overlay->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(overlay) &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void FormMaint::hideOverlay() {
    if (overlay_ == nullptr) return;
    overlay_->hide();
    overlay_ = nullptr;
    Frames->setEnabled(true);
    if (overlayReturnFocus_ != nullptr && overlayReturnFocus_->isVisible() && overlayReturnFocus_->isEnabled())
        overlayReturnFocus_->setFocus(Qt::OtherFocusReason);
    overlayReturnFocus_ = nullptr;
}

void FormMaint::placeOverlay() {
    if (overlay_ == nullptr) return;
    const QSize size = overlay_->sizeHint().boundedTo(this->size());
    overlay_->setGeometry((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
}

void FormMaint::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeOverlay();
}
