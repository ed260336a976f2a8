// The media of the workshop: the introduction and narration recorders, the task's video clip,
// printing and the prompt recordings. The wizards call these at the points where the media take
// part; the recorders, the video chooser, the print preview and the prompt screen are still to
// come, so their controls are shown but cannot be used yet.

#include "maintenance/FormMaint.h"

#include "app/PictureWidgets.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// A control that cannot be used yet: disabled, and a picture button faded so it does not look
// as if it could be pressed.
void setInactive(QWidget* control) {
    control->setEnabled(false);
    if (qobject_cast<PictureButton*>(control) != nullptr) {
        auto* fade = new QGraphicsOpacityEffect(control);
        fade->setOpacity(0.35);
        control->setGraphicsEffect(fade);
    }
}

}  // namespace

void FormMaint::setUpMediaControls() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             CmdOverlayWaves, CmdPrintTask, CmdAddModifyTaskVideo, PicRecordWaveIntro, PicStopRecordingIntro,
             PicPlayRecordIntro, CmdClearAudioIntro, CmdTroubleIntro, PicStartRecordingAuditory,
             PicStopRecordingAuditory, PicPlayRecordingAuditory, CmdEraseRecording, CmdTrouble}) {
        setInactive(control);
    }
}

void FormMaint::showTaskInfo() {
    const bool assigned = !isNone(LabCurrentVideo->text());
    LabVideoInfo->setText(assigned ? tr("A video clip has been assigned to this task")
                                   : tr("A video clip has NOT been assigned to this task"));
    LabelVideoInfo->setVisible(assigned);
    LabCurrentVideo->setVisible(assigned);
    CmdremoveVideo->setVisible(assigned);
}

// Leaving step 1 with a clip set: the clip's first picture will stand still in the chooser.
void FormMaint::prepareVideoPreview() {}

// Cancel, the save and the step to step 4 stop the chooser's player.
void FormMaint::stopVideoPreview() {}

void FormMaint::CmdAddModifyTaskVideo_Click() {}

void FormMaint::CmdremoveVideo_Click() {
    if (!platform::messages().yesNo(tr("Are you sure you want to remove the video clip from the task?"))) return;
    LabCurrentVideo->setText(kNone);
    showTaskInfo();
}

void FormMaint::CmdPrintTask_Click() {
    IgnoreVideoListClicks = 1;
    if (highlightedRowOrSay(ListTasks, tr("A Task must be selected by clicking on it first")) < 0) return;
    // The print preview takes the highlighted task's images (libraryPictureImage of each step) from here.
}

void FormMaint::CmdOverlayWaves_Click() {}

void FormMaint::showIntroductionControls(bool recorded) {
    PicRecordWaveIntro->show();
    PicStopRecordingIntro->hide();
    PicPlayRecordIntro->setVisible(recorded);
    CmdClearAudioIntro->setVisible(recorded);
}

void FormMaint::resetNarrationRecorder(bool recorded) {
    PicStartRecordingAuditory->show();
    PicStopRecordingAuditory->hide();
    PicPlayRecordingAuditory->hide();
    // With the recorder, the erase button is usable exactly when there is a narration.
    static_cast<void>(recorded);
}

void FormMaint::leavingIntroductionStep(bool discard) { static_cast<void>(discard); }

void FormMaint::leavingNarrationStep(bool discard) { static_cast<void>(discard); }
