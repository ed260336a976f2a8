// Loading a task and the board the window builds from it: what the window adds to the plain
// geometry (the loading problems, the pictures it decodes, captions, buttons, the jump start
// applied, names and focus, the switches).

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "ActivityWorld.h"
#include "activity/ActivityWidgets.h"

namespace {

struct ActivityBoard : ::testing::Test {
    ActivityWorld world;

    // Rewrites one picture file of a task written by addTask.
    void changeStep(int task, int step, const std::function<void(StepRecord&)>& change) {
        const QString name = QStringLiteral("t%1_s%2.stp").arg(task).arg(step);
        auto record = readPictureFile(name, PictureReaders::editor);
        ASSERT_TRUE(record);
        change(*record);
        ASSERT_TRUE(writePicture(name, *record));
    }
};

TEST_F(ActivityBoard, ATaskThatCannotBeLoadedIsReportedByNameAndNotRun) {
    const QString good = world.addTask(QStringLiteral("Tea"), 3);
    struct Case {
        const char* what;
        std::function<QString()> make;  // the task file to load
        QString expected;               // the message, or the start of it
    };
    const Case cases[] = {
        {"no task file", [] { return QStringLiteral("gone.tsk"); },
         world.p.path(QStringLiteral("gone.tsk")) + QStringLiteral(" does not exist\nThe task gone.tsk is not valid.")},
        {"a step count above 10",
         [&] {
             world.p.writeFile(QStringLiteral("twelve.tsk"), "12\r\nToo long\r\n");
             return QStringLiteral("twelve.tsk");
         },
         QStringLiteral(
             "twelve.tsk, line 1: the step count 12 is not between 2 and 10\nThe task twelve.tsk is not valid.")},
        {"a missing step file",
         [&] {
             QFile::remove(world.p.path(QStringLiteral("t1_s2.stp")));
             return good;
         },
         QStringLiteral("The picture file of step 2 cannot be read: ") + world.p.path(QStringLiteral("t1_s2.stp")) +
             QStringLiteral(" does not exist\nThe task Tea is not valid.")},
        {"a damaged step file",
         [&] {
             world.p.writeFile(QStringLiteral("t1_s2.stp"), "Tests\r\nOnly a description\r\n");
             return good;
         },
         QStringLiteral("The picture file of step 2 cannot be read: t1_s2.stp, line 3")},
        {"a missing picture",
         [&] {
             world.addTask(QStringLiteral("Toast"), 3);
             QFile::remove(world.p.path(QStringLiteral("t2_s3.jpg")));
             return QStringLiteral("task2.tsk");
         },
         QStringLiteral("The picture ") + world.p.path(QStringLiteral("t2_s3.jpg")) +
             QStringLiteral(" is missing.\nThe task Toast is not valid.")},
    };
    TestAnimation* w = world.board();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        world.p.messages.texts.clear();
        w->loadTask(c.make());
        EXPECT_EQ(w->TaskInvalid, 1);
        ASSERT_EQ(world.p.messages.texts.size(), 1);
        EXPECT_TRUE(world.p.messages.texts[0].startsWith(c.expected)) << world.p.messages.texts[0].toStdString();
        EXPECT_EQ(w->geometry(), QRect(0, 0, 1024, 768));
        for (int k = 0; k <= 10; ++k) EXPECT_TRUE(w->PicBase[k]->isHidden());
    }
    // A good task clears the mark again.
    world.addTask(QStringLiteral("Jam"), 2);
    w->loadTask(QStringLiteral("task3.tsk"));
    EXPECT_EQ(w->TaskInvalid, 0);
}

TEST_F(ActivityBoard, APictureThatCannotBeDecodedShowsTheMissingPictureCardAndIsNamed) {
    const QString task = world.addTask(QStringLiteral("Tea"), 3);
    world.p.writeFile(QStringLiteral("t1_s2.jpg"), "not a picture at all");
    world.writeJpeg(QStringLiteral("aobj_missing_pic.jpg"), QColor(250, 0, 250), QSize(320, 240));
    TestAnimation* w = world.layOut(task);

    EXPECT_EQ(w->TaskInvalid, 0);
    ASSERT_EQ(world.p.messages.texts.size(), 1);
    EXPECT_TRUE(world.p.messages.texts[0].startsWith(QStringLiteral("The picture ") +
                                                     world.p.path(QStringLiteral("t1_s2.jpg")) +
                                                     QStringLiteral(" cannot be shown: ")));
    // The card is magenta; the other pictures keep their own colours.
    const auto middleColour = [w](int k) {
        const QImage& picture = w->ImBase[k]->picture();
        return picture.pixelColor(picture.width() / 2, picture.height() / 2);
    };
    EXPECT_EQ(w->ImBase[2]->picture().size(), w->ImBase[2]->size());
    EXPECT_NEAR(middleColour(2).red(), 250, 8);
    EXPECT_NEAR(middleColour(2).green(), 0, 8);
    EXPECT_NEAR(middleColour(2).blue(), 250, 8);
    EXPECT_GT(middleColour(1).green(), 60);
    EXPECT_FALSE(w->PicBase[2]->isHidden());
}

TEST_F(ActivityBoard, TheLoadedTaskHoldsAbsoluteNamesAndTheLessonsCopyOfTheNarrations) {
    const QString task = world.addTask(QStringLiteral("Tea"), 2);
    world.writeJpeg(QStringLiteral("elsewhere.jpg"), Qt::red);
    changeStep(1, 2, [&](StepRecord& s) {
        s.StepPictureFile = world.p.path(QStringLiteral("elsewhere.jpg"));
        s.StepWaveFile = QStringLiteral("pic_1002.wav");
    });
    TestAnimation* w = world.board();
    TaskFinished = 1;
    w->loadTask(task);
    ASSERT_EQ(w->TaskInvalid, 0);
    EXPECT_EQ(Task.StepPictureFile[1], world.p.path(QStringLiteral("t1_s1.jpg")));
    EXPECT_EQ(Task.StepPictureFile[2], world.p.path(QStringLiteral("elsewhere.jpg")));
    EXPECT_EQ(Task.StepWaveFile[1], QStringLiteral("None"));
    EXPECT_EQ(Task.StepWaveFile[2], world.p.path(QStringLiteral("pic_1002.wav")));
    EXPECT_EQ(Task.StepLessonWaveFile[2], Task.StepWaveFile[2]);
    w->resetBoard();
    w->layOutBoard();
    EXPECT_EQ(TaskFinished, 0);
}

TEST_F(ActivityBoard, CaptionsShowAmpersandsAndAngleBracketsAsWritten) {
    const QString task = world.addTask(QStringLiteral("Salt & pepper"), 2);
    changeStep(1, 1, [](StepRecord& s) { s.StepDescription = QStringLiteral("Fish & chips"); });
    StudentOptions.AccessMethod = 1;
    TestAnimation* w = world.layOut(task);
    EXPECT_EQ(w->LabShowTitle[1]->caption(), QStringLiteral("Fish && chips"));
    EXPECT_EQ(w->LabShowTitle[1]->shownText(), QStringLiteral("Fish & chips"));
    EXPECT_EQ(w->LabShowTitle[1]->accessibleName(), QStringLiteral("Fish & chips"));
    EXPECT_EQ(w->PicBase[1]->accessibleName(), QStringLiteral("Fish & chips"));
    EXPECT_EQ(w->LabelTaskTitle->shownText(), QStringLiteral("Salt & pepper"));
    EXPECT_EQ(w->LabGeneralInfo->shownText(),
              QStringLiteral("Logged on as: Ann     Controls: 2 switches, <space> scans, <enter> selects"));
    // Every title takes the first title's font, shrinking only to fit.
    for (int k = 1; k <= 2; ++k) EXPECT_EQ(w->LabShowTitle[k]->pixelSize(), w->LabShowTitle[1]->pixelSize());
}

TEST_F(ActivityBoard, TitlesOffMakeThePicturesShorterByTheTitle) {
    const QString task = world.addTask(QStringLiteral("Tea"), 5);
    TestAnimation* w = world.layOut(task);
    w->layOutBoard();  // the frame's height follows the image control's width as the last layout left it
    const int withTitles = w->PicBase[1]->height();
    EXPECT_FALSE(w->LabShowTitle[1]->isHidden());
    StudentOptions.PictureTitles = 2;
    w->layOutBoard();
    EXPECT_EQ(withTitles - w->PicBase[1]->height(), 21);
    for (int k = 0; k <= 10; ++k) EXPECT_TRUE(w->LabShowTitle[k]->isHidden()) << k;
    EXPECT_EQ(w->ImBase[1]->y(), 1);
}

TEST_F(ActivityBoard, TheVideoButtonShowsOnlyForAClipThatIsThere) {
    const QString task = world.addTask(QStringLiteral("Tea"), 2);
    StudentOptions.VideoButton = 1;
    StudentOptions.ReviewButton = 1;
    TestAnimation* w = world.layOut(task);
    EXPECT_TRUE(w->PicPlayVideo->isHidden());
    EXPECT_EQ(w->PicPlayVideo->pos(), QPoint(-111, 0));
    EXPECT_EQ(w->PicPlayLesson->pos(), QPoint(0, 0));
    EXPECT_FALSE(w->PicPlayLesson->isHidden());

    auto record = readTaskFile(task, TaskReaders::editor);
    ASSERT_TRUE(record);
    record->TaskVideoFile = QStringLiteral("clip.avi");
    ASSERT_TRUE(writeTask(task, *record));
    world.p.writeFile(QStringLiteral("clip.avi"), "clip");
    w->loadTask(task);
    w->layOutBoard();
    EXPECT_FALSE(w->PicPlayVideo->isHidden());
    EXPECT_EQ(w->PicPlayVideo->geometry(), QRect(0, 0, 110, 30));
    EXPECT_EQ(w->PicPlayLesson->geometry(), QRect(111, 0, 110, 30));
    EXPECT_EQ(w->PicExit->geometry(), QRect(722, 0, 302, 30));

    StudentOptions.ReviewButton = 2;
    w->layOutBoard();
    EXPECT_TRUE(w->PicPlayLesson->isHidden());
}

TEST_F(ActivityBoard, JumpStartPicturesSitInTheirBoxesAndCannotBeChosen) {
    for (const std::int16_t layout : {1, 3}) {
        SCOPED_TRACE(layout);
        StudentOptions.LayoutDirection = layout;
        StudentOptions.ShuffleMode = 2;
        StudentOptions.FeedbackMode = 1;
        StudentOptions.JumpStart[5] = {0, 1, 0, 0, 0, 1};
        TestAnimation* w = world.layOut(world.addTask(QStringLiteral("Tea"), 5));
        const int boxOf1 = layout == 3 ? 5 : 1;
        const int boxOf5 = layout == 3 ? 1 : 5;
        EXPECT_EQ(BoxStep[boxOf1], 1);
        EXPECT_EQ(BoxStep[boxOf5], 5);
        EXPECT_EQ(w->PicBase[BoxSlot[boxOf1]]->pos(), w->PicSeq[boxOf1]->pos());
        EXPECT_EQ(w->PicBase[BoxSlot[boxOf5]]->pos(), w->PicSeq[boxOf5]->pos());
        EXPECT_EQ(PictureMoves, 0);

        w->selectSlot(BoxSlot[boxOf1]);
        w->selectSlot(BoxSlot[boxOf5]);
        EXPECT_EQ(w->ClickedSlot, 0);
        int other = 1;
        while (other == BoxSlot[boxOf1] || other == BoxSlot[boxOf5]) ++other;
        w->selectSlot(other);
        EXPECT_EQ(w->ClickedSlot, other);
        w->ClickedSlot = 0;
        // The first empty box is box 2; a chosen picture goes there.
        w->moveSelectedPicture(other);
        EXPECT_EQ(w->PicBase[other]->pos(), w->PicSeq[2]->pos());
    }
}

TEST_F(ActivityBoard, TheSameTaskAgainAndAgainDoesNotDrift) {
    // A picture's frame takes its proportion from the image control as the last layout left it;
    // from the second layout on that is the layout's own, so the board stays put.
    for (const std::int16_t layout : {1, 2}) {
        StudentOptions.LayoutDirection = layout;
        const QString task = world.addTask(QStringLiteral("Tea"), 5);
        TestAnimation* w = world.layOut(task);
        w->layOutBoard();
        std::vector<QRect> second;
        for (int k = 1; k <= 5; ++k) second.push_back(w->ImBase[k]->geometry().translated(w->PicBase[k]->pos()));
        for (int run = 0; run < 3; ++run) {
            w->loadTask(task);
            w->resetBoard();
            w->layOutBoard();
        }
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(w->ImBase[k]->geometry().translated(w->PicBase[k]->pos()), second[k - 1]) << layout << " " << k;
        }
    }
}

TEST_F(ActivityBoard, NoControlTakesTheKeyboardAndEveryTouchableOneIsNamed) {
    TestAnimation* w = world.layOut(world.addTask(QStringLiteral("Tea"), 3));
    for (QWidget* child : w->findChildren<QWidget*>()) {
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
    }
    const struct {
        QWidget* control;
        const char* name;
    } named[] = {{w->PicExit, "Back to the Task Selection Menu"},
                 {w->PicExitEarly, "Back to the Task Selection Menu"},
                 {w->PicPlayVideo, "Play Video"},
                 {w->PicPlayLesson, "Start Review"},
                 {w->ImageContinueNext, "Next Task"},
                 {w->ImageContinueReplay, "Same Task Again"},
                 {w->ImageContinueTask, "Task Selection Menu"},
                 {w->PicSeq[1], "Box 1"},
                 {w->PicBase[2], "Tea step 2"}};
    for (const auto& n : named) EXPECT_EQ(n.control->accessibleName(), QString::fromLatin1(n.name));
    // Right to left the right-most box is box 1.
    StudentOptions.LayoutDirection = 3;
    w->layOutBoard();
    EXPECT_EQ(w->PicSeq[3]->accessibleName(), QStringLiteral("Box 1"));
}

TEST_F(ActivityBoard, SwitchesReachTheWindowBeforeItsControlsAndAHeldKeyCountsOnce) {
    TestAnimation* w = world.layOut(world.addTask(QStringLiteral("Tea"), 3));
    // Space on the Exit button scans; it does not press the button.
    QTest::keyClick(w->PicExit, Qt::Key_Space);
    EXPECT_EQ(ScanRequested, 1);
    EXPECT_EQ(ExitRequested, 0);
    // Return and the keypad's Enter both select.
    QTest::keyClick(w->PicPlayLesson, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(SelectRequested, 1);
    SelectRequested = 0;
    // Held down, the key repeats as releases and presses: they count for nothing.
    QTest::keyPress(w, Qt::Key_Return);
    EXPECT_EQ(SelectRequested, 1);
    SelectRequested = 0;
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(w, &release);
        QCoreApplication::sendEvent(w, &press);
    }
    EXPECT_EQ(SelectRequested, 0);
    QTest::keyRelease(w, Qt::Key_Return);
    QTest::keyPress(w, Qt::Key_Return);
    EXPECT_EQ(SelectRequested, 1);
}

TEST(ActivityEdition, TheVideoButtonReadsByTheEdition) {
    ActivityWorld world;
    Edition = 2;
    TestAnimation* w = world.board();
    EXPECT_EQ(w->PicPlayVideo->accessibleName(), QStringLiteral("Read Story"));
}

}  // namespace
