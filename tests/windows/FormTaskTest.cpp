// The task selection window on the test doubles.

#include "FrontDoorWorld.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

namespace {

struct TaskSelection : ::testing::Test {
    FrontDoorWorld world;
    TestPlatform& p = world.p;

    QStringList entries(FormTask* w) {
        QStringList texts;
        for (int i = 0; i < w->ListTasks->count(); ++i) texts.append(w->ListTasks->item(i)->text());
        return texts;
    }
    QList<bool> ticks(FormTask* w) {
        QList<bool> t;
        for (int i = 0; i < w->ListTasks->count(); ++i) t.append(w->isTaskTicked(i));
        return t;
    }
    // The teacher's filter, then the window as Continue on the log-on panel shows it.
    FormTask* open(std::initializer_list<int> shownStepCounts) {
        StudentOptionsRecord teacher = FrontDoorWorld::calibrated();
        teacher.StepFilter.fill(0);
        for (int n : shownStepCounts) teacher.StepFilter[n] = 1;
        world.writeStudent(QStringLiteral("teacher"), teacher);
        return world.logOn(QStringLiteral("teacher"));
    }
    void writeLibrary() {
        world.writeTaskFile(QStringLiteral("t1.tsk"), QStringLiteral("Home"), QStringLiteral("apple"), 3);
        world.writeTaskFile(QStringLiteral("t2.tsk"), QStringLiteral("Home"), QStringLiteral("Zebra"), 5,
                            QStringLiteral("zebra.avi"));
        world.writeTaskFile(QStringLiteral("t3.tsk"), QStringLiteral("Care"), QStringLiteral("Teeth"), 4);
        world.writeTaskFile(QStringLiteral("t4.tsk"), QStringLiteral("Care"), QStringLiteral("Hands"), 3);
        world.writeTaskFile(QStringLiteral("t5.tsk"), QStringLiteral("Home"), QStringLiteral("Bed"), 5,
                            QStringLiteral(""));
        world.writeTaskFile(QStringLiteral("t6.tsk"), QStringLiteral("Home"), QStringLiteral("Door"), 10);
    }
};

TEST_F(TaskSelection, ListsTheFilteredTasksSortedByCharacterCodes) {
    writeLibrary();
    FormTask* w = open({3, 5});
    EXPECT_EQ(entries(w),
              (QStringList{QStringLiteral("Care==> Hands:  3 Steps"), QStringLiteral("Home==> Bed:  5 Steps"),
                           QStringLiteral("Home==> Zebra:  5 Steps (with video)"),
                           QStringLiteral("Home==> apple:  3 Steps")}));
    EXPECT_EQ(w->TaskListFiles, (QStringList{QStringLiteral("t4.tsk"), QStringLiteral("t5.tsk"),
                                             QStringLiteral("t2.tsk"), QStringLiteral("t1.tsk")}));
    for (int n = 2; n <= 10; ++n) EXPECT_EQ(w->CheckFilter[n]->isChecked(), n == 3 || n == 5) << n;
    EXPECT_EQ(ticks(w), (QList<bool>{false, false, false, false}));
    EXPECT_EQ(w->listBuilds(), 1);
}

TEST_F(TaskSelection, AFilterChangeRebuildsTheListAndClearsTheTicks) {
    writeLibrary();
    FormTask* w = open({3, 5});
    w->setTaskTicked(0, true);
    w->setTaskTicked(2, true);
    w->CheckFilter[4]->click();
    EXPECT_EQ(entries(w).size(), 5);
    EXPECT_EQ(ticks(w), QList<bool>(5, false));
    EXPECT_EQ(StudentOptions.StepFilter[4], 0);  // stored only when the window is left

    w->CmdSelectAll->click();
    EXPECT_EQ(entries(w).size(), 6);
    w->CmdUncheckAll->click();
    EXPECT_EQ(entries(w).size(), 0);
    // Selecting every listed task on an empty list does nothing.
    w->CmdtaskSelectAll->click();
    EXPECT_EQ(p.messages.texts, QStringList());
}

TEST_F(TaskSelection, SelectAndDeselectAllListedTasks) {
    writeLibrary();
    FormTask* w = open({3, 4, 5});
    w->ListTasks->setCurrentRow(3);
    w->CmdtaskSelectAll->click();
    EXPECT_EQ(ticks(w), QList<bool>(5, true));
    EXPECT_EQ(w->ListTasks->currentRow(), 0);
    w->CmdTaskUnselectAll->click();
    EXPECT_EQ(ticks(w), QList<bool>(5, false));
    EXPECT_EQ(w->ListUpdating, 0);
}

TEST_F(TaskSelection, ContinueHandsTheTickedTasksToTheActivity) {
    writeLibrary();
    FormTask* w = open({3, 5});
    p.messages.texts.clear();
    w->CmdContinue->click();
    EXPECT_EQ(p.messages.texts,
              QStringList{QStringLiteral("At least one selection must be made\nClick the white box next to the task to "
                                         "select it.  You may select more than one task.")});
    EXPECT_EQ(world.animationShowings, 0);
    EXPECT_TRUE(w->isVisible());

    // Entries 2 and 4 of the list, ticked with the keyboard: Space on the current entry.
    w->ListTasks->setFocus();
    w->ListTasks->setCurrentRow(1);
    QTest::keyClick(w->ListTasks->viewport(), Qt::Key_Space);
    w->ListTasks->setCurrentRow(3);
    QTest::keyClick(w->ListTasks->viewport(), Qt::Key_Space);
    ASSERT_EQ(ticks(w), (QList<bool>{false, true, false, true}));
    w->CheckFilter[10]->setChecked(true);  // changes the list: tick again
    w->CheckFilter[10]->setChecked(false);
    w->setTaskTicked(1, true);
    w->setTaskTicked(3, true);
    p.clock.advance(100);
    w->CmdContinue->click();
    EXPECT_EQ(ChosenTaskCount, 2);
    EXPECT_EQ(ChosenTaskList[1], QStringLiteral("t5.tsk"));
    EXPECT_EQ(ChosenTaskList[2], QStringLiteral("t1.tsk"));
    EXPECT_EQ(ChosenTaskList[3], QStringLiteral("0"));
    EXPECT_EQ(ChosenTaskList[1000], QStringLiteral("0"));
    EXPECT_EQ(ChosenTaskIndex[1], 1);
    EXPECT_EQ(ChosenTaskIndex[2], 3);
    EXPECT_EQ(ChosenTaskIndex[3], 0);
    EXPECT_FLOAT_EQ(ActivityStartTime, p.clock.timer());
    EXPECT_EQ(world.animationShowings, 1);
    EXPECT_FALSE(w->isVisible());
    // The filter was stored in the student's file.
    auto saved = parseStudentOptions(p.readFile(QStringLiteral("teacher.lgn")));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->StepFilter[3], 1);
    EXPECT_EQ(saved->StepFilter[10], 0);

    // Shown again with the same filter, the list keeps its entries and ticks.
    const int builds = w->listBuilds();
    showForm(FormId::Task);
    FrontDoorWorld::settle();
    EXPECT_EQ(w->listBuilds(), builds);
    EXPECT_EQ(ticks(w), (QList<bool>{false, true, false, true}));
}

TEST_F(TaskSelection, BackSavesTheFilterWithoutAMessage) {
    writeLibrary();
    FormTask* w = open({3});
    w->CheckFilter[7]->setChecked(true);
    w->CheckFilter[3]->setChecked(false);
    p.messages.texts.clear();
    w->Cmdback->click();
    FrontDoorWorld::settle();
    EXPECT_EQ(p.messages.texts, QStringList());
    EXPECT_TRUE(world.mainWindow()->isVisible());
    EXPECT_TRUE(world.mainWindow()->FrameMain->isVisible());
    auto saved = parseStudentOptions(p.readFile(QStringLiteral("teacher.lgn")));
    ASSERT_TRUE(saved.ok());
    for (int n = 2; n <= 10; ++n) EXPECT_EQ(saved->StepFilter[n], n == 7 ? 1 : 0) << n;
}

TEST_F(TaskSelection, ADamagedTaskFileIsNamedOnceAndLeftOut) {
    writeLibrary();
    p.writeFile(QStringLiteral("broken.tsk"), " 4 \r\nHalf a task\r\n");
    p.writeFile(QStringLiteral("eleven.tsk"), " 11 \r\nToo long\r\nHome\r\nNone\r\n");
    FormTask* w = open({3, 4, 5});
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("broken.tsk"))) << p.messages.texts[0].toStdString();
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("eleven.tsk"))) << p.messages.texts[0].toStdString();
    EXPECT_EQ(entries(w).size(), 5);
    w->CmdUncheckAll->click();
    w->CmdSelectAll->click();
    w->CheckFilter[2]->click();
    EXPECT_EQ(p.messages.texts.size(), 1);
    EXPECT_EQ(entries(w).size(), 6);
}

TEST_F(TaskSelection, AThousandTasksAndMoreAreListed) {
    for (int i = 0; i < 1005; ++i) {
        world.writeTaskFile(QStringLiteral("task%1.tsk").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("Many"),
                            QStringLiteral("Task %1").arg(i, 4, 10, QLatin1Char('0')), 2 + i % 9);
    }
    FormTask* w = open({2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(w->ListTasks->count(), 1005);
    EXPECT_EQ(w->TaskListCount(), 1005);
    w->CmdtaskSelectAll->click();
    w->setTaskTicked(1004, false);
    w->setTaskTicked(1003, false);
    w->setTaskTicked(1002, false);
    w->setTaskTicked(1001, false);
    w->setTaskTicked(1000, false);
    w->CmdContinue->click();
    EXPECT_EQ(ChosenTaskCount, 1000);
    EXPECT_EQ(ChosenTaskIndex[1000], 999);
    EXPECT_EQ(ChosenTaskList[1000], QStringLiteral("task0999.tsk"));
}

// Where the list draws an entry's tick box, and how many of its pixels are dark.
QRect tickBox(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QStyleOptionViewItem opt;
    opt.initFrom(list->viewport());
    opt.rect = list->visualItemRect(item);
    opt.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    opt.checkState = item->checkState();
    opt.text = item->text();
    opt.font = list->font();
    opt.fontMetrics = list->fontMetrics();
    opt.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, list);
}

int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) ++dark;
    return dark;
}

TEST_F(TaskSelection, TheTickBoxesAreLargeAndDrawnInTheTextColour) {
    writeLibrary();
    FormTask* w = open({3, 5});
    w->setTaskTicked(1, true);
    const qreal scale = w->ListTasks->viewport()->devicePixelRatioF();
    const QImage image = w->ListTasks->viewport()->grab().toImage();
    for (int row : {1, 2}) {
        const QRect box = tickBox(w->ListTasks, row);
        ASSERT_GE(box.height(), 18) << row;
        const QRect onImage(box.topLeft() * scale, box.size() * scale);
        const QRect inside =
            onImage.adjusted(onImage.width() / 4, onImage.height() / 4, -onImage.width() / 4, -onImage.height() / 4);
        // A dark frame all round: at least the length of its four sides.
        EXPECT_GE(darkPixels(image, onImage), 4 * onImage.height() - 8) << row;
        if (row == 1)
            EXPECT_GT(darkPixels(image, inside), inside.height()) << "the tick";
        else
            EXPECT_EQ(darkPixels(image, inside), 0) << "an empty box";
    }
}

TEST_F(TaskSelection, TicksTheProgramSetsAreNotTheUsers) {
    writeLibrary();
    FormTask* w = open({3, 5});
    int clicksSeen = 0;
    QObject::connect(w->ListTasks, &QListWidget::itemChanged, [&] {
        if (w->ListUpdating == 0) ++clicksSeen;
    });
    w->CmdtaskSelectAll->click();
    w->CheckFilter[4]->click();
    EXPECT_EQ(clicksSeen, 0);
    w->ListTasks->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(clicksSeen, 1);
}

TEST_F(TaskSelection, ResultsThatCouldNotBeSavedAreToldWhenTheWindowShows) {
    writeLibrary();
    FormTask* w = open({3});
    w->hide();
    ResultsProblems = QStringList{QStringLiteral("The results could not be saved (Ann.sta cannot be written).")};
    p.messages.texts.clear();
    showForm(FormId::Task);
    FrontDoorWorld::settle();
    EXPECT_EQ(p.messages.texts,
              QStringList{QStringLiteral("The results could not be saved (Ann.sta cannot be written).")});
    EXPECT_TRUE(ResultsProblems.isEmpty());
    w->hide();
    showForm(FormId::Task);
    FrontDoorWorld::settle();
    EXPECT_EQ(p.messages.texts.size(), 1);
}

}  // namespace
