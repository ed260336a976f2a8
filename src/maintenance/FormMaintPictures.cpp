// The picture library and the picture wizard: add, change and delete a picture.

#include "maintenance/FormMaint.h"

#include "app/PictureWidgets.h"
#include "library/Categories.h"
#include "library/CategoryBox.h"
#include "library/FileCopy.h"
#include "library/FileIds.h"
#include "library/LibraryChecks.h"
#include "library/PathHelpers.h"
#include "library/PictureFile.h"
#include "maintenance/FileBrowser.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/WorkshopFiles.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void FormMaint::connectPictureHandlers() {
    connect(cmdTMPicSelectBack, &QPushButton::clicked, this, &FormMaint::cmdTMPicSelectBack_Click);
    connect(CmdAddPic, &QPushButton::clicked, this, &FormMaint::CmdAddPic_Click);
    connect(CmdModifyPic, &QPushButton::clicked, this, &FormMaint::CmdModifyPic_Click);
    connect(CmdDeletePic, &QPushButton::clicked, this, &FormMaint::CmdDeletePic_Click);
    connect(PictureBrowser, &FileBrowser::fileActivated, this, &FormMaint::File1_DblClick);
    connect(CmdPastePicture, &QPushButton::clicked, this, &FormMaint::CmdPastePicture_Click);
    connect(CmdClearPicture, &QPushButton::clicked, this, &FormMaint::CmdClearPicture_Click);
    connect(CmdPicStepForward2, &QPushButton::clicked, this, &FormMaint::CmdPicStepForward2_Click);
    connect(CmdPic1cancel, &QPushButton::clicked, this, &FormMaint::CmdPic1cancel_Click);
    connect(CmdPicBack1, &QPushButton::clicked, this, &FormMaint::CmdPicBack1_Click);
    connect(CmdPicForward3, &QPushButton::clicked, this, &FormMaint::CmdPicForward3_Click);
    connect(CmdPic2Cancel, &QPushButton::clicked, this, &FormMaint::CmdPic2Cancel_Click);
    connect(CmdPicback2, &QPushButton::clicked, this, &FormMaint::CmdPicback2_Click);
    connect(CmdSaveExit, &QPushButton::clicked, this, &FormMaint::CmdSaveExit_Click);
    connect(CmdExitNoSave, &QPushButton::clicked, this, &FormMaint::CmdExitNoSave_Click);
}

void FormMaint::startBrowsing(const QString& picture) {
    // A picture being changed shows its own folder with its file highlighted; otherwise the browser
    // stays where the teacher last was, at first in the Pictures folder.
    const QString folder = getPath(picture);
    if (!isNone(picture) && !folder.isEmpty() && platform::files().isDirectory(folder)) {
        PictureBrowser->showFolder(folder);
        PictureBrowser->selectFile(getFileName(picture));
    } else if (PictureBrowser->folder().isEmpty()) {
        PictureBrowser->showFolder(FileBrowser::startFolder());
    }
}

void FormMaint::CmdAddPic_Click() {
    EditPictureFile.clear();
    EditPictureId.clear();
    EditNarration.clear();
    textCategory->setEditText(QString());
    TextPicDesc->clear();
    TextPhonetic->clear();
    LabCurrentPicFile->clear();
    LabCurrentWaveFile->setText(kNone);
    for (PictureBox* box : {ImageCurrentPicture, ImagePreview, ImagePicStep2, ImagePicStep3}) box->clearPicture();
    resetNarrationRecorder(false);
    removeTemporary(kTempNarrationFile);
    showProblem(loadCategoryList(*textCategory));
    textCategory->setEditText(QString());
    startBrowsing(kNone);
    showFrame(FrameSelectPic1);
}

void FormMaint::CmdModifyPic_Click() {
    const int row = highlightedRowOrSay(ListPics, tr("A Picture must be selected"));
    if (row < 0) return;
    // A picture file that cannot be read is reported and nothing of the wizard changes.
    auto picture = readPictureFile(PictureListFiles[row], PictureReaders::editor);
    if (!picture) {
        platform::messages().ok(picture.error());
        return;
    }
    // The narration waits in temp.wav until the save copies it back. If it cannot be copied the
    // picture is not opened, as its save would otherwise drop the narration.
    const QString narration = insertPath(picture->StepWaveFile);
    const bool recorded = !isNone(narration) && platform::files().exists(narration);
    if (recorded) {
        if (!CopyFileQMX(narration, inAppFolder(kTempNarrationFile))) return;
    } else {
        removeTemporary(kTempNarrationFile);
    }
    EditPictureFile = PictureListFiles[row];
    EditPictureId = picture->PictureId;
    EditNarration = recorded ? inAppFolder(kTempNarrationFile) : QString();
    showProblem(loadCategoryList(*textCategory));
    textCategory->setEditText(picture->PictureCategory);
    TextPicDesc->setText(picture->StepDescription);
    TextPhonetic->setText(isNone(picture->StepPhonetic) ? QString() : picture->StepPhonetic);
    LabCurrentWaveFile->setText(recorded ? picture->StepWaveFile : kNone);
    for (PictureBox* box : {ImageCurrentPicture, ImagePreview, ImagePicStep2, ImagePicStep3}) box->clearPicture();
    // A picture whose image is gone shows "None": the teacher chooses a new one before the save.
    const QString image = insertPath(picture->StepPictureFile);
    if (!isNone(image) && platform::files().exists(image)) {
        LabCurrentPicFile->setText(image);
        static_cast<void>(showPicture(ImageCurrentPicture, image));
    } else {
        LabCurrentPicFile->setText(kNone);
    }
    resetNarrationRecorder(recorded);
    startBrowsing(LabCurrentPicFile->text());
    showFrame(FrameSelectPic1);
}

void FormMaint::File1_DblClick() {
    ImagePreview->clearPicture();
    const QString name = PictureBrowser->currentFileName();
    if (!isPictureFileName(name)) return;
    showProblem(showPicture(ImagePreview, PictureBrowser->currentFilePath()));
}

void FormMaint::CmdPastePicture_Click() {
    const QString name = PictureBrowser->currentFileName();
    if (name.size() <= 2 || !isPictureFileName(name)) return;
    const QString path = PictureBrowser->currentFilePath();
    // A file that cannot be shown as a picture is refused, so no task is ever given a blank step.
    if (Status s = showPicture(ImageCurrentPicture, path); !s) {
        platform::messages().ok(s.error());
        if (!isNone(LabCurrentPicFile->text()))
            static_cast<void>(showPicture(ImageCurrentPicture, LabCurrentPicFile->text()));
        return;
    }
    static_cast<void>(showPicture(ImagePicStep2, path));
    LabCurrentPicFile->setText(path);
}

void FormMaint::CmdClearPicture_Click() {
    ImageCurrentPicture->clearPicture();
    LabCurrentPicFile->setText(kNone);
}

void FormMaint::CmdPicStepForward2_Click() {
    if (const QString refusal = pictureChoiceRefusal(LabCurrentPicFile->text()); !refusal.isEmpty()) {
        platform::messages().ok(refusal);
        return;
    }
    static_cast<void>(showPicture(ImagePicStep2, LabCurrentPicFile->text()));
    showFrame(FrameSelectPic2);
}

void FormMaint::CmdPicBack1_Click() { showFrame(FrameSelectPic1); }

void FormMaint::CmdPicForward3_Click() {
    const QString refusal = pictureDescriptionRefusal(textCategory->currentText(), TextPicDesc->text());
    if (!refusal.isEmpty()) {
        platform::messages().ok(refusal);
        return;
    }
    static_cast<void>(showPicture(ImagePicStep3, LabCurrentPicFile->text()));
    LabelTitleFromStep2->setText(TextPicDesc->text());
    PicPlayRecordingAuditory->setVisible(platform::files().exists(inAppFolder(kTempNarrationFile)));
    showFrame(FrameSelectPic3);
}

void FormMaint::CmdPicback2_Click() {
    leavingNarrationStep(false);
    showFrame(FrameSelectPic2);
}

void FormMaint::CmdPic1cancel_Click() { showFrame(FrameTMPicSelect); }

void FormMaint::CmdPic2Cancel_Click() { showFrame(FrameTMPicSelect); }

void FormMaint::CmdExitNoSave_Click() {
    leavingNarrationStep(true);
    removeTemporary(kTempNarrationFile);
    showFrame(FrameTMPicSelect);
}

void FormMaint::CmdSaveExit_Click() {
    leavingNarrationStep(false);
    const QString temporary = inAppFolder(kTempNarrationFile);
    PictureDraft draft;
    draft.file = EditPictureFile;
    draft.id = EditPictureId;
    draft.category = textCategory->currentText();
    draft.description = TextPicDesc->text();
    draft.phonetic = TextPhonetic->text();
    draft.picture = LabCurrentPicFile->text();
    // A narration counts only when its recording is really there to be copied.
    draft.hasNarration = !isNone(EditNarration) && platform::files().exists(temporary);
    if (const QString refusal = pictureSaveRefusal(draft); !refusal.isEmpty()) {
        platform::messages().ok(refusal);
        return;
    }
    // A new picture gets its id now. It is kept at once, so a save that fails and is tried again
    // writes the same files under the same id.
    if (EditPictureFile.isEmpty()) {
        const NewFileId id = newFileId(kPictureFilePrefix, kPictureFileExtension);
        EditPictureId = draft.id = id.idText;
        EditPictureFile = draft.file = id.fileName;
    }
    // The narration goes into place first, then the record that names it; the temporary file
    // goes only when both are there. Whatever fails, the wizard stays on this step.
    if (draft.hasNarration && !CopyFileQMX(temporary, inAppFolder(narrationFileName(EditPictureId)))) return;
    if (Status s = writePicture(EditPictureFile, pictureRecord(draft)); !s) {
        platform::messages().ok(s.error());
        return;
    }
    showProblem(saveCategory(draft.category));
    fillLibraryLists();
    removeTemporary(kTempNarrationFile);
    highlightFile(ListPics, PictureListFiles, EditPictureFile);
    showFrame(FrameTMPicSelect);
}

void FormMaint::CmdDeletePic_Click() {
    const int row = highlightedRowOrSay(ListPics, tr("A Picture must be selected"));
    if (row < 0) return;
    const QString file = PictureListFiles[row];
    if (isPictureInUse(file)) {
        platform::messages().ok(tr("This picture is associated with a task.") + u'\n' +
                                tr("The task must be deleted first before the picture can be deleted"));
        return;
    }
    auto files = pictureFilesToDelete(file);
    if (!files) {
        platform::messages().ok(files.error());
        return;
    }
    if (!platform::messages().yesNo(tr("Are you sure you want to Delete the picture ") + ListPics->item(row)->text()))
        return;
    static_cast<void>(removeFiles(*files));
    fillLibraryLists();
}
