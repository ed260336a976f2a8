// The main window's activation, menu and roster on the test doubles.

#include "FrontDoorWorld.h"

#include "app/PictureWidgets.h"
#include "students/ReportViewer.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Answer = MessageBoxes::Answer;

struct FrontDoor : ::testing::Test {
    FrontDoorWorld world;
    TestPlatform& p = world.p;

    QStringList listed(QListWidget* list) {
        QStringList names;
        for (int i = 0; i < list->count(); ++i) names.append(list->item(i)->text());
        return names;
    }
    void selectStudent(QListWidget* list, const QString& name) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->setCurrentItem(found.first());
    }
    StudentOptionsRecord withSpeed(int speed, int method) {
        StudentOptionsRecord o = FrontDoorWorld::calibrated();
        o.AnimationSpeed = speed;
        o.AccessMethod = static_cast<std::int16_t>(method);
        return o;
    }
};

TEST_F(FrontDoor, ActivationLoadsTheCurrentStudentAndSoundsTheGongOncePerRun) {
    world.writeStudent(QStringLiteral("Ann"), withSpeed(777, 4));
    CurrentStudent = QStringLiteral("Ann");
    FormMain* w = world.start();
    EXPECT_EQ(StudentOptions.AnimationSpeed, 777);
    EXPECT_EQ(w->ListLogon->currentItem()->text(), QStringLiteral("Ann"));
    EXPECT_TRUE(w->FrameMain->isVisible());
    EXPECT_EQ(BackgroundColors[2], QColor(184, 0, 28));
    EXPECT_EQ(p.wave.log, QStringList{QStringLiteral("sync ") + p.path(QStringLiteral("aobj_gong.wav"))});
    EXPECT_EQ(w->activations(), 1);

    // Options changed meanwhile by another window are read again when the window shows again.
    world.writeStudent(QStringLiteral("Ann"), withSpeed(888, 4));
    w->hide();
    w->show();
    FrontDoorWorld::settle();
    EXPECT_EQ(w->activations(), 2);
    EXPECT_EQ(StudentOptions.AnimationSpeed, 888);

    // A message box over the window is not a new showing.
    w->ImageUserGuide->click();
    p.shell.result = false;
    w->ImageUserGuide->click();
    FrontDoorWorld::settle();
    EXPECT_EQ(w->activations(), 2);

    // The workshop unloads the main window and makes a new one: still no second gong.
    w->ImageButTask->click();
    FrontDoorWorld::settle();
    EXPECT_FALSE(isFormLoaded(FormId::Main));
    FormMain* again = world.start();
    EXPECT_EQ(again->activations(), 1);
    EXPECT_EQ(p.wave.log.size(), 1);
}

TEST_F(FrontDoor, TheTaskMakerUnloadsTheOtherWindows) {
    registerForm(FormId::Maint, [] {
        auto* m = new QWidget;
        m->setObjectName(QStringLiteral("FormMaint"));
        return m;
    });
    FormTask* tasks = world.logOn(QStringLiteral("teacher"));
    ASSERT_NE(tasks, nullptr);
    tasks->Cmdback->click();
    FrontDoorWorld::settle();
    world.mainWindow()->ImageButTask->click();
    FrontDoorWorld::settle();
    for (FormId id : {FormId::Task, FormId::Animation, FormId::Main}) EXPECT_FALSE(isFormLoaded(id));
    EXPECT_TRUE(form(FormId::Maint)->isVisible());
}

TEST_F(FrontDoor, StartAndBackKeepTheStudentAndContinueLeavesTheMainMenuForTheReturn) {
    world.writeStudent(QStringLiteral("Ann"), withSpeed(5000, 2));
    FormMain* w = world.start();
    w->ImageEnter->click();
    EXPECT_TRUE(w->FrameStartLogon->isVisible());
    EXPECT_FALSE(w->FrameMain->isVisible());
    EXPECT_EQ(listed(w->ListLogon), (QStringList{QStringLiteral("Ann"), QStringLiteral("teacher")}));
    w->CmdLogonBack->click();
    EXPECT_TRUE(w->FrameMain->isVisible());
    EXPECT_EQ(CurrentStudent, QStringLiteral("teacher"));

    FormTask* tasks = world.logOn(QStringLiteral("Ann"));
    EXPECT_EQ(CurrentStudent, QStringLiteral("Ann"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(tasks->isVisible());
    EXPECT_EQ(tasks->LabCurrentStudent->text(), QStringLiteral("Ann"));
    tasks->Cmdback->click();
    FrontDoorWorld::settle();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->FrameMain->isVisible());
    EXPECT_FALSE(w->FrameStartLogon->isVisible());
}

TEST_F(FrontDoor, TheArrowsOfTheLogOnListMakeTheStudentCurrentAtOnce) {
    world.writeStudent(QStringLiteral("Ann"), withSpeed(1111, 3));
    world.writeStudent(QStringLiteral("Bob"), withSpeed(2222, 5));
    FormMain* w = world.start();
    w->ImageEnter->click();
    w->ListLogon->setFocus();
    ASSERT_EQ(w->ListLogon->currentItem()->text(), QStringLiteral("teacher"));
    QTest::keyClick(w->ListLogon, Qt::Key_Up);
    EXPECT_EQ(CurrentStudent, QStringLiteral("Bob"));
    EXPECT_EQ(StudentOptions.AccessMethod, 5);
    QTest::keyClick(w->ListLogon, Qt::Key_Up);
    EXPECT_EQ(CurrentStudent, QStringLiteral("Ann"));
    EXPECT_EQ(StudentOptions.AnimationSpeed, 1111);
    // Enter goes on with her.
    QTest::keyClick(w->ListLogon, Qt::Key_Return);
    FrontDoorWorld::settle();
    EXPECT_TRUE(world.taskWindow()->isVisible());
    EXPECT_EQ(world.taskWindow()->LabCurrentStudent->text(), QStringLiteral("Ann"));
}

TEST_F(FrontDoor, ADamagedOptionFileClickedKeepsThePreviousStudent) {
    world.writeStudent(QStringLiteral("Bob"), withSpeed(2222, 5));
    p.writeFile(QStringLiteral("Ann.lgn"), " 2 \r\n 3 \r\nblue\r\n");
    FormMain* w = world.start();
    w->ImageEnter->click();
    selectStudent(w->ListLogon, QStringLiteral("Bob"));
    ASSERT_EQ(CurrentStudent, QStringLiteral("Bob"));
    p.messages.texts.clear();
    selectStudent(w->ListLogon, QStringLiteral("Ann"));
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].startsWith(QStringLiteral("Ann.lgn, line 3"))) << p.messages.texts[0].toStdString();
    EXPECT_EQ(CurrentStudent, QStringLiteral("Bob"));
    EXPECT_EQ(StudentOptions.AccessMethod, 5);
    EXPECT_EQ(w->ListLogon->currentItem()->text(), QStringLiteral("Bob"));
    // Continue and Back of the task selection save Bob's file, never Ann's.
    w->CmdLogonContinue->click();
    FrontDoorWorld::settle();
    world.taskWindow()->Cmdback->click();
    EXPECT_EQ(p.readFile(QStringLiteral("Ann.lgn")), QByteArray(" 2 \r\n 3 \r\nblue\r\n"));

    // At activation a damaged file of the current student gives the teacher's options instead.
    CurrentStudent = QStringLiteral("Ann");
    p.messages.texts.clear();
    w->hide();
    w->show();
    FrontDoorWorld::settle();
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_EQ(CurrentStudent, QStringLiteral("teacher"));
    EXPECT_EQ(StudentOptions.AnimationSpeed, 5000);
    EXPECT_EQ(p.readFile(QStringLiteral("Ann.lgn")), QByteArray(" 2 \r\n 3 \r\nblue\r\n"));
}

TEST_F(FrontDoor, NamesOfNewStudentsAreCheckedInOrder) {
    FormMain* w = world.start();
    w->PicButStudent->click();
    const struct {
        const char* name;
        const char* message;  // empty: added
    } cases[] = {
        {" Ann", "A valid entry cannot start with a space"},
        {"Ann ", "A valid entry cannot end with a space"},
        {"Blue Group", ""},
        {"Blue-Group", "A valid entry can only contain letters, numbers, spaces, single quotes or underscores"},
        {"", "An entry is required"},
        {"   ", "An entry is required"},
        {"TEACHER", "A student by this name exists already, please enter a new name"},
        {"blue group", "A student by this name exists already, please enter a new name"},
        {"O'Neil_2", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        p.messages.texts.clear();
        w->TextAddLogon->setText(QString::fromLatin1(c.name));
        w->CmdButAddLogon->click();
        const QString file = QString::fromLatin1(c.name) + QStringLiteral(".lgn");
        if (*c.message == '\0') {
            EXPECT_EQ(p.messages.texts, QStringList());
            EXPECT_TRUE(QFileInfo::exists(p.path(file)));
            EXPECT_EQ(CurrentStudent, QString::fromLatin1(c.name));
            EXPECT_EQ(w->TextAddLogon->text(), QString());
        } else {
            EXPECT_EQ(p.messages.texts, QStringList{QString::fromLatin1(c.message)});
            EXPECT_EQ(w->TextAddLogon->text(), QString::fromLatin1(c.name));
        }
    }
    EXPECT_EQ(listed(w->ListLogon2),
              (QStringList{QStringLiteral("Blue Group"), QStringLiteral("O'Neil_2"), QStringLiteral("teacher")}));
    EXPECT_EQ(w->ListLogon->currentItem()->text(), QStringLiteral("O'Neil_2"));
    EXPECT_EQ(QDir(AppFolder).entryList({QStringLiteral("*.lgn")}).size(), 3);
}

TEST_F(FrontDoor, ANewStudentsFileIsTheCurrentStudentsLineForLine) {
    StudentOptionsRecord ann = withSpeed(4321, 3);
    ann.JumpStart[5][3] = 1;
    ann.PressReminderSeconds = 42;
    ann.Reserved3 = 7;
    world.writeStudent(QStringLiteral("Ann"), ann);
    CurrentStudent = QStringLiteral("Ann");
    FormMain* w = world.start();
    w->PicButStudent->click();
    w->TextAddLogon->setText(QStringLiteral("Cy"));
    w->CmdButAddLogon->click();
    EXPECT_EQ(p.readFile(QStringLiteral("Cy.lgn")), p.readFile(QStringLiteral("Ann.lgn")));
    EXPECT_EQ(CurrentStudent, QStringLiteral("Cy"));
}

TEST_F(FrontDoor, AFailedSaveOfANewStudentLeavesTheCurrentStudent) {
    FormMain* w = world.start();
    w->PicButStudent->click();
    // A folder where the file would go makes the write fail.
    QDir(AppFolder).mkpath(QStringLiteral("Dee.lgn"));
    p.messages.texts.clear();
    w->TextAddLogon->setText(QStringLiteral("Dee"));
    w->CmdButAddLogon->click();
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("Dee.lgn"))) << p.messages.texts[0].toStdString();
    EXPECT_EQ(CurrentStudent, QStringLiteral("teacher"));
}

TEST_F(FrontDoor, RemovingAStudent) {
    world.writeStudent(QStringLiteral("Ann"), withSpeed(1111, 4));
    world.writeStudent(QStringLiteral("Bob"), withSpeed(2222, 5));
    p.writeFile(QStringLiteral("Bob.sta"), "report");
    p.writeFile(QStringLiteral("Bob.csv"), "sheet");
    p.writeFile(QStringLiteral("Bob.txt"), "a note");
    p.writeFile(QStringLiteral("Bobby.sta"), "another's report");
    PendingTaskResults.set(QStringLiteral("Bob"), PendingRecords{"Task: waiting\r\n", "row\r\n"});
    CurrentStudent = QStringLiteral("Ann");
    FormMain* w = world.start();
    w->PicButStudent->click();
    p.messages.texts.clear();
    {
        SCOPED_TRACE("nothing selected, then teacher");
        w->CmdDeleteLogon->click();
        selectStudent(w->ListLogon2, QStringLiteral("teacher"));
        w->CmdDeleteLogon->click();
        EXPECT_EQ(p.messages.texts, (QStringList{QStringLiteral("A student must be highlighted"),
                                                 QStringLiteral("'teacher' is the default student, 'teacher' cannot "
                                                                "be deleted")}));
    }
    {
        SCOPED_TRACE("Cancel changes nothing");
        p.messages.texts.clear();
        p.messages.answers = {Answer::Cancel};
        selectStudent(w->ListLogon2, QStringLiteral("Bob"));
        w->CmdDeleteLogon->click();
        EXPECT_EQ(p.messages.texts, QStringList{QStringLiteral("Are you sure you want to delete the student: Bob")});
        EXPECT_TRUE(QFileInfo::exists(p.path(QStringLiteral("Bob.lgn"))));
        EXPECT_EQ(CurrentStudent, QStringLiteral("Ann"));
    }
    {
        SCOPED_TRACE("Bob with results; Ann was current");
        p.messages.texts.clear();
        w->CmdDeleteLogon->click();
        EXPECT_EQ(p.messages.texts.size(), 1);
        for (const char* gone : {"Bob.lgn", "Bob.sta", "Bob.csv"})
            EXPECT_FALSE(QFileInfo::exists(p.path(QString::fromLatin1(gone)))) << gone;
        for (const char* kept : {"Bob.txt", "Bobby.sta", "Ann.lgn"})
            EXPECT_TRUE(QFileInfo::exists(p.path(QString::fromLatin1(kept)))) << kept;
        EXPECT_FALSE(PendingTaskResults.has(QStringLiteral("Bob")));
        EXPECT_EQ(CurrentStudent, QStringLiteral("teacher"));
        EXPECT_EQ(StudentOptions.AnimationSpeed, 5000);  // the teacher's own options
        EXPECT_EQ(listed(w->ListLogon2), (QStringList{QStringLiteral("Ann"), QStringLiteral("teacher")}));
        EXPECT_EQ(w->ListLogon->currentItem()->text(), QStringLiteral("teacher"));
    }
    {
        SCOPED_TRACE("Ann without results: only her option file goes, and no message but the question");
        const QStringList before = QDir(AppFolder).entryList(QDir::Files);
        p.messages.texts.clear();
        selectStudent(w->ListLogon2, QStringLiteral("Ann"));
        w->CmdDeleteLogon->click();
        EXPECT_EQ(p.messages.texts.size(), 1);
        QStringList expected = before;
        expected.removeAll(QStringLiteral("Ann.lgn"));
        EXPECT_EQ(QDir(AppFolder).entryList(QDir::Files), expected);
    }
    {
        SCOPED_TRACE("teacher alone");
        p.messages.texts.clear();
        selectStudent(w->ListLogon2, QStringLiteral("teacher"));
        w->CmdDeleteLogon->click();
        EXPECT_EQ(p.messages.texts,
                  QStringList{QStringLiteral("'teacher' is the default student, 'teacher' cannot be deleted")});
    }
}

TEST_F(FrontDoor, RemovingTheCurrentStudentAndContinuingLeavesTheTeachersFileItsOwn) {
    world.writeStudent(QStringLiteral("Ann"), withSpeed(1111, 4));
    const QByteArray teacherBefore = p.readFile(QStringLiteral("teacher.lgn"));
    FormMain* w = world.start();
    w->ImageEnter->click();
    selectStudent(w->ListLogon, QStringLiteral("Ann"));
    ASSERT_EQ(StudentOptions.AccessMethod, 4);
    w->CmdLogonBack->click();
    w->PicButStudent->click();
    selectStudent(w->ListLogon2, QStringLiteral("Ann"));
    w->CmdDeleteLogon->click();
    w->CmdStudentBack->click();
    ASSERT_EQ(CurrentStudent, QStringLiteral("teacher"));

    // Straight on to the task selection, with a task ticked, and Continue.
    world.writeTaskFile(QStringLiteral("a.tsk"), QStringLiteral("Home"), QStringLiteral("Bed"), 3);
    w->ImageEnter->click();
    w->CmdLogonContinue->click();
    FrontDoorWorld::settle();
    FormTask* tasks = world.taskWindow();
    ASSERT_EQ(tasks->ListTasks->count(), 1);
    tasks->ListTasks->item(0)->setCheckState(Qt::Checked);
    tasks->CheckFilter[10]->setChecked(false);
    tasks->ListTasks->item(0)->setCheckState(Qt::Checked);
    tasks->CmdContinue->click();
    EXPECT_EQ(world.animationShowings, 1);
    auto saved = parseStudentOptions(p.readFile(QStringLiteral("teacher.lgn")));
    auto before = parseStudentOptions(teacherBefore);
    ASSERT_TRUE(saved.ok() && before.ok());
    EXPECT_EQ(saved->StepFilter[10], 0);
    saved->StepFilter = before->StepFilter;
    EXPECT_EQ(*saved, *before);
}

TEST_F(FrontDoor, ViewingAStudentsData) {
    world.writeStudent(QStringLiteral("Ann"), withSpeed(1111, 2));
    world.writeStudent(QStringLiteral("New"), withSpeed(1111, 2));
    p.writeFile(QStringLiteral("Ann.sta"), "Task: Bed\r\nAccuracy: 100%\r\n");
    p.writeFile(QStringLiteral("Ann.csv"), "a,b\r\n");
    p.writeFile(QStringLiteral("teacher.sta"), "not the teacher's");
    FormMain* w = world.start();
    w->PicButStudent->click();
    const struct {
        const char* select;  // empty: nothing selected
        const char* message;
    } refusals[] = {{"", "Please select a student"},
                    {"teacher", "Data is not gathered for the 'teacher' logon"},
                    {"New", "Data was not collected yet for New"}};
    for (QPushButton* button : {w->CmdViewStudentData, w->CmdSpreadsheet}) {
        for (const auto& r : refusals) {
            SCOPED_TRACE(r.message);
            w->fillStudentList();
            if (*r.select != '\0') selectStudent(w->ListLogon2, QString::fromLatin1(r.select));
            p.messages.texts.clear();
            button->click();
            EXPECT_EQ(p.messages.texts, QStringList{QString::fromLatin1(r.message)});
        }
    }
    EXPECT_EQ(p.shell.opened, QStringList());
    EXPECT_EQ(w->reportViewer(), nullptr);

    selectStudent(w->ListLogon2, QStringLiteral("Ann"));
    w->CmdViewStudentData->click();
    ASSERT_NE(w->reportViewer(), nullptr);
    EXPECT_TRUE(w->reportViewer()->isVisible());
    EXPECT_TRUE(w->reportViewer()->TextReport->isReadOnly());
    EXPECT_EQ(w->reportViewer()->TextReport->toPlainText(), QStringLiteral("Task: Bed\nAccuracy: 100%\n"));
    EXPECT_EQ(w->reportViewer()->windowTitle(), QStringLiteral("Ann.sta"));
    EXPECT_EQ(w->reportViewer()->LabReportTitle->text(), QStringLiteral("Ann.sta"));
    QTest::keyClick(w->reportViewer()->TextReport, Qt::Key_Escape);
    EXPECT_FALSE(w->reportViewer()->isVisible());
    EXPECT_EQ(p.readFile(QStringLiteral("Ann.sta")), QByteArray("Task: Bed\r\nAccuracy: 100%\r\n"));

    w->CmdSpreadsheet->click();
    EXPECT_EQ(p.shell.opened, QStringList{p.path(QStringLiteral("Ann.csv"))});
}

TEST_F(FrontDoor, QuitWithResultsStillWaiting) {
    FormMain* w = world.start();
    // A record that can be written now: quitting writes it and ends without a question.
    world.writeStudent(QStringLiteral("Ann"), withSpeed(1111, 2));
    PendingTaskResults.set(QStringLiteral("Ann"), PendingRecords{"Task: Bed\r\n", "row\r\n"});
    p.messages.texts.clear();
    EXPECT_TRUE(w->mayQuit());
    EXPECT_TRUE(PendingTaskResults.isEmpty());
    EXPECT_TRUE(p.readFile(QStringLiteral("Ann.sta")).startsWith("Task: Bed"));
    EXPECT_EQ(p.messages.texts, QStringList());

    // A report that cannot be written (a folder in its place): the teacher may stay.
    QDir(AppFolder).mkpath(QStringLiteral("Bob.sta"));
    PendingTaskResults.set(QStringLiteral("Bob"), PendingRecords{"Task: Bed\r\n", "row\r\n"});
    p.messages.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(w->mayQuit());
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("Bob"))) << p.messages.texts[0].toStdString();
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("lost"))) << p.messages.texts[0].toStdString();
    EXPECT_TRUE(PendingTaskResults.has(QStringLiteral("Bob")));
    EXPECT_TRUE(w->mayQuit());
}

TEST_F(FrontDoor, TheMenuWorksWithTheKeyboard) {
    FormMain* w = world.start();
    ASSERT_TRUE(w->ImageEnter->hasFocus());
    QTest::keyClick(w->ImageEnter, Qt::Key_Right);
    EXPECT_TRUE(w->ImageOptions->hasFocus());
    QTest::keyClick(w->ImageOptions, Qt::Key_Left);
    QTest::keyClick(w->ImageEnter, Qt::Key_Left);
    EXPECT_TRUE(w->ImageCredits->hasFocus());
    QTest::keyClick(w->ImageCredits, Qt::Key_Left);
    QTest::keyClick(w->ImageUserGuide, Qt::Key_Left);
    ASSERT_TRUE(w->PicButStudent->hasFocus());
    QTest::keyClick(w->PicButStudent, Qt::Key_Return);
    EXPECT_TRUE(w->FrameStudent->isVisible());
    EXPECT_TRUE(w->ListLogon2->hasFocus());
    // Type a name and press Enter in the box: the student is added.
    w->TextAddLogon->setFocus();
    QTest::keyClicks(w->TextAddLogon, QStringLiteral("Eve"));
    QTest::keyClick(w->TextAddLogon, Qt::Key_Return);
    EXPECT_EQ(CurrentStudent, QStringLiteral("Eve"));
    w->CmdStudentBack->setFocus();
    QTest::keyClick(w->CmdStudentBack, Qt::Key_Return);
    EXPECT_TRUE(w->FrameMain->isVisible());
    QTest::keyClick(w->PicButStudent, Qt::Key_Space);
    EXPECT_TRUE(w->FrameStudent->isVisible());
}

TEST_F(FrontDoor, EveryControlOfThePanelsIsNamed) {
    FormMain* w = world.start();
    for (QWidget* panel : {static_cast<QWidget*>(w->FrameStartLogon), static_cast<QWidget*>(w->FrameStudent)}) {
        for (auto* b : panel->findChildren<QAbstractButton*>())
            EXPECT_EQ(b->accessibleName(), b->text()) << b->objectName().toStdString();
        for (auto* l : panel->findChildren<QListWidget*>())
            EXPECT_FALSE(l->accessibleName().isEmpty()) << l->objectName().toStdString();
    }
    EXPECT_EQ(w->FrameStudent->title(), QStringLiteral("Student Information"));
    EXPECT_EQ(w->FrameView->title(), QStringLiteral("View Student Data"));
}

// The first-run calibration, on the fake clock: the delay moves the clock as a computer of a
// given speed would.
struct Calibration : FrontDoor {
    QStringList shown;
    FormMain* startWithSpeedToFind(double secondsPerCount, double secondsPerMove = 0) {
        StudentOptionsRecord first = FrontDoorWorld::calibrated();
        first.AnimationSpeed = -1;
        world.writeStudent(QStringLiteral("teacher"), first);
        auto* w = world.mainWindow();
        w->calibrationDelay = [this, secondsPerCount, secondsPerMove](double value) {
            p.clock.advance(value * secondsPerCount + secondsPerMove);
            return value;
        };
        QObject::connect(w->TextCalibSpeed, &QLineEdit::textChanged, [this](const QString& t) { shown.append(t); });
        return world.start();
    }
};

TEST_F(Calibration, RunsOnceWithItsIncrementsAndSavesTheResult) {
    // 200 moves take 0.25 s from a value of 125000 on: the first value not too fast is 130000.
    FormMain* w = startWithSpeedToFind(1e-8);
    QStringList expected;
    for (int v = 0; v <= 2000; v += 100) expected.append(QString::number(v));
    for (int v = 3000; v <= 100000; v += 1000) expected.append(QString::number(v));
    for (int v = 110000; v <= 130000; v += 10000) expected.append(QString::number(v));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(StudentOptions.AnimationSpeed, 130000);
    const QList<QByteArray> lines = p.readFile(QStringLiteral("teacher.lgn")).split('\n');
    EXPECT_EQ(lines[12], QByteArray(" 130000 \r"));
    ASSERT_EQ(p.messages.texts.size(), 2);
    EXPECT_EQ(p.messages.texts[0],
              QStringLiteral("Stepwick will now calculate an initial animation speed.\nThis is performed only once.\n\n"
                             "If you would like to customize the animation speeds for individual students, \nclick "
                             "on the 'Options' button from the main menu and then click on the 'Picture Options' "
                             "button."));
    EXPECT_EQ(p.messages.texts[1], QStringLiteral("Calculation Complete"));
    EXPECT_FALSE(w->FrameInitSpeed->isVisible());
    EXPECT_TRUE(w->FrameMain->isVisible());

    // The picture moved one twip a step and went back to its start past 6000 twips.
    EXPECT_GE(w->calibratePictureLeftTwips(), 300);
    EXPECT_LE(w->calibratePictureLeftTwips(), 6000 + 200);

    // The next showing, and the next start, do not calibrate again.
    w->hide();
    w->show();
    FrontDoorWorld::settle();
    resetForms();
    registerForm(FormId::Main, [] { return new FormMain; });
    world.start();
    EXPECT_EQ(p.messages.texts.size(), 2);
}

TEST_F(Calibration, EndsAtZeroOnASlowComputerAndSavesForTheCurrentStudent) {
    StudentOptionsRecord ann = FrontDoorWorld::calibrated();
    ann.AnimationSpeed = -5;
    world.writeStudent(QStringLiteral("Ann"), ann);
    CurrentStudent = QStringLiteral("Ann");
    auto* w = world.mainWindow();
    w->calibrationDelay = [this](double value) {
        p.clock.advance(0.01);
        return value;
    };
    world.start();
    EXPECT_EQ(StudentOptions.AnimationSpeed, 0);
    EXPECT_EQ(p.readFile(QStringLiteral("Ann.lgn")).split('\n')[12], QByteArray(" 0 \r"));
    EXPECT_EQ(p.readFile(QStringLiteral("teacher.lgn")).split('\n')[12], QByteArray(" 5000 \r"));
}

}  // namespace
