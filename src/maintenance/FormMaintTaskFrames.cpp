// The controls of the task list and of the four steps of the task wizard, laid out in reading
// order (which is also the order the Tab key takes).

#include "maintenance/FormMaint.h"

#include "app/PictureWidgets.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/WorkshopFiles.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kStepPictureSize{124, 93};

}  // namespace

void FormMaint::buildTaskFrames() {
    buildTaskListFrame();
    buildTaskStep1();
    buildTaskStep2();
    buildTaskStep3();
    buildTaskStep4();
}

void FormMaint::buildTaskListFrame() {
    FrameTMTaskSelect = makeFrame(this, "FrameTMTaskSelect");
    QVBoxLayout* layout = makeFrameLayout(FrameTMTaskSelect);
    ListTasks = addHeadedList(layout, FrameTMTaskSelect, "ListTasks", tr("Sequencing Tasks"),
                              tr("Click on a task to highlight it and then click on a button below"));
    CmdAddTask = makeButton(FrameTMTaskSelect, "CmdAddTask", tr("Add a New Task"));
    CmdExistingTask = makeButton(FrameTMTaskSelect, "CmdExistingTask", tr("Modify an Existing Task"));
    CmdDeleteTask = makeButton(FrameTMTaskSelect, "CmdDeleteTask", tr("Delete an Existing Task"));
    CmdPrintTask = makeButton(FrameTMTaskSelect, "CmdPrintTask", tr("Print Task Pictures"));
    CmdTMTaskBack = makeButton(FrameTMTaskSelect, "CmdTMTaskBack", tr("Back"));
    addButtonRow(layout, {CmdAddTask, CmdExistingTask, CmdDeleteTask, CmdPrintTask, CmdTMTaskBack});
    addFrame(FrameTMTaskSelect);
}

void FormMaint::buildTaskStep1() {
    FrameMaint1 = makeFrame(this, "FrameMaint1");
    QVBoxLayout* layout = makeFrameLayout(FrameMaint1);
    layout->addWidget(makeHeading(FrameMaint1, tr("Step 1 of 4")));
    TextTask = makeTextBox(FrameMaint1, "TextTask");
    addCaptioned(layout, FrameMaint1, tr("Describe the activity:  ie. Making a scrambled egg"), TextTask);
    layout->addSpacing(10);
    textTaskCategory = makeCategoryBox(FrameMaint1, "textTaskCategory");
    addCaptioned(layout, FrameMaint1,
                 tr("Enter a category for this activity ( ie. Cooking)  or choose an existing one by clicking on the "
                    "down arrow  "),
                 textTaskCategory);
    layout->addSpacing(16);
    CmdNextTask2 = makeButton(FrameMaint1, "CmdNextTask2", tr("Continue to Step 2"));
    CmdStep1Cancel = makeButton(FrameMaint1, "CmdStep1Cancel", tr("Cancel"));
    addButtonRow(layout, {CmdNextTask2, CmdStep1Cancel});
    addFrame(FrameMaint1);
}

void FormMaint::buildTaskStep2() {
    FrameMaint2 = makeFrame(this, "FrameMaint2");
    QVBoxLayout* layout = makeFrameLayout(FrameMaint2);
    layout->addWidget(makeHeading(FrameMaint2, tr("Step 2 of 4: Add Pictures to the Task")));
    layout->addWidget(makeLabel(FrameMaint2, tr("Define the steps (minimum of two)")));

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    auto* left = new QVBoxLayout;
    const QString listCaption = tr("Pictures in the library");
    QLabel* listLabel = makeLabel(FrameMaint2, listCaption);
    ListPicStep = new LibraryList(FrameMaint2);
    ListPicStep->setObjectName(QStringLiteral("ListPicStep"));
    ListPicStep->setAccessibleName(listCaption);
    ListPicStep->setFixedWidth(300);
    ListPicStep->setMinimumHeight(300);
    // Long entries wrap instead of hiding their end behind a scroll bar.
    ListPicStep->setWordWrap(true);
    ListPicStep->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listLabel->setBuddy(ListPicStep);
    left->addWidget(listLabel);
    left->addWidget(ListPicStep, 1);
    const QString previewCaption = tr("Picture Preview");
    left->addWidget(makeLabel(FrameMaint2, previewCaption));
    ImageCopyPreview = makePictureBox(FrameMaint2, "ImageCopyPreview", {200, 150}, previewCaption);
    left->addWidget(ImageCopyPreview, 0, Qt::AlignHCenter);
    body->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(makeLabel(FrameMaint2, tr("Click on a picture in the list, then on \"Paste Picture\" under the "
                                               "step that shows it.")));
    auto* slots = new QGridLayout;
    slots->setHorizontalSpacing(10);
    slots->setVerticalSpacing(14);
    for (int i = 1; i <= kMaxSteps; ++i) {
        const QString step = tr("Step %1").arg(i);
        auto* cell = new QVBoxLayout;
        cell->setSpacing(4);
        LabelStep[i] = makeLabel(FrameMaint2, step, "LabelStep");
        LabelStep[i]->setAlignment(Qt::AlignHCenter);
        ImageStep[i] = makePictureBox(FrameMaint2, "ImageStep", kStepPictureSize, step);
        CmdPastePic[i] = makeButton(FrameMaint2, "CmdPastePic", tr("Paste Picture"));
        CmdClearPic[i] = makeButton(FrameMaint2, "CmdClearPic", tr("Clear Picture"));
        for (QPushButton* b : {CmdPastePic[i], CmdClearPic[i]}) {
            b->setAccessibleDescription(step);
            b->setFixedWidth(kStepPictureSize.width());
        }
        for (QWidget* w : std::initializer_list<QWidget*>{LabelStep[i], ImageStep[i], CmdPastePic[i], CmdClearPic[i]})
            w->setProperty("index", i);
        cell->addWidget(LabelStep[i]);
        cell->addWidget(ImageStep[i]);
        cell->addWidget(CmdPastePic[i]);
        cell->addWidget(CmdClearPic[i]);
        slots->addLayout(cell, (i - 1) / 5, (i - 1) % 5);
    }
    right->addLayout(slots);
    right->addStretch(1);
    body->addLayout(right);
    layout->addLayout(body);

    CmdMaint4Back3 = makeButton(FrameMaint2, "CmdMaint4Back3", tr("Back to Step 1"));
    CmdMaint2Next = makeButton(FrameMaint2, "CmdMaint2Next", tr("Continue to Step 3"));
    CmdTaskCancel = makeButton(FrameMaint2, "CmdTaskCancel", tr("Cancel"));
    addButtonRow(layout, {CmdMaint4Back3, CmdMaint2Next, CmdTaskCancel});
    addFrame(FrameMaint2);
}

void FormMaint::buildTaskStep3() {
    FrameMaint3 = makeFrame(this, "FrameMaint3");
    QVBoxLayout* layout = makeFrameLayout(FrameMaint3);
    layout->addWidget(makeHeading(FrameMaint3, tr("Step 3 of 4: Add / Change / Remove a Video Clip for the Task")));
    layout->addWidget(makeLabel(FrameMaint3, tr("Optional")));
    layout->addSpacing(10);
    LabVideoInfo = makeLabel(FrameMaint3, QString(), "LabVideoInfo");
    layout->addWidget(LabVideoInfo);
    LabelVideoInfo = makeLabel(FrameMaint3, tr("Video clip currently defined for this task"), "LabelVideoInfo");
    layout->addWidget(LabelVideoInfo);
    LabCurrentVideo = makeLabel(FrameMaint3, QString(), "LabCurrentVideo");
    LabCurrentVideo->setMinimumWidth(640);
    layout->addWidget(LabCurrentVideo);
    layout->addSpacing(10);
    CmdAddModifyTaskVideo = makeButton(FrameMaint3, "CmdAddModifyTaskVideo",
                                       tr("Add / Modify / View a Video Clip for the Task    (optional)"));
    CmdremoveVideo = makeButton(FrameMaint3, "CmdremoveVideo", tr("Remove the current video clip from this task"));
    layout->addWidget(CmdAddModifyTaskVideo);
    layout->addWidget(CmdremoveVideo);
    layout->addSpacing(16);
    Cmdtask2Back1 = makeButton(FrameMaint3, "Cmdtask2Back1", tr("Back to Step 2"));
    Cmdtask2Next3 = makeButton(FrameMaint3, "Cmdtask2Next3", tr("Continue to Step 4"));
    CmdDefineVideoDone = makeButton(FrameMaint3, "CmdDefineVideoDone", tr("Cancel"));
    addButtonRow(layout, {Cmdtask2Back1, Cmdtask2Next3, CmdDefineVideoDone});
    addFrame(FrameMaint3);
}

void FormMaint::buildTaskStep4() {
    FrameMaint4 = makeFrame(this, "FrameMaint4");
    QVBoxLayout* layout = makeFrameLayout(FrameMaint4);
    layout->addWidget(makeHeading(FrameMaint4, tr("Step 4 of 4: Record an Auditory Introduction")));
    layout->addWidget(makeLabel(FrameMaint4, tr("Optional but recommended")));
    LabelTaskName = makeHeading(FrameMaint4, QString(), "LabelTaskName");
    LabelTaskName->setMinimumWidth(640);
    layout->addWidget(LabelTaskName);
    LabelAudioIntro = makeLabel(FrameMaint4, QString(), "LabelAudioIntro");
    layout->addWidget(LabelAudioIntro);

    const RecorderControls controls = addRecorderControls(layout, FrameMaint4, "PicRecordWaveIntro",
                                                          "PicStopRecordingIntro", "PicPlayRecordIntro", "MeterIntro");
    PicRecordWaveIntro = controls.start;
    PicStopRecordingIntro = controls.stop;
    PicPlayRecordIntro = controls.play;
    MeterIntro = controls.meter;
    CmdClearAudioIntro = makeButton(FrameMaint4, "CmdClearAudioIntro", tr("Clear the Current Recording"));
    CmdTroubleIntro = makeButton(FrameMaint4, "CmdTroubleIntro", tr("Troubleshooting"));
    addButtonRow(layout, {CmdClearAudioIntro, CmdTroubleIntro})->addStretch(1);
    layout->addWidget(makeLabel(
        FrameMaint4, tr("The Audio Introduction is narrated at the beginning of the review & sequencing task")));
    layout->addSpacing(16);
    Cmdmaint3Back2 = makeButton(FrameMaint4, "Cmdmaint3Back2", tr("Back to Step 3"));
    CmdTaskSave = makeButton(FrameMaint4, "CmdTaskSave", tr("Save Task && Exit"));
    CmdGoBackIntro = makeButton(FrameMaint4, "CmdGoBackIntro", tr("Cancel"));
    addButtonRow(layout, {Cmdmaint3Back2, CmdTaskSave, CmdGoBackIntro});
    addFrame(FrameMaint4);
}
