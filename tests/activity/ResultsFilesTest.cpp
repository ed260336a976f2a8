#include "activity/ResultsRecord.h"

#include "FaultyFiles.h"
#include "QtPrinting.h"
#include "TestPlatform.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <string_view>

namespace {

TaskResult task(const QString& title, bool finished = true) {
    TaskResult r;
    r.student = QStringLiteral("Ann");
    r.TaskTitle = title;
    r.StepCount = 3;
    r.TaskFinished = finished;
    r.IncorrectMoves = 1;
    r.PictureMoves = 4;
    r.AccessMethod = 2;
    r.taskSeconds = 30;
    r.dateStamp = QStringLiteral("3/7/26 09:05 AM");
    return r;
}

// The report record of a task as bytes, written out by hand: the accuracy of 3 steps with 1 wrong
// is 75 percent.
QByteArray reportOf(const char* title, bool finished = true) {
    QByteArray r = "=================================================\r\n3/7/26 09:05 AM\r\nTask: ";
    r += title;
    r += finished ? "\r\nThe student finished sequencing this task\r\n"
                  : "\r\nThe student did not finish sequencing this task\r\n";
    r += "Access Method: Mouse / Touch Window\r\nSteps in Task: 3\r\nNumber of Incorrect Picture Moves: 1\r\n"
         "Number of jump started steps: 0\r\n";
    if (finished) r += "Percent Accuracy: 75%\r\n";
    r += "Task Time = 0 Hours, 0 Minutes, 30 Seconds \r\n";
    return r;
}

QByteArray rowOf(const char* title, bool finished = true) {
    return QByteArray("\"3/7/26 09:05 AM\",\"") + title + "\",\"The student " + (finished ? "" : "did not ") +
           "finish" + (finished ? "ed" : "") + " sequencing this task\",\"Mouse / Touch Window\",\"3\",\"1\",\"0\"," +
           (finished ? "\"75%\"" : "?") + ",\"0 Hours, 0 Minutes, 30 Seconds \",\r\n";
}

const QByteArray kHeader =
    "Ann, , , , , , , , ,\r\n , , , , , , , , ,\r\n\"Task Time\",\"Task Title\",\"Task Status\",\"Access Method\","
    "\"Steps in Task\",\"Incorrect Moves\",\"Jumpstart Steps\",\"Percent Accuracy\",\"Task Time\",\r\n"
    " , , , , , , , , ,\r\n";

QStringList filesIn(const TestPlatform& platform) {
    return QDir(platform.folder.path()).entryList(QDir::Files, QDir::Name);
}

TEST(ResultsFiles, NoMoveAndTheTeacherWriteNothing) {
    TestPlatform platform;
    PendingResults pending;
    TaskResult noMove = task(QStringLiteral("Washing"), false);
    noMove.PictureMoves = 0;
    EXPECT_TRUE(recordResults(platform.folder.path(), noMove, pending).ok());
    TaskResult teacher = task(QStringLiteral("Washing"));
    teacher.student = QStringLiteral("teacher");
    EXPECT_TRUE(recordResults(platform.folder.path(), teacher, pending).ok());
    EXPECT_EQ(filesIn(platform), QStringList());
    EXPECT_TRUE(pending.isEmpty());
}

TEST(ResultsFiles, ThreeTasksNewestFirstWithTheScratchCopies) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("Ann.tmp"), "left over\r\n");
    PendingResults pending;
    const QString folder = platform.folder.path();

    ASSERT_TRUE(recordResults(folder, task(QStringLiteral("One")), pending).ok());
    // Nothing was there before the first record, so there is nothing to keep a copy of.
    EXPECT_EQ(filesIn(platform), (QStringList{QStringLiteral("Ann.csv"), QStringLiteral("Ann.sta")}));
    ASSERT_TRUE(recordResults(folder, task(QStringLiteral("Two, with a comma"), false), pending).ok());
    ASSERT_TRUE(recordResults(folder, task(QStringLiteral("Three")), pending).ok());

    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")),
              reportOf("Three") + reportOf("Two, with a comma", false) + reportOf("One"));
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.csv")),
              kHeader + rowOf("Three") + rowOf("Two, with a comma", false) + rowOf("One"));
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.tmp")), reportOf("Two, with a comma", false) + reportOf("One"));
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.tcv")), rowOf("Two, with a comma", false) + rowOf("One"));
    EXPECT_TRUE(pending.isEmpty());
}

TEST(ResultsFiles, OldFilesFromElsewhereKeepTheirRecordsAndGetTheHeaderAnew) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("Ann.sta"), "old record\nlast line without an end");
    platform.writeFile(QStringLiteral("Ann.csv"), "Anne,\r\nx\r\ny\r\nz\r\nold row,\rolder row,");
    PendingResults pending;
    ASSERT_TRUE(recordResults(platform.folder.path(), task(QStringLiteral("One")), pending).ok());
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")),
              reportOf("One") + "old record\nlast line without an end\r\n");
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.csv")), kHeader + rowOf("One") + "old row,\rolder row,\r\n");
}

TEST(ResultsFiles, ANameThatWouldLeaveTheFolderIsRefused) {
    TestPlatform platform;
    PendingResults pending;
    for (const char* name : {"../Ann", ".Ann", "a/b"}) {
        TaskResult r = task(QStringLiteral("One"));
        r.student = QString::fromLatin1(name);
        Status s = recordResults(platform.folder.path(), r, pending);
        EXPECT_FALSE(s.ok()) << name;
    }
    EXPECT_EQ(filesIn(platform), QStringList());
}

TEST(ResultsFiles, AFailedWriteKeepsTheRecordForTheNextTask) {
    TestPlatform platform;
    const QString folder = platform.folder.path();
    PendingResults pending;
    ASSERT_TRUE(recordResults(folder, task(QStringLiteral("One")), pending).ok());
    {
        HalfWritingFileSystem full;
        InstalledFileSystem installed(full);
        Status s = recordResults(folder, task(QStringLiteral("Two")), pending);
        ASSERT_FALSE(s.ok());
        EXPECT_TRUE(s.error().contains(platform.path(QStringLiteral("Ann.sta")))) << s.error().toStdString();
        EXPECT_TRUE(s.error().contains(platform.path(QStringLiteral("Ann.csv")))) << s.error().toStdString();
        // The record of the second task is not lost; the files are as they were.
        EXPECT_TRUE(pending.has(QStringLiteral("Ann")));
        EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")), reportOf("One"));
        EXPECT_EQ(platform.readFile(QStringLiteral("Ann.csv")), kHeader + rowOf("One"));
        // A third that fails as well goes in front of it.
        EXPECT_FALSE(recordResults(folder, task(QStringLiteral("Three")), pending).ok());
    }
    ASSERT_TRUE(recordResults(folder, task(QStringLiteral("Four")), pending).ok());
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")),
              reportOf("Four") + reportOf("Three") + reportOf("Two") + reportOf("One"));
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.csv")),
              kHeader + rowOf("Four") + rowOf("Three") + rowOf("Two") + rowOf("One"));
    EXPECT_TRUE(pending.isEmpty());
}

TEST(ResultsFiles, PendingRecordsCanBeWrittenWithoutANewTask) {
    TestPlatform platform;
    const QString folder = platform.folder.path();
    PendingResults pending;
    {
        HalfWritingFileSystem full;
        InstalledFileSystem installed(full);
        EXPECT_FALSE(recordResults(folder, task(QStringLiteral("One")), pending).ok());
        TaskResult bob = task(QStringLiteral("Bob's"));
        bob.student = QStringLiteral("Bob");
        EXPECT_FALSE(recordResults(folder, bob, pending).ok());
        EXPECT_FALSE(retryPendingResults(folder, pending).ok());
    }
    EXPECT_EQ(pending.students(), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}));
    pending.discard(QStringLiteral("Bob"));
    ASSERT_TRUE(retryPendingResults(folder, pending).ok());
    EXPECT_TRUE(pending.isEmpty());
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")), reportOf("One"));
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.csv")), kHeader + rowOf("One"));
    EXPECT_FALSE(platform.files.exists(platform.path(QStringLiteral("Bob.sta"))));
}

TEST(ResultsFiles, AReportThatCannotBeReadIsNotOverwritten) {
    TestPlatform platform;
    const QString folder = platform.folder.path();
    PendingResults pending;
    ASSERT_TRUE(recordResults(folder, task(QStringLiteral("One")), pending).ok());
    FailingChangeFileSystem files;
    files.unreadable = {platform.path(QStringLiteral("Ann.sta"))};
    {
        InstalledFileSystem installed(files);
        Status s = recordResults(folder, task(QStringLiteral("Two")), pending);
        ASSERT_FALSE(s.ok());
        EXPECT_TRUE(s.error().contains(platform.path(QStringLiteral("Ann.sta")))) << s.error().toStdString();
        // Trying again touches only the file that is behind.
        files.changed.clear();
        EXPECT_FALSE(retryPendingResults(folder, pending).ok());
        EXPECT_EQ(files.changed, QStringList());
    }
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")), reportOf("One"));
    // The spreadsheet was fine and has its row; only the report's record waits.
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.csv")), kHeader + rowOf("Two") + rowOf("One"));
    EXPECT_EQ(pending.of(QStringLiteral("Ann")), (PendingRecords{reportOf("Two"), QByteArray()}));

    ASSERT_TRUE(recordResults(folder, task(QStringLiteral("Three")), pending).ok());
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")), reportOf("Three") + reportOf("Two") + reportOf("One"));
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.csv")), kHeader + rowOf("Three") + rowOf("Two") + rowOf("One"));
}

// A recording with both files present changes four files: the two scratch copies, the report and
// the spreadsheet. Stopping at each of them, by a failure or by a crash, leaves every file either
// as it was or as it should be, and nothing is lost that the program still holds.
TEST(ResultsFiles, StoppedAtEachStepEveryFileIsOldOrNewAndComplete) {
    const QByteArray oldReport = reportOf("Two") + reportOf("One");
    const QByteArray oldCsv = kHeader + rowOf("Two") + rowOf("One");
    const QByteArray newReport = reportOf("Three") + oldReport;
    const QByteArray newCsv = kHeader + rowOf("Three") + rowOf("Two") + rowOf("One");
    for (const bool crash : {false, true}) {
        for (int step = 1; step <= 4; ++step) {
            SCOPED_TRACE((crash ? "crash at change " : "failure of change ") + std::to_string(step));
            TestPlatform platform;
            const QString folder = platform.folder.path();
            PendingResults pending;
            ASSERT_TRUE(recordResults(folder, task(QStringLiteral("One")), pending).ok());
            ASSERT_TRUE(recordResults(folder, task(QStringLiteral("Two")), pending).ok());

            FailingChangeFileSystem files;
            files.failAt = step;
            files.crash = crash;
            {
                InstalledFileSystem installed(files);
                EXPECT_FALSE(recordResults(folder, task(QStringLiteral("Three")), pending).ok());
            }
            ASSERT_EQ(files.changes, 4);
            EXPECT_EQ(
                files.changed,
                (QStringList{platform.path(QStringLiteral("Ann.tmp")), platform.path(QStringLiteral("Ann.tcv")),
                             platform.path(QStringLiteral("Ann.sta")), platform.path(QStringLiteral("Ann.csv"))}));
            const QByteArray report = platform.readFile(QStringLiteral("Ann.sta"));
            const QByteArray csv = platform.readFile(QStringLiteral("Ann.csv"));
            EXPECT_TRUE(report == oldReport || report == newReport) << report.toStdString();
            EXPECT_TRUE(csv == oldCsv || csv == newCsv) << csv.toStdString();
            const bool reportWritten = step != 3 && !(crash && step < 3);
            const bool csvWritten = step != 4 && !crash;
            EXPECT_EQ(report, reportWritten ? newReport : oldReport);
            EXPECT_EQ(csv, csvWritten ? newCsv : oldCsv);

            // A crash forgets what was pending; a failure keeps it for the next task.
            if (crash) pending = PendingResults();
            ASSERT_TRUE(recordResults(folder, task(QStringLiteral("Four")), pending).ok());
            const bool threeInReport = reportWritten || !crash;
            const bool threeInCsv = csvWritten || !crash;
            EXPECT_EQ(platform.readFile(QStringLiteral("Ann.sta")),
                      reportOf("Four") + (threeInReport ? reportOf("Three") : QByteArray()) + oldReport);
            EXPECT_EQ(
                platform.readFile(QStringLiteral("Ann.csv")),
                kHeader + rowOf("Four") + (threeInCsv ? rowOf("Three") : QByteArray()) + rowOf("Two") + rowOf("One"));
        }
    }
}

// The spreadsheet as a standard CSV reader (Python's csv module) reads it: every line gives ten
// fields, the tenth empty after the closing comma; on the task rows the nine others are filled,
// and titles with commas and quotes come back whole.
TEST(ResultsFiles, AStandardCsvReaderSeesNineFilledColumnsPerRow) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    TestPlatform platform;
    PendingResults pending;
    for (const char* title : {"Salt, pepper, and eggs", "He said \"hi\", then left", "\"Already quoted\""}) {
        const bool finished = std::string_view(title) != "\"Already quoted\"";
        ASSERT_TRUE(recordResults(platform.folder.path(), task(QString::fromLatin1(title), finished), pending).ok());
    }
    QProcess reader;
    reader.start(python, {QStringLiteral(STEPWICK_TEST_SCRIPTS_DIR "/read_spreadsheet.py"),
                          platform.path(QStringLiteral("Ann.csv"))});
    ASSERT_TRUE(reader.waitForFinished(60000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    ASSERT_EQ(rows.size(), 7);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonArray fields = rows[i].toArray();
        ASSERT_EQ(fields.size(), 10) << i;
        EXPECT_EQ(fields[9].toString(), QString()) << i;
        if (i < 4) continue;
        for (qsizetype f = 0; f < 9; ++f) EXPECT_FALSE(fields[f].toString().isEmpty()) << i << " " << f;
    }
    const auto field = [&rows](int row, int column) { return rows[row].toArray()[column].toString(); };
    EXPECT_EQ(field(0, 0), QStringLiteral("Ann"));
    EXPECT_EQ(field(2, 8), QStringLiteral("Task Time"));
    EXPECT_EQ(field(4, 1), QStringLiteral("Already quoted"));
    EXPECT_EQ(field(4, 7), QStringLiteral("?"));
    EXPECT_EQ(field(5, 1), QStringLiteral("He said \"hi\", then left"));
    EXPECT_EQ(field(5, 7), QStringLiteral("75%"));
    EXPECT_EQ(field(6, 1), QStringLiteral("Salt, pepper, and eggs"));
    EXPECT_EQ(field(6, 8), QStringLiteral("0 Hours, 0 Minutes, 30 Seconds "));
}

}  // namespace
