// "Language Customization": the teacher records the program's prompts in his or her own voice or
// language, listens to them, goes back to the ones supplied, and changes the review word.

#include "maintenance/FormMaint.h"

#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "audio/Recording.h"
#include "audio/Sound.h"
#include "library/FileCopy.h"
#include "library/ReviewWord.h"
#include "maintenance/RecordingControls.h"
#include "maintenance/WorkshopFiles.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void FormMaint::CmdOverlayWaves_Click() {
    const auto table = promptTable(Edition);
    for (int i = 0; i < kPromptCount; ++i) {
        const auto at = static_cast<size_t>(i);
        PromptFiles[at] = table[at].file;
        PromptHelp[at] = QCoreApplication::translate(kPromptContext, table[at].help);
        const QString caption = QCoreApplication::translate(kPromptContext, table[at].caption);
        OptOverlayCaption[at]->setText(caption);
        OptOverlay[at]->setAccessibleName(caption);
    }
    OptOverlay[0]->setChecked(true);
    OptOverlay_Click(0);
    // A word that cannot be read is said, and the box starts empty; Finished writes it anew.
    auto word = readReviewWord();
    TextReview->setText(word ? *word : QString());
    resetPromptRecorder();
    showFrame(FrameOverlayRecord2);
    if (!word) platform::messages().ok(word.error());
}

void FormMaint::resetPromptRecorder() {
    PicOverlayRecord2->show();
    PicOverlayStopRecord2->hide();
    MeterOverlay2->setValue(0);
    for (QPushButton* b : {cmdOverlayPlay2, cmdOverlayRevert2, CmdTrouble2, CmdOverlayBack2}) b->setEnabled(true);
}

void FormMaint::OptOverlay_Click(int index) {
    if (index < 0 || index >= kPromptCount) return;
    LabExplainOverlay2->setText(PromptHelp[static_cast<size_t>(index)]);
    SelectedPrompt = index;
}

void FormMaint::PicOverlayRecord2_Click() {
    if (!beginRecording(Recorder::Prompt)) return;
    MeterOverlay2->clear();
    PicOverlayRecord2->hide();
    for (QPushButton* b : {cmdOverlayPlay2, cmdOverlayRevert2, CmdTrouble2, CmdOverlayBack2}) b->setEnabled(false);
    PicOverlayStopRecord2->show();
    PicOverlayStopRecord2->setFocus(Qt::OtherFocusReason);
    TimerOverlay2->setEnabled(true);
}

void FormMaint::finishPromptRecording() {
    TimerOverlay2->setEnabled(false);
    // The recording goes to the prompt chosen now, which may not be the one chosen at its start.
    // It replaces the prompt only once it is written whole.
    const RecordingResult result = endRecording(inAppFolder(PromptFiles[static_cast<size_t>(SelectedPrompt)]));
    const bool hadFocus = PicOverlayStopRecord2->hasFocus();
    resetPromptRecorder();
    if (hadFocus) PicOverlayRecord2->setFocus(Qt::OtherFocusReason);
    reportRecording(result);
}

void FormMaint::PicOverlayStopRecord2_Click() {
    if (recording_ == Recorder::Prompt) finishPromptRecording();
}

void FormMaint::TimerOverlay2_Timer() {
    if (recording_ == Recorder::Prompt) finishPromptRecording();
    TimerOverlay2->setEnabled(false);
}

void FormMaint::cmdOverlayPlay2_Click() {
    playWaveAsync(inAppFolder(PromptFiles[static_cast<size_t>(SelectedPrompt)]), QStringLiteral("DONT_LOOP"));
}

void FormMaint::cmdOverlayRevert2_Click() {
    if (!platform::messages().yesNo(tr("Are you sure you want to revert to the recording supplied by the program")))
        return;
    // The supplied copy is only read. A missing one says "File transfer failed" and the prompt
    // stays as it is.
    const QString prompt = inAppFolder(PromptFiles[static_cast<size_t>(SelectedPrompt)]);
    static_cast<void>(CopyFileQMX(suppliedPromptFile(prompt), prompt));
}

void FormMaint::CmdOverlayBack2_Click() {
    if (TextReview->text().trimmed().isEmpty()) {
        platform::messages().ok(tr("The word for Review is empty"));
        return;
    }
    if (Status s = writeReviewWord(TextReview->text()); !s) {
        platform::messages().ok(s.error());
        return;
    }
    showFrame(FrameTaskMaker);
}
