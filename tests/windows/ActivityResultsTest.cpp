// What the whole activity leaves in the student's report and spreadsheet, run with a scripted
// student, and how the teacher hears of files that could not be written.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <optional>

#include "ActivityWorld.h"
#include "FaultyFiles.h"
#include "QtPrinting.h"

namespace {

const QString kRule = QString(49, u'=');

// Solves every task in order by clicking the right picture for the lowest empty box, answers the
// after-task menu with menu(number of the menu), and leaves run exitRun (1 = the first) with the
// Exit button once it has made exitAfterMoves moves.
struct ScriptedStudent {
    ActivityWorld& world;
    std::function<int(int)> menu = [](int) { return 1; };
    std::function<void(int menuNumber)> atMenu;  // before the answer
    int exitRun = 0;
    int exitAfterMoves = 0;

    int runs = 0;
    int menus = 0;
    bool answered = false;
    QStringList messagesWhileRunning;

    explicit ScriptedStudent(ActivityWorld& w) : world(w) {
        form(FormId::Animation);
        world.animation->onIntroduction = [this] { ++runs; };
        world.p.pump.script = [this](bool isWait) { pass(isWait); };
    }
    ~ScriptedStudent() { world.p.pump.script = nullptr; }

    void pass(bool isWait) {
        TestAnimation& w = *world.animation;
        if (w.activityRunning()) messagesWhileRunning.append(world.p.messages.texts);
        if (!isWait || WaitingForSound == 1 || !w.activityRunning()) return;
        if (!w.FrameContinue->isHidden()) {
            if (answered) return;
            answered = true;
            if (atMenu) atMenu(++menus);
            PictureButton* const choices[4] = {nullptr, w.ImageContinueTask, w.ImageContinueReplay,
                                               w.ImageContinueNext};
            QTest::mouseClick(choices[menu(menus)], Qt::LeftButton);
            return;
        }
        answered = false;
        if (w.ClickSelectEnabled != 1 || w.ClickedSlot != 0 || ExitRequested == 1) return;
        if (runs == exitRun && PictureMoves == exitAfterMoves) {
            QTest::mouseClick(w.PicExit, Qt::LeftButton);
            return;
        }
        const activity::BoardState s = w.board();
        const int box = activity::firstEmptyBox(s);
        const int step = box == 0 ? 0 : activity::expectedStep(box, s.StepCount, w.boardOptions().layout);
        for (int slot = 1; slot <= s.StepCount; ++slot) {
            if (step != 0 && s.SlotStep[slot] == step) w.selectSlot(slot);
        }
    }
};

QStringList resultFiles(const ActivityWorld& world) {
    return QDir(world.p.folder.path())
        .entryList({QStringLiteral("*.sta"), QStringLiteral("*.csv"), QStringLiteral("*.tmp"), QStringLiteral("*.tcv")},
                   QDir::Files);
}

// The report's records, each a list of its lines.
std::vector<QStringList> reportRecords(const ActivityWorld& world, const QString& student) {
    const QString text = QString::fromUtf8(world.p.readFile(student + QStringLiteral(".sta")));
    std::vector<QStringList> records;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line == kRule) records.emplace_back();
        if (!records.empty() && !line.isEmpty()) records.back().append(line);
    }
    return records;
}

// The "Task: ..." line of each of Ann's records, newest first.
QStringList reportTitles(const ActivityWorld& world) {
    QStringList titles;
    for (const QStringList& record : reportRecords(world, QStringLiteral("Ann"))) titles.append(record.value(2));
    return titles;
}

QStringList spreadsheetLines(const ActivityWorld& world, const QString& student) {
    return QString::fromUtf8(world.p.readFile(student + QStringLiteral(".csv")))
        .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

TEST(ActivityResults, NothingIsWrittenWithoutAMoveNorEverForTheTeacher) {
    {
        SCOPED_TRACE("Exit before the first move");
        ActivityWorld world;
        world.queue({world.addTask(QStringLiteral("Apples"), 3)});
        ScriptedStudent student(world);
        student.exitRun = 1;
        TestAnimation* w = world.run();
        EXPECT_EQ(w->resultsRecorded, std::vector<int>{0});
        EXPECT_EQ(resultFiles(world), QStringList());
    }
    {
        SCOPED_TRACE("the teacher solves one task and leaves the next after a move");
        ActivityWorld world;
        CurrentStudent = QStringLiteral("teacher");
        world.queue({world.addTask(QStringLiteral("Apples"), 2), world.addTask(QStringLiteral("Bread"), 3)});
        ScriptedStudent student(world);
        student.menu = [](int) { return 3; };
        student.exitRun = 2;
        student.exitAfterMoves = 1;
        TestAnimation* w = world.run();
        EXPECT_EQ(w->resultsRecorded, std::vector<int>({1, 0}));
        EXPECT_EQ(resultFiles(world), QStringList());
        EXPECT_TRUE(PendingTaskResults.isEmpty());
    }
}

TEST(ActivityResults, ThreeTasksGiveThreeRecordsNewestFirst) {
    ActivityWorld world;
    // The second task runs over midnight and takes 65 seconds.
    world.p.clock.setTimeOfDay(86400 - 30);
    StudentOptions.JumpStart[3] = {0, 1, 0, 0};
    world.queue({world.addTask(QStringLiteral("Apples"), 2), world.addTask(QStringLiteral("Bread, butter"), 3),
                 world.addTask(QStringLiteral("\"Cake\""), 2)});
    ScriptedStudent student(world);
    student.menu = [](int) { return 3; };
    student.exitRun = 3;
    student.exitAfterMoves = 1;
    world.animation->onIntroduction = [&] {
        if (++student.runs == 2) world.p.clock.advance(65);
    };
    TestAnimation* w = world.run();
    ASSERT_EQ(w->resultsRecorded, std::vector<int>({1, 1, 0}));

    const std::vector<QStringList> records = reportRecords(world, QStringLiteral("Ann"));
    ASSERT_EQ(records.size(), 3u);
    const QRegularExpression stamp(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d\\d \\d\\d:\\d\\d (AM|PM)$"));
    for (const QStringList& r : records) EXPECT_TRUE(stamp.match(r.value(1)).hasMatch()) << r.value(1).toStdString();
    // Newest first: the task left by Exit, with no accuracy line.
    EXPECT_EQ(records[0].mid(2, 6),
              (QStringList{QStringLiteral("Task: \"Cake\""),
                           QStringLiteral("The student did not finish sequencing this task"),
                           QStringLiteral("Access Method: Mouse / Touch Window"), QStringLiteral("Steps in Task: 2"),
                           QStringLiteral("Number of Incorrect Picture Moves: 0"),
                           QStringLiteral("Number of jump started steps: 0")}));
    EXPECT_EQ(records[0].size(), 9);
    EXPECT_TRUE(records[0].last().startsWith(QStringLiteral("Task Time = ")));
    EXPECT_EQ(
        records[1].mid(2),
        (QStringList{QStringLiteral("Task: Bread, butter"), QStringLiteral("The student finished sequencing this task"),
                     QStringLiteral("Access Method: Mouse / Touch Window"), QStringLiteral("Steps in Task: 3"),
                     QStringLiteral("Number of Incorrect Picture Moves: 0"),
                     QStringLiteral("Number of jump started steps: 1"), QStringLiteral("Percent Accuracy: 100%"),
                     QStringLiteral("Task Time = 0 Hours, 1 Minutes, 5 Seconds ")}));
    EXPECT_EQ(records[2].value(2), QStringLiteral("Task: Apples"));

    // With STEPWICK_SHOTS_DIR set the files are saved there, to be opened in a spreadsheet program.
    if (const QString folder = qEnvironmentVariable("STEPWICK_SHOTS_DIR"); !folder.isEmpty()) {
        QDir().mkpath(folder);
        for (const QString& name : {QStringLiteral("Ann.sta"), QStringLiteral("Ann.csv")}) {
            QFile::remove(QDir(folder).filePath(name));
            EXPECT_TRUE(QFile::copy(world.p.path(name), QDir(folder).filePath(name)));
        }
    }
    const QStringList csv = spreadsheetLines(world, QStringLiteral("Ann"));
    ASSERT_EQ(csv.size(), 7);
    EXPECT_EQ(csv[0], QStringLiteral("Ann, , , , , , , , ,"));
    EXPECT_TRUE(csv[4].contains(QStringLiteral(",\"Cake\",\"The student did not finish"))) << csv[4].toStdString();
    EXPECT_TRUE(csv[4].contains(QStringLiteral("\",\"2\",\"0\",\"0\",?,\"0 Hours, "))) << csv[4].toStdString();
    EXPECT_TRUE(
        csv[5].contains(QStringLiteral(",\"Bread, butter\",\"The student finished sequencing this task\","
                                       "\"Mouse / Touch Window\",\"3\",\"0\",\"1\",\"100%\","
                                       "\"0 Hours, 1 Minutes, 5 Seconds \",")))
        << csv[5].toStdString();
    EXPECT_TRUE(csv[6].contains(QStringLiteral(",\"Apples\","))) << csv[6].toStdString();
    EXPECT_TRUE(world.p.messages.texts.isEmpty());
}

// Files that cannot be written are told once, when the activity hands back to the task
// selection, never while the student works; the records wait in memory and are written as soon
// as the files can be written again.
TEST(ActivityResults, AFileThatCannotBeWrittenIsToldAtTheHandBackAndTheRecordsWait) {
    ActivityWorld world;
    const QString report = world.p.path(QStringLiteral("Ann.sta"));
    const QString spreadsheet = world.p.path(QStringLiteral("Ann.csv"));
    const QStringList tasks = {world.addTask(QStringLiteral("Apples"), 2), world.addTask(QStringLiteral("Bread"), 2)};
    HalfWritingFileSystem full;
    {
        SCOPED_TRACE("two tasks on a full disk; the disk has room again at the second menu");
        world.queue(tasks);
        std::optional<InstalledFileSystem> faulty(std::in_place, full);
        ScriptedStudent student(world);
        student.menu = [](int menu) { return menu == 1 ? 3 : 1; };
        student.atMenu = [&](int menu) {
            if (menu == 2) faulty.reset();
        };
        world.run();
        world.handBack();
        EXPECT_EQ(student.messagesWhileRunning, QStringList());
        ASSERT_EQ(world.p.messages.texts.size(), 1);
        const QString message = world.p.messages.texts[0];
        EXPECT_EQ(message.count(QStringLiteral("The results could not be saved (") + report), 1)
            << message.toStdString();
        EXPECT_EQ(message.count(QStringLiteral("The results could not be saved (") + spreadsheet), 1);
        EXPECT_TRUE(message.endsWith(QStringLiteral("All results have now been saved."))) << message.toStdString();
        EXPECT_TRUE(PendingTaskResults.isEmpty());
        EXPECT_EQ(reportTitles(world), (QStringList{QStringLiteral("Task: Bread"), QStringLiteral("Task: Apples")}));
        EXPECT_EQ(spreadsheetLines(world, QStringLiteral("Ann")).size(), 6);
    }
    world.p.messages.texts.clear();
    {
        SCOPED_TRACE("one task on a full disk that stays full");
        world.queue({tasks[0]});
        InstalledFileSystem faulty(full);
        ScriptedStudent student(world);
        world.run();
        world.handBack();
        EXPECT_EQ(student.messagesWhileRunning, QStringList());
        ASSERT_EQ(world.p.messages.texts.size(), 1);
        const QString message = world.p.messages.texts[0];
        EXPECT_TRUE(message.contains(report)) << message.toStdString();
        EXPECT_TRUE(message.contains(spreadsheet)) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("They are kept and saved with the next task.")));
        EXPECT_FALSE(message.contains(QStringLiteral("All results have now been saved.")));
        EXPECT_TRUE(PendingTaskResults.has(QStringLiteral("Ann")));
    }
    world.p.messages.texts.clear();
    {
        SCOPED_TRACE("the next task writes the waiting record with its own");
        world.queue({tasks[1]});
        ScriptedStudent student(world);
        world.run();
        world.handBack();
        EXPECT_EQ(world.p.messages.texts, QStringList());
        EXPECT_TRUE(PendingTaskResults.isEmpty());
        // The new record, then the one that waited, then the two of the first activity.
        EXPECT_EQ(reportTitles(world), (QStringList{QStringLiteral("Task: Bread"), QStringLiteral("Task: Apples"),
                                                    QStringLiteral("Task: Bread"), QStringLiteral("Task: Apples")}));
        EXPECT_EQ(spreadsheetLines(world, QStringLiteral("Ann")).size(), 8);
    }
}

}  // namespace
