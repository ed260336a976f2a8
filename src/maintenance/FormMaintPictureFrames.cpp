// The controls of the picture library and of the three steps of the picture wizard, laid out in
// reading order (which is also the order the Tab key takes).

#include "maintenance/FormMaint.h"

#include "app/PictureWidgets.h"
#include "library/PathHelpers.h"
#include "maintenance/FileBrowser.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/WorkshopFiles.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr QSize kWizardPictureSize{240, 180};

// A step of the picture wizard shows the picture on the left and the step's controls beside it.
QVBoxLayout* addPictureAndColumn(QVBoxLayout* layout, PictureBox* picture) {
    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addWidget(picture, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    body->addLayout(column);
    layout->addLayout(body);
    return column;
}

}  // namespace

void FormMaint::buildPictureFrames() {
    buildPictureListFrame();
    buildPictureStep1();
    buildPictureStep2();
    buildPictureStep3();
}

void FormMaint::buildPictureListFrame() {
    FrameTMPicSelect = makeFrame(this, "FrameTMPicSelect");
    QVBoxLayout* layout = makeFrameLayout(FrameTMPicSelect);
    ListPics = addHeadedList(layout, FrameTMPicSelect, "ListPics", tr("Define Pictures (Steps in an Task)"),
                             tr("To add a picture click on \"Add a Picture\". To modify or delete a picture, click "
                                "on it to highlight it and then click on a button below."));
    CmdAddPic = makeButton(FrameTMPicSelect, "CmdAddPic", tr("Add a Picture"));
    CmdModifyPic = makeButton(FrameTMPicSelect, "CmdModifyPic", tr("Modify an Existing Picture"));
    CmdDeletePic = makeButton(FrameTMPicSelect, "CmdDeletePic", tr("Delete a Picture"));
    cmdTMPicSelectBack = makeButton(FrameTMPicSelect, "cmdTMPicSelectBack", tr("Back"));
    addButtonRow(layout, {CmdAddPic, CmdModifyPic, CmdDeletePic, cmdTMPicSelectBack});
    addFrame(FrameTMPicSelect);
}

void FormMaint::buildPictureStep1() {
    FrameSelectPic1 = makeFrame(this, "FrameSelectPic1");
    QVBoxLayout* layout = makeFrameLayout(FrameSelectPic1);
    layout->addWidget(makeHeading(FrameSelectPic1, tr("Step 1 of 3: Select a Picture")));
    layout->addWidget(
        makeLabel(FrameSelectPic1, tr("Double click on the filename of the picture that you would like to preview.  If "
                                      "this is the picture that you intend to use, click on the \"Use This Picture\" "
                                      "button.")));
    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    PictureBrowser = new FileBrowser(FrameSelectPic1, QStringLiteral("Dir1"), tr("Folders"), QStringLiteral("File1"),
                                     tr("Pictures in the folder"), pictureEndings());
    PictureBrowser->setObjectName(QStringLiteral("PictureBrowser"));
    PictureBrowser->setMinimumSize(560, 420);
    Dir1 = PictureBrowser->folders();
    File1 = PictureBrowser->files();
    body->addWidget(PictureBrowser, 1);

    auto* right = new QVBoxLayout;
    const QString previewCaption = tr("Preview of the highlighted picture");
    right->addWidget(makeLabel(FrameSelectPic1, previewCaption));
    ImagePreview = makePictureBox(FrameSelectPic1, "ImagePreview", kWizardPictureSize, previewCaption);
    right->addWidget(ImagePreview);
    CmdPastePicture = makeButton(FrameSelectPic1, "CmdPastePicture", tr("Use This Picture"));
    right->addWidget(CmdPastePicture);
    right->addSpacing(8);
    auto* current = new QHBoxLayout;
    const QString currentCaption = tr("Current Picture ==>");
    current->addWidget(makeLabel(FrameSelectPic1, currentCaption));
    ImageCurrentPicture = makePictureBox(FrameSelectPic1, "ImageCurrentPicture", {160, 120}, currentCaption);
    current->addWidget(ImageCurrentPicture);
    right->addLayout(current);
    right->addWidget(makeLabel(FrameSelectPic1, tr("Current Picture Filename:")));
    LabCurrentPicFile = makeLabel(FrameSelectPic1, QString(), "LabCurrentPicFile");
    LabCurrentPicFile->setMaximumWidth(kWizardPictureSize.width() + 40);
    right->addWidget(LabCurrentPicFile);
    CmdClearPicture = makeButton(FrameSelectPic1, "CmdClearPicture", tr("Clear the Current Picture"));
    right->addWidget(CmdClearPicture);
    right->addStretch(1);
    body->addLayout(right);
    layout->addLayout(body);

    CmdPicStepForward2 = makeButton(FrameSelectPic1, "CmdPicStepForward2", tr("Continue to Step 2"));
    CmdPic1cancel = makeButton(FrameSelectPic1, "CmdPic1cancel", tr("Cancel"));
    addButtonRow(layout, {CmdPicStepForward2, CmdPic1cancel});
    addFrame(FrameSelectPic1);
}

void FormMaint::buildPictureStep2() {
    FrameSelectPic2 = makeFrame(this, "FrameSelectPic2");
    QVBoxLayout* layout = makeFrameLayout(FrameSelectPic2);
    layout->addWidget(makeHeading(FrameSelectPic2, tr("Step 2 of 3: Picture Descriptions")));
    ImagePicStep2 = makePictureBox(FrameSelectPic2, "ImagePicStep2", kWizardPictureSize, tr("Current Picture"));
    QVBoxLayout* fields = addPictureAndColumn(layout, ImagePicStep2);
    fields->setSpacing(6);
    textCategory = makeCategoryBox(FrameSelectPic2, "textCategory");
    addCaptioned(fields, FrameSelectPic2, tr("Enter a category for the picture: ie. Cooking, Hygiene..."),
                 textCategory);
    fields->addSpacing(8);
    TextPicDesc = makeTextBox(FrameSelectPic2, "TextPicDesc");
    addCaptioned(fields, FrameSelectPic2, tr("Enter a Picture Description: ie. Zippering the coat"), TextPicDesc);
    fields->addSpacing(8);
    TextPhonetic = makeTextBox(FrameSelectPic2, "TextPhonetic");
    addCaptioned(fields, FrameSelectPic2,
                 tr("Enter a phonetic spelling for speech synthesizer if different from the program description "
                    "entered above"),
                 TextPhonetic);
    fields->addStretch(1);
    layout->addSpacing(16);
    CmdPicBack1 = makeButton(FrameSelectPic2, "CmdPicBack1", tr("Back to Step 1"));
    CmdPicForward3 = makeButton(FrameSelectPic2, "CmdPicForward3", tr("Continue to Step 3"));
    CmdPic2Cancel = makeButton(FrameSelectPic2, "CmdPic2Cancel", tr("Cancel"));
    addButtonRow(layout, {CmdPicBack1, CmdPicForward3, CmdPic2Cancel});
    addFrame(FrameSelectPic2);
}

void FormMaint::buildPictureStep3() {
    FrameSelectPic3 = makeFrame(this, "FrameSelectPic3");
    QVBoxLayout* layout = makeFrameLayout(FrameSelectPic3);
    layout->addWidget(makeHeading(FrameSelectPic3, tr("Step 3 of 3: Record an Auditory Narration for this Picture")));
    ImagePicStep3 = makePictureBox(FrameSelectPic3, "ImagePicStep3", kWizardPictureSize, tr("Current Picture"));
    QVBoxLayout* recorder = addPictureAndColumn(layout, ImagePicStep3);
    LabelTitleFromStep2 = makeHeading(FrameSelectPic3, QString(), "LabelTitleFromStep2");
    LabelTitleFromStep2->setMinimumWidth(520);
    recorder->addWidget(LabelTitleFromStep2);
    LabelNotRecording = makeLabel(FrameSelectPic3,
                                  tr("Click the \"Start Recording\" button, speak into the microphone and click \"Stop "
                                     "Recording\" when finished."),
                                  "LabelNotRecording");
    recorder->addWidget(LabelNotRecording);
    const RecorderControls controls =
        addRecorderControls(recorder, FrameSelectPic3, "PicStartRecordingAuditory", "PicStopRecordingAuditory",
                            "PicPlayRecordingAuditory", "MeterAuditory");
    PicStartRecordingAuditory = controls.start;
    PicStopRecordingAuditory = controls.stop;
    PicPlayRecordingAuditory = controls.play;
    MeterAuditory = controls.meter;
    CmdEraseRecording =
        makeButton(FrameSelectPic3, "CmdEraseRecording", tr("Erase the current recorded auditory narration"));
    CmdTrouble = makeButton(FrameSelectPic3, "CmdTrouble", tr("Troubleshooting"));
    addButtonRow(recorder, {CmdEraseRecording, CmdTrouble})->addStretch(1);
    LabCurrentWaveFile = makeLabel(FrameSelectPic3, kNone, "LabCurrentWaveFile");
    LabCurrentWaveFile->hide();
    recorder->addStretch(1);
    layout->addSpacing(16);
    CmdPicback2 = makeButton(FrameSelectPic3, "CmdPicback2", tr("Back to Step 2"));
    CmdSaveExit = makeButton(FrameSelectPic3, "CmdSaveExit", tr("Save and Exit"));
    CmdExitNoSave = makeButton(FrameSelectPic3, "CmdExitNoSave", tr("Cancel"));
    addButtonRow(layout, {CmdPicback2, CmdSaveExit, CmdExitNoSave});
    addFrame(FrameSelectPic3);
}
