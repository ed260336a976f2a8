#include "WorkshopFixture.h"

#include "FaultyFiles.h"

#include "app/PictureWidgets.h"
#include "library/Categories.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The slots whose button can be used, as a text ("1 2 3").
QString usable(const std::array<QPushButton*, kMaxSteps + 1>& buttons) {
    QStringList on;
    for (int s = 1; s <= kMaxSteps; ++s) {
        if (buttons[s]->isEnabled()) on.append(QString::number(s));
    }
    return on.join(u' ');
}

struct TaskWizard : Workshop {
    // Three pictures and one 3-step task of them.
    void library() {
        picture(QStringLiteral("320000001"), QStringLiteral("Hygiene"), QStringLiteral("Wetting the brush"));
        picture(QStringLiteral("320000002"), QStringLiteral("Hygiene"), QStringLiteral("Brushing"));
        picture(QStringLiteral("320000003"), QStringLiteral("Hygiene"), QStringLiteral("Rinsing"));
        task(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
             {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp"),
              QStringLiteral("generated_pic_320000003.stp")});
    }

    void startNewTask(const QString& description, const QString& category) {
        w->CmdTMTasks->click();
        w->CmdAddTask->click();
        w->TextTask->setText(description);
        w->textTaskCategory->setEditText(category);
        w->CmdNextTask2->click();
    }

    void paste(int slot, const QString& entry) {
        highlight(w->ListPicStep, entry);
        w->CmdPastePic[slot]->click();
    }

    void toStep4() {
        w->CmdMaint2Next->click();
        w->Cmdtask2Next3->click();
    }

    void changeTask(const QString& entry) {
        w->CmdTMTasks->click();
        highlight(w->ListTasks, entry);
        w->CmdExistingTask->click();
    }
};

TEST_F(TaskWizard, OpensOnItsMenuWithTheListsSortedAsTheTaskListShowsThem) {
    library();
    TaskRecord zebra = taskRecordOf(QStringLiteral("333333333"), QStringLiteral("Zebra"), QStringLiteral("Hygiene"),
                                    {QStringLiteral("a.stp"), QStringLiteral("b.stp")});
    zebra.TaskVideoFile = QStringLiteral("zebra.mpg");
    ASSERT_TRUE(writeTask(QStringLiteral("zebra.tsk"), zebra));
    task(QStringLiteral("444444444"), QStringLiteral("apple"), QStringLiteral("Hygiene"),
         {QStringLiteral("a.stp"), QStringLiteral("b.stp")});
    open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Task Maintenance"));
    EXPECT_EQ(frame(), w->FrameTaskMaker);
    // Two blanks after the colon; capitals first; no video mark in the workshop.
    EXPECT_EQ(entries(w->ListTasks), QStringList({QStringLiteral("Hygiene==> Brushing teeth:  3 Steps"),
                                                  QStringLiteral("Hygiene==> Zebra:  2 Steps"),
                                                  QStringLiteral("Hygiene==> apple:  2 Steps")}));
    EXPECT_EQ(w->TaskListFiles,
              QStringList({QStringLiteral("generated_task_222222222.tsk"), QStringLiteral("zebra.tsk"),
                           QStringLiteral("generated_task_444444444.tsk")}));
    const QStringList pictures = {QStringLiteral("Hygiene: Brushing"), QStringLiteral("Hygiene: Rinsing"),
                                  QStringLiteral("Hygiene: Wetting the brush")};
    EXPECT_EQ(entries(w->ListPics), pictures);
    EXPECT_EQ(entries(w->ListPicStep), pictures);
    EXPECT_EQ(w->PictureListFiles.value(0), QStringLiteral("generated_pic_320000002.stp"));
}

TEST_F(TaskWizard, TheMenuAndTheListsLeadWhereTheirButtonsSay) {
    open();
    const struct {
        QPushButton* FormMaint::*button;
        QFrame* FormMaint::*to;
    } steps[] = {{&FormMaint::CmdTMTasks, &FormMaint::FrameTMTaskSelect},
                 {&FormMaint::CmdTMTaskBack, &FormMaint::FrameTaskMaker},
                 {&FormMaint::CmdTMPics, &FormMaint::FrameTMPicSelect},
                 {&FormMaint::cmdTMPicSelectBack, &FormMaint::FrameTaskMaker}};
    for (const auto& step : steps) {
        (w->*step.button)->click();
        EXPECT_EQ(frame(), w->*step.to) << (w->*step.button)->objectName().toStdString();
    }
}

TEST_F(TaskWizard, MainMenuShowsTheMainMenuAndUnloadsTheWorkshop) {
    open();
    w->CmdMainMenu->click();
    EXPECT_TRUE(form(FormId::Main)->isVisible());
    EXPECT_FALSE(w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(isFormLoaded(FormId::Maint));
}

TEST_F(TaskWizard, ANewTaskOfTwoPicturesIsCheckedSavedAndListed) {
    library();
    p.writeFile(QStringLiteral("temp_intro.wav"), "left over");
    open();
    w->CmdTMTasks->click();
    w->CmdAddTask->click();
    EXPECT_EQ(frame(), w->FrameMaint1);
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    EXPECT_EQ(w->EditTaskFile, QStringLiteral("generated_task_") + w->EditTaskId + QStringLiteral(".tsk"));
    EXPECT_FALSE(exists(w->EditTaskFile));
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));
    EXPECT_EQ(w->LabelAudioIntro->text(), QStringLiteral("An audio introduction has NOT been recorded for this task"));

    // Leaving step 1 needs a category, then a description.
    w->CmdNextTask2->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Category is required"));
    w->textTaskCategory->setEditText(QStringLiteral("Hygiene"));
    w->CmdNextTask2->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A task description is required"));
    EXPECT_EQ(frame(), w->FrameMaint1);
    w->TextTask->setText(QStringLiteral("Rinsing only"));
    w->CmdNextTask2->click();
    ASSERT_EQ(frame(), w->FrameMaint2);

    EXPECT_EQ(usable(w->CmdPastePic), QStringLiteral("1"));
    EXPECT_EQ(usable(w->CmdClearPic), QString());
    highlight(w->ListPicStep, QStringLiteral("Hygiene: Rinsing"));
    EXPECT_EQ(w->SelectedLibraryPicture, p.path(QStringLiteral("320000003.png")));
    // The preview is decoded at the size it is shown.
    EXPECT_EQ(w->ImageCopyPreview->picture().size(), w->ImageCopyPreview->size());
    w->CmdPastePic[1]->click();
    EXPECT_FALSE(w->ImageStep[1]->picture().isNull());
    EXPECT_EQ(usable(w->CmdPastePic), QStringLiteral("1 2"));
    EXPECT_EQ(usable(w->CmdClearPic), QStringLiteral("1"));

    toStep4();
    EXPECT_EQ(w->IgnoreVideoListClicks, 0);
    ASSERT_EQ(frame(), w->FrameMaint4);
    EXPECT_EQ(w->LabelTaskName->text(), QStringLiteral("Rinsing only"));
    w->CmdTaskSave->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("At least 2 steps are required"));
    EXPECT_EQ(frame(), w->FrameMaint4);
    EXPECT_FALSE(exists(w->EditTaskFile));

    // Back to step 2 for a second picture; what was entered is still there.
    w->Cmdmaint3Back2->click();
    w->Cmdtask2Back1->click();
    ASSERT_EQ(frame(), w->FrameMaint2);
    paste(2, QStringLiteral("Hygiene: Wetting the brush"));
    toStep4();
    const int shown = p.messages.texts.size();
    w->CmdTaskSave->click();
    EXPECT_EQ(p.messages.texts.size(), shown) << lastMessage().toStdString();
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);

    auto saved = readTaskFile(w->EditTaskFile, TaskReaders::editor);
    ASSERT_TRUE(saved.ok()) << saved.error().toStdString();
    TaskRecord expected =
        taskRecordOf(w->EditTaskId, QStringLiteral("Rinsing only"), QStringLiteral("Hygiene"),
                     {QStringLiteral("generated_pic_320000003.stp"), QStringLiteral("generated_pic_320000001.stp")});
    EXPECT_EQ(*saved, expected);
    EXPECT_TRUE(readCategoryList()->contains(QStringLiteral("Hygiene")));
    const int row = FormMaint::highlightedRow(w->ListTasks);
    ASSERT_GE(row, 0);
    EXPECT_EQ(w->ListTasks->item(row)->text(), QStringLiteral("Hygiene==> Rinsing only:  2 Steps"));
}

TEST_F(TaskWizard, TenStepsFillEverySlotAndOnlyTheLastCanBeCleared) {
    QStringList names;
    for (int i = 1; i <= kMaxSteps; ++i) {
        picture(QString::number(320000100 + i), QStringLiteral("Steps"),
                QStringLiteral("Step %1").arg(i, 2, 10, QChar(u'0')));
    }
    open();
    startNewTask(QStringLiteral("Ten"), QStringLiteral("Steps"));
    for (int i = 1; i <= kMaxSteps; ++i) paste(i, QStringLiteral("Steps: Step %1").arg(i, 2, 10, QChar(u'0')));
    EXPECT_EQ(usable(w->CmdPastePic), QString());
    EXPECT_EQ(usable(w->CmdClearPic), QStringLiteral("10"));
    w->CmdClearPic[10]->click();
    EXPECT_TRUE(w->ImageStep[10]->picture().isNull());
    EXPECT_EQ(usable(w->CmdPastePic), QStringLiteral("1 2 3 4 5 6 7 8 9 10"));
    EXPECT_EQ(usable(w->CmdClearPic), QStringLiteral("9"));
}

TEST_F(TaskWizard, APictureGoesIntoATaskOnceEvenThroughAnotherLibraryEntry) {
    library();
    // A second library entry for the image of "Brushing".
    ASSERT_TRUE(writePicture(QStringLiteral("again.stp"),
                             pictureRecordOf(QStringLiteral("9"), QStringLiteral("Other"), QStringLiteral("Same image"),
                                             QStringLiteral("320000002.png"))));
    open();
    startNewTask(QStringLiteral("Twice"), QStringLiteral("Hygiene"));
    paste(1, QStringLiteral("Hygiene: Brushing"));
    paste(2, QStringLiteral("Hygiene: Brushing"));
    EXPECT_EQ(lastMessage(), QStringLiteral("This picture has already been used in this task"));
    paste(2, QStringLiteral("Other: Same image"));
    EXPECT_EQ(p.messages.texts.size(), 2);
    EXPECT_EQ(w->EditStepFiles[2], QString());
    EXPECT_TRUE(w->ImageStep[2]->picture().isNull());
    // Pasting a picture over its own slot is refused as well.
    paste(1, QStringLiteral("Hygiene: Brushing"));
    EXPECT_EQ(p.messages.texts.size(), 3);
}

TEST_F(TaskWizard, AChangedTaskSavedUnchangedKeepsItsNameIdAndIntroduction) {
    library();
    TaskRecord named =
        taskRecordOf(QStringLiteral("555555555"), QStringLiteral("Morning"), QStringLiteral("Routine"),
                     {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")},
                     QStringLiteral("intro_555555555.wav"));
    ASSERT_TRUE(writeTask(QStringLiteral("morning.tsk"), named));
    p.writeFile(QStringLiteral("intro_555555555.wav"), "RIFF the introduction");
    const QByteArray before = p.readFile(QStringLiteral("morning.tsk"));
    open();
    changeTask(QStringLiteral("Routine==> Morning:  2 Steps"));
    ASSERT_EQ(frame(), w->FrameMaint1);
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    EXPECT_EQ(w->TextTask->text(), QStringLiteral("Morning"));
    EXPECT_EQ(w->textTaskCategory->currentText(), QStringLiteral("Routine"));
    EXPECT_EQ(w->EditTaskFile, QStringLiteral("morning.tsk"));
    EXPECT_EQ(p.readFile(QStringLiteral("temp_intro.wav")), QByteArray("RIFF the introduction"));
    EXPECT_EQ(w->LabelAudioIntro->text(), QStringLiteral("An audio introduction has been recorded for this task"));
    EXPECT_EQ(w->EditStepPictures[2], p.path(QStringLiteral("320000002.png")));
    EXPECT_FALSE(w->ImageStep[2]->picture().isNull());
    w->CmdNextTask2->click();
    toStep4();
    w->CmdTaskSave->click();
    EXPECT_EQ(frame(), w->FrameTMTaskSelect) << lastMessage().toStdString();
    EXPECT_EQ(p.readFile(QStringLiteral("morning.tsk")), before);
    EXPECT_EQ(p.readFile(QStringLiteral("intro_555555555.wav")), QByteArray("RIFF the introduction"));
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));
    EXPECT_EQ(p.files.list(AppFolder, QStringLiteral("*.tsk")),
              QStringList({QStringLiteral("generated_task_222222222.tsk"), QStringLiteral("morning.tsk")}));
}

TEST_F(TaskWizard, ADuplicateIsRefusedAndAnotherCategoryAccepted) {
    library();
    open();
    startNewTask(QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"));
    paste(1, QStringLiteral("Hygiene: Rinsing"));
    paste(2, QStringLiteral("Hygiene: Brushing"));
    paste(3, QStringLiteral("Hygiene: Wetting the brush"));
    toStep4();
    w->CmdTaskSave->click();
    EXPECT_EQ(lastMessage(),
              QStringLiteral("A task with this description and number of steps already exists in the tasks database"));
    EXPECT_EQ(frame(), w->FrameMaint4);
    w->Cmdmaint3Back2->click();
    w->Cmdtask2Back1->click();
    w->CmdMaint4Back3->click();
    w->textTaskCategory->setEditText(QStringLiteral("Morning"));
    w->CmdNextTask2->click();
    toStep4();
    w->CmdTaskSave->click();
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
    EXPECT_TRUE(exists(w->EditTaskFile));
}

TEST_F(TaskWizard, CancelAtEveryStepLeavesTheTaskFileAndRemovesTheTemporaryIntroduction) {
    library();
    task(QStringLiteral("666666666"), QStringLiteral("Evening"), QStringLiteral("Routine"),
         {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000003.stp")},
         QStringLiteral("intro_666666666.wav"));
    p.writeFile(QStringLiteral("intro_666666666.wav"), "RIFF evening");
    const QByteArray before = p.readFile(QStringLiteral("generated_task_666666666.tsk"));
    open();
    const struct {
        int step;
        QPushButton* FormMaint::*cancel;
    } steps[] = {{1, &FormMaint::CmdStep1Cancel},
                 {2, &FormMaint::CmdTaskCancel},
                 {3, &FormMaint::CmdDefineVideoDone},
                 {4, &FormMaint::CmdGoBackIntro}};
    for (const auto& c : steps) {
        changeTask(QStringLiteral("Routine==> Evening:  2 Steps"));
        ASSERT_TRUE(exists(QStringLiteral("temp_intro.wav")));
        // Changes made on the way are discarded.
        w->TextTask->setText(QStringLiteral("Changed"));
        QPushButton* const forward[] = {w->CmdNextTask2, w->CmdMaint2Next, w->Cmdtask2Next3};
        for (int s = 1; s < c.step; ++s) {
            if (s == 2) w->CmdClearPic[2]->click();
            forward[s - 1]->click();
        }
        (w->*c.cancel)->click();
        EXPECT_EQ(frame(), w->FrameTMTaskSelect) << "step " << c.step;
        EXPECT_EQ(p.readFile(QStringLiteral("generated_task_666666666.tsk")), before) << "step " << c.step;
        EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav"))) << "step " << c.step;
        EXPECT_EQ(p.readFile(QStringLiteral("intro_666666666.wav")), QByteArray("RIFF evening"));
        w->CmdTMTaskBack->click();
    }
}

TEST_F(TaskWizard, AnAmpersandInTheDescriptionShowsAsOneOnStep4) {
    library();
    open();
    for (const QString& description : {QStringLiteral("Eggs & toast"), QStringLiteral("<b>Bold</b> & brave")}) {
        startNewTask(description, QStringLiteral("Cooking"));
        toStep4();
        EXPECT_EQ(w->LabelTaskName->text(), description);
        // What a screen reader says is what the label shows: no access-key mark, no markup.
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(w->LabelTaskName);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->text(QAccessible::Name), description);
        w->CmdGoBackIntro->click();
        w->CmdTMTaskBack->click();
    }
}

TEST_F(TaskWizard, DeletingATaskTakesOnlyItsOwnFiles) {
    library();
    // Not named after its id; a picture's narration and picture file hold the same digits.
    ASSERT_TRUE(writeTask(
        QStringLiteral("waking.tsk"),
        taskRecordOf(QStringLiteral("123456789"), QStringLiteral("Waking"), QStringLiteral("Morning"),
                     {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")},
                     QStringLiteral("intro_123456789.wav"))));
    p.writeFile(QStringLiteral("intro_123456789.wav"), "RIFF");
    ASSERT_TRUE(writePicture(
        QStringLiteral("generated_pic_1234567890.stp"),
        pictureRecordOf(QStringLiteral("1234567890"), QStringLiteral("Morning"), QStringLiteral("Stretching"),
                        QStringLiteral("320000001.png"), QStringLiteral("pic_1234567890.wav"))));
    p.writeFile(QStringLiteral("pic_1234567890.wav"), "RIFF");
    p.writeFile(QStringLiteral("notes_123456789.txt"), "notes");
    open();
    w->CmdTMTasks->click();
    w->ListTasks->clearSelection();
    w->CmdDeleteTask->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("A Task must be selected by clicking on it first"));

    highlight(w->ListTasks, QStringLiteral("Morning==> Waking:  2 Steps"));
    p.messages.answers.push_back(MessageBoxes::Answer::No);
    w->CmdDeleteTask->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure you want to delete the task Morning==> Waking:  2 Steps"));
    EXPECT_TRUE(exists(QStringLiteral("waking.tsk")));

    highlight(w->ListTasks, QStringLiteral("Morning==> Waking:  2 Steps"));
    w->CmdDeleteTask->click();
    EXPECT_FALSE(exists(QStringLiteral("waking.tsk")));
    EXPECT_FALSE(exists(QStringLiteral("intro_123456789.wav")));
    for (const char* kept : {"generated_pic_1234567890.stp", "pic_1234567890.wav", "notes_123456789.txt",
                             "generated_pic_320000001.stp", "320000001.png"})
        EXPECT_TRUE(exists(QString::fromLatin1(kept))) << kept;
    EXPECT_EQ(entries(w->ListTasks), QStringList({QStringLiteral("Hygiene==> Brushing teeth:  3 Steps")}));
}

TEST_F(TaskWizard, ATaskWithAnEmptyIdIsNotDeleted) {
    p.writeFile(QStringLiteral("noid.tsk"), " 2 \r\nNo id\r\nOdd\r\nNone\r\na.stp\r\nb.stp\r\n\r\nNone\r\n");
    open();
    w->CmdTMTasks->click();
    highlight(w->ListTasks, QStringLiteral("Odd==> No id:  2 Steps"));
    w->CmdDeleteTask->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Taskid is empty, delete has a problem"));
    EXPECT_TRUE(exists(QStringLiteral("noid.tsk")));
}

TEST_F(TaskWizard, DamagedLibraryFilesAreLeftOutWithOneMessageNamingThem) {
    library();
    p.writeFile(QStringLiteral("cut.tsk"), " 3 \r\nCut short\r\n");
    p.writeFile(QStringLiteral("letter.tsk"), " x \r\nA letter for the count\r\nErrands\r\nNone\r\n");
    p.writeFile(QStringLiteral("half.stp"), "Hygiene\r\n");
    open();
    ASSERT_EQ(p.messages.texts.size(), 1);
    for (const char* name : {"cut.tsk", "letter.tsk", "half.stp"})
        EXPECT_TRUE(p.messages.texts[0].contains(QString::fromLatin1(name))) << p.messages.texts[0].toStdString();
    EXPECT_EQ(entries(w->ListTasks), QStringList({QStringLiteral("Hygiene==> Brushing teeth:  3 Steps")}));
    EXPECT_EQ(w->ListPics->count(), 3);
    // Lists rebuilt later do not say it again.
    w->fillLibraryLists();
    w->fillStepPictureList();
    EXPECT_EQ(p.messages.texts.size(), 1);

    // A task damaged after the list was made: its change says so and changes nothing.
    w->CmdTMTasks->click();
    highlight(w->ListTasks, QStringLiteral("Hygiene==> Brushing teeth:  3 Steps"));
    p.writeFile(QStringLiteral("generated_task_222222222.tsk"), " 3 \r\nBrushing teeth\r\n");
    w->CmdExistingTask->click();
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("generated_task_222222222.tsk"))) << lastMessage().toStdString();
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
    EXPECT_EQ(w->TextTask->text(), QString());
    EXPECT_EQ(w->EditTaskFile, QString());
}

TEST_F(TaskWizard, ASaveThatFailsStaysOnStep4AndLeavesTheOldFileWhole) {
    library();
    task(QStringLiteral("777777777"), QStringLiteral("Night"), QStringLiteral("Routine"),
         {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000003.stp")},
         QStringLiteral("intro_777777777.wav"));
    p.writeFile(QStringLiteral("intro_777777777.wav"), "RIFF night");
    const QByteArray before = p.readFile(QStringLiteral("generated_task_777777777.tsk"));
    open();
    changeTask(QStringLiteral("Routine==> Night:  2 Steps"));
    w->TextTask->setText(QStringLiteral("Night time"));
    w->CmdNextTask2->click();
    toStep4();
    // The changes of a save: 1 the introduction's copy, 2 the task file.
    for (int failAt : {1, 2}) {
        FailingChangeFileSystem failing;
        failing.failAt = failAt;
        InstalledFileSystem installed(failing);
        p.messages.texts.clear();
        w->CmdTaskSave->click();
        ASSERT_EQ(p.messages.texts.size(), 1) << failAt;
        EXPECT_EQ(failing.failedChanges.size(), 1);
        if (failAt == 1) {
            EXPECT_EQ(lastMessage(), QStringLiteral("File transfer failed"));
        } else {
            EXPECT_TRUE(lastMessage().contains(QStringLiteral("generated_task_777777777.tsk")));
        }
        EXPECT_EQ(frame(), w->FrameMaint4);
        EXPECT_EQ(w->TextTask->text(), QStringLiteral("Night time"));
        EXPECT_EQ(p.readFile(QStringLiteral("generated_task_777777777.tsk")), before);
        EXPECT_EQ(p.readFile(QStringLiteral("temp_intro.wav")), QByteArray("RIFF night"));
    }
    w->CmdTaskSave->click();
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
    EXPECT_EQ(readTaskFile(QStringLiteral("generated_task_777777777.tsk"), TaskReaders::editor)->TaskTitle,
              QStringLiteral("Night time"));
    EXPECT_EQ(p.readFile(QStringLiteral("intro_777777777.wav")), QByteArray("RIFF night"));
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));
}

TEST_F(TaskWizard, ANewTaskWhoseSaveFailedKeepsItsIdWhenSavedAgain) {
    library();
    open();
    startNewTask(QStringLiteral("Retry"), QStringLiteral("Hygiene"));
    paste(1, QStringLiteral("Hygiene: Rinsing"));
    paste(2, QStringLiteral("Hygiene: Brushing"));
    toStep4();
    const QString file = w->EditTaskFile;
    {
        FailingChangeFileSystem failing;
        failing.failAt = 1;
        InstalledFileSystem installed(failing);
        w->CmdTaskSave->click();
    }
    EXPECT_EQ(frame(), w->FrameMaint4);
    EXPECT_FALSE(exists(file));
    w->CmdTaskSave->click();
    EXPECT_EQ(frame(), w->FrameTMTaskSelect);
    EXPECT_TRUE(exists(file));
    EXPECT_EQ(readTaskFile(file, TaskReaders::editor)->TaskId, w->EditTaskId);
    EXPECT_EQ(p.files.list(AppFolder, QStringLiteral("*.tsk")).size(), 2);
}

TEST_F(TaskWizard, VideoListClicksAreIgnoredFromTheStartOfATaskOrAPrintUntilStep3) {
    library();
    open();
    w->CmdTMTasks->click();
    w->CmdAddTask->click();
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    w->CmdStep1Cancel->click();
    w->IgnoreVideoListClicks = 0;
    w->ListTasks->clearSelection();
    w->CmdPrintTask_Click();
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    EXPECT_EQ(lastMessage(), QStringLiteral("A Task must be selected by clicking on it first"));
    w->IgnoreVideoListClicks = 0;
    changeTask(QStringLiteral("Hygiene==> Brushing teeth:  3 Steps"));
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    w->CmdNextTask2->click();
    EXPECT_EQ(w->IgnoreVideoListClicks, 1);
    w->CmdMaint2Next->click();
    EXPECT_EQ(w->IgnoreVideoListClicks, 0);
}

TEST_F(TaskWizard, AVideoOfATaskIsShownAndCanBeRemoved) {
    library();
    TaskRecord withClip =
        taskRecordOf(QStringLiteral("888888888"), QStringLiteral("Clip"), QStringLiteral("Video"),
                     {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")});
    withClip.TaskVideoFile = QStringLiteral("brushing.mpg");
    ASSERT_TRUE(writeTask(QStringLiteral("clip.tsk"), withClip));
    open();
    changeTask(QStringLiteral("Video==> Clip:  2 Steps"));
    w->CmdNextTask2->click();
    w->CmdMaint2Next->click();
    EXPECT_EQ(w->LabVideoInfo->text(), QStringLiteral("A video clip has been assigned to this task"));
    EXPECT_EQ(w->LabCurrentVideo->text(), p.path(QStringLiteral("brushing.mpg")));
    EXPECT_FALSE(w->CmdremoveVideo->isHidden());
    w->CmdremoveVideo->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure you want to remove the video clip from the task?"));
    EXPECT_EQ(w->LabVideoInfo->text(), QStringLiteral("A video clip has NOT been assigned to this task"));
    EXPECT_TRUE(w->CmdremoveVideo->isHidden());
    w->Cmdtask2Next3->click();
    w->CmdTaskSave->click();
    EXPECT_EQ(readTaskFile(QStringLiteral("clip.tsk"), TaskReaders::editor)->TaskVideoFile, QStringLiteral("None"));
}

TEST_F(TaskWizard, ClosingTheWindowInTheWizardCancelsItAndGoesBackToTheMainMenu) {
    library();
    p.writeFile(QStringLiteral("temp_intro.wav"), "RIFF");
    open();
    changeTask(QStringLiteral("Hygiene==> Brushing teeth:  3 Steps"));
    p.writeFile(QStringLiteral("temp_intro.wav"), "RIFF recorded meanwhile");
    w->close();
    EXPECT_FALSE(exists(QStringLiteral("temp_intro.wav")));
    EXPECT_TRUE(form(FormId::Main)->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(isFormLoaded(FormId::Maint));
}

}  // namespace
