// The task list and the task wizard: new, change, delete, the step slots and the save.

#include "maintenance/FormMaint.h"

#include "app/PictureWidgets.h"
#include "library/Categories.h"
#include "library/CategoryBox.h"
#include "library/FileCopy.h"
#include "library/FileIds.h"
#include "library/PathHelpers.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/WorkshopFiles.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void FormMaint::connectTaskHandlers() {
    connect(CmdTMTaskBack, &QPushButton::clicked, this, &FormMaint::CmdTMTaskBack_Click);
    connect(CmdAddTask, &QPushButton::clicked, this, &FormMaint::CmdAddTask_Click);
    connect(CmdExistingTask, &QPushButton::clicked, this, &FormMaint::CmdExistingTask_Click);
    connect(CmdDeleteTask, &QPushButton::clicked, this, &FormMaint::CmdDeleteTask_Click);
    connect(CmdPrintTask, &QPushButton::clicked, this, &FormMaint::CmdPrintTask_Click);
    connect(CmdNextTask2, &QPushButton::clicked, this, &FormMaint::CmdNextTask2_Click);
    connect(CmdMaint4Back3, &QPushButton::clicked, this, &FormMaint::CmdMaint4Back3_Click);
    connect(CmdMaint2Next, &QPushButton::clicked, this, &FormMaint::CmdMaint2Next_Click);
    connect(Cmdtask2Back1, &QPushButton::clicked, this, &FormMaint::Cmdtask2Back1_Click);
    connect(Cmdtask2Next3, &QPushButton::clicked, this, &FormMaint::Cmdtask2Next3_Click);
    connect(Cmdmaint3Back2, &QPushButton::clicked, this, &FormMaint::Cmdmaint3Back2_Click);
    connect(CmdTaskSave, &QPushButton::clicked, this, &FormMaint::CmdTaskSave_Click);
    for (QPushButton* cancel : {CmdStep1Cancel, CmdTaskCancel, CmdDefineVideoDone, CmdGoBackIntro})
        connect(cancel, &QPushButton::clicked, this, &FormMaint::cancelTaskWizard);
    connect(CmdAddModifyTaskVideo, &QPushButton::clicked, this, &FormMaint::CmdAddModifyTaskVideo_Click);
    connect(CmdremoveVideo, &QPushButton::clicked, this, &FormMaint::CmdremoveVideo_Click);
    connect(ListPicStep, &QListWidget::itemSelectionChanged, this, &FormMaint::ListPicStep_Click);
    for (int i = 1; i <= kMaxSteps; ++i) {
        connect(CmdPastePic[i], &QPushButton::clicked, this, [this, i] { CmdPastePic_Click(i); });
        connect(CmdClearPic[i], &QPushButton::clicked, this, [this, i] { CmdClearPic_Click(i); });
    }
}

void FormMaint::resetTaskSlots() {
    for (int i = 1; i <= kMaxSteps; ++i) {
        EditStepPictures[i] = kNone;
        ImageStep[i]->clearPicture();
    }
    EditStepCount = 0;
}

void FormMaint::updateStepButtons() {
    const StepButtonStates states = stepButtonStates(EditStepPictures);
    for (int i = 1; i <= kMaxSteps; ++i) {
        CmdPastePic[i]->setEnabled(states.paste[i]);
        CmdClearPic[i]->setEnabled(states.clear[i]);
    }
}

void FormMaint::showStepPicture(int slot) {
    // An image that cannot be decoded leaves the slot blank; the step keeps its picture file.
    if (isNone(EditStepPictures[slot])) {
        ImageStep[slot]->clearPicture();
    } else {
        static_cast<void>(showPicture(ImageStep[slot], EditStepPictures[slot]));
    }
}

void FormMaint::highlightFile(QListWidget* list, const QStringList& files, const QString& file) {
    const qsizetype row = files.indexOf(file);
    if (row >= 0) list->setCurrentRow(static_cast<int>(row));
}

void FormMaint::startTaskWizard() {
    IgnoreVideoListClicks = 1;
    // The preview of an earlier task is gone: "Use this video clip" without a preview keeps this
    // task's own clip.
    resetVideoPreview();
    for (int i = 1; i <= kMaxSteps; ++i) {
        EditStepFiles[i].clear();
        EditStepPictures[i].clear();
        ImageStep[i]->clearPicture();
    }
    ImageCopyPreview->clearPicture();
    TextTask->clear();
    showProblem(loadCategoryList(*textTaskCategory));
    textTaskCategory->setEditText(QString());
}

void FormMaint::CmdAddTask_Click() {
    startTaskWizard();
    EditTaskFile.clear();
    removeTemporary(kTempIntroFile);
    updateStepButtons();
    fillStepPictureList();
    LabCurrentVideo->clear();
    // The id is drawn now, the file made only by the save; a save that fails keeps this id.
    const NewFileId id = newFileId(kTaskFilePrefix, kTaskFileExtension);
    EditTaskId = id.idText;
    EditTaskFile = id.fileName;
    showIntroductionControls(false);
    showTaskInfo();
    LabelAudioIntro->setText(tr("An audio introduction has NOT been recorded for this task"));
    showFrame(FrameMaint1);
}

void FormMaint::CmdExistingTask_Click() {
    ImageCopyPreview->clearPicture();
    const int row = highlightedRowOrSay(ListTasks, tr("A Task must be selected by clicking on it first"));
    if (row < 0) return;
    // A task file that cannot be read is reported and nothing of the wizard changes.
    auto opened = openTaskForChange(TaskListFiles[row]);
    if (!opened) {
        platform::messages().ok(opened.error());
        return;
    }
    // The introduction waits in the temporary file until the save copies it back. If it cannot
    // be copied the task is not opened, as its save would otherwise drop the introduction.
    const bool recorded = !opened->introduction.isEmpty();
    if (recorded) {
        if (!CopyFileQMX(opened->introduction, inAppFolder(kTempIntroFile))) return;
    } else {
        removeTemporary(kTempIntroFile);
    }
    startTaskWizard();
    EditTaskFile = TaskListFiles[row];
    EditStepCount = opened->task.StepCount;
    TextTask->setText(opened->task.TaskTitle);
    textTaskCategory->setEditText(opened->task.TaskCategory);
    LabCurrentVideo->setText(opened->video);
    EditStepFiles = opened->stepFiles;
    EditStepPictures = opened->stepPictures;
    for (int i = 1; i <= kMaxSteps; ++i) showStepPicture(i);
    EditTaskId = opened->task.TaskId;
    updateStepButtons();
    fillStepPictureList();
    LabelAudioIntro->setText(recorded ? tr("An audio introduction has been recorded for this task")
                                      : tr("An audio introduction has NOT been recorded for this task"));
    showIntroductionControls(recorded);
    if (!opened->problems.isEmpty()) platform::messages().ok(opened->problems.join(u'\n'));
    showTaskInfo();
    showFrame(FrameMaint1);
}

void FormMaint::CmdNextTask2_Click() {
    if (isNone(textTaskCategory->currentText())) {
        platform::messages().ok(tr("A Category is required"));
        return;
    }
    if (isNone(TextTask->text())) {
        platform::messages().ok(tr("A task description is required"));
        return;
    }
    // The label shows its text as it stands, so an ampersand shows as one.
    LabelTaskName->setText(TextTask->text());
    if (!isNone(LabCurrentVideo->text())) prepareVideoPreview();
    showFrame(FrameMaint2);
}

void FormMaint::CmdMaint4Back3_Click() { showFrame(FrameMaint1); }

void FormMaint::CmdMaint2Next_Click() {
    IgnoreVideoListClicks = 0;
    showTaskInfo();
    showFrame(FrameMaint3);
}

void FormMaint::Cmdtask2Back1_Click() { showFrame(FrameMaint2); }

void FormMaint::Cmdtask2Next3_Click() {
    stopVideoPreview();
    showIntroductionControls(platform::files().exists(inAppFolder(kTempIntroFile)));
    showFrame(FrameMaint4);
}

void FormMaint::Cmdmaint3Back2_Click() {
    leavingIntroductionStep(false);
    showFrame(FrameMaint3);
}

void FormMaint::ListPicStep_Click() {
    const int row = highlightedRow(ListPicStep);
    if (row < 0) {
        SelectedLibraryPicture.clear();
        ImageCopyPreview->clearPicture();
        return;
    }
    auto image = libraryPictureImage(PictureListFiles[row]);
    if (!image) {
        SelectedLibraryPicture.clear();
        ImageCopyPreview->clearPicture();
        platform::messages().ok(image.error());
        return;
    }
    static_cast<void>(showPicture(ImageCopyPreview, *image));
    SelectedLibraryPicture = *image;
}

void FormMaint::CmdPastePic_Click(int index) {
    const int row = highlightedRow(ListPicStep);
    if (SelectedLibraryPicture.isEmpty() || row < 0) return;
    if (const QString refusal = pasteRefusal(EditStepPictures, SelectedLibraryPicture); !refusal.isEmpty()) {
        platform::messages().ok(refusal);
        return;
    }
    EditStepPictures[index] = SelectedLibraryPicture;
    EditStepFiles[index] = PictureListFiles[row];
    showStepPicture(index);
    updateStepButtons();
}

void FormMaint::CmdClearPic_Click(int index) {
    ImageStep[index]->clearPicture();
    EditStepPictures[index] = kNone;
    EditStepFiles[index] = kNone;
    updateStepButtons();
}

void FormMaint::CmdTaskSave_Click() {
    leavingIntroductionStep(false);
    const QString temporary = inAppFolder(kTempIntroFile);
    TaskDraft draft;
    draft.file = EditTaskFile;
    draft.id = EditTaskId;
    draft.description = TextTask->text();
    draft.category = textTaskCategory->currentText();
    draft.video = LabCurrentVideo->text();
    draft.stepFiles = EditStepFiles;
    draft.hasIntroduction = platform::files().exists(temporary);
    EditStepCount = static_cast<std::int16_t>(filledStepCount(EditStepFiles));
    auto record = taskToSave(draft);
    if (!record) {
        platform::messages().ok(record.error());
        return;
    }
    // The introduction goes into place first, then the record that names it; the temporary file
    // goes only when both are there. Whatever fails, the wizard stays on this step with
    // everything entered, and the task file on disk is the old one, whole.
    if (draft.hasIntroduction && !CopyFileQMX(temporary, inAppFolder(introFileName(EditTaskId)))) return;
    if (Status s = writeTask(EditTaskFile, *record); !s) {
        platform::messages().ok(s.error());
        return;
    }
    if (draft.hasIntroduction) removeTemporary(kTempIntroFile);
    // The category list only offers suggestions: the task is saved whether or not it takes the new one.
    showProblem(saveCategory(draft.category));
    stopVideoPreview();
    fillLibraryLists();
    highlightFile(ListTasks, TaskListFiles, EditTaskFile);
    showFrame(FrameTMTaskSelect);
}

void FormMaint::cancelTaskWizard() {
    leavingIntroductionStep(true);
    stopVideoPreview();
    removeTemporary(kTempIntroFile);
    showFrame(FrameTMTaskSelect);
}

void FormMaint::CmdDeleteTask_Click() {
    const int row = highlightedRowOrSay(ListTasks, tr("A Task must be selected by clicking on it first"));
    if (row < 0) return;
    if (!platform::messages().yesNo(tr("Are you sure you want to delete the task ") + ListTasks->item(row)->text()))
        return;
    auto files = taskFilesToDelete(TaskListFiles[row]);
    if (!files) {
        platform::messages().ok(files.error());
        return;
    }
    static_cast<void>(removeFiles(*files));
    fillLibraryLists();
}
