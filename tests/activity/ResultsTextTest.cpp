#include "activity/ResultsRecord.h"

#include "QtPrinting.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

TEST(ResultsText, AccuracyRoundsHalvesToTheEvenPercent) {
    struct Case {
        int steps, wrong, percent;
    };
    const Case cases[] = {
        {4, 2, 67},                                         // 66.67
        {3, 5, 38},                                         // 37.5
        {5, 3, 62},                                         // 62.5
        {10, 6, 62},                                        // 62.5
        {6, 10, 38},                                        // 37.5
        {5, 0, 100},  {2, 2, 50}, {2, 1, 67}, {10, 1, 91},  // 90.9
        {2, 398, 0},                                        // 0.5
        {6, 394, 2},                                        // 1.5
        {2, 1198, 0},                                       // 0.1667
    };
    for (const Case& c : cases) {
        EXPECT_EQ(percentAccuracy(c.steps, c.wrong), c.percent) << c.steps << " steps, " << c.wrong << " wrong";
    }
}

TEST(ResultsText, TaskTimeInHoursMinutesAndSecondsWithTheTrailingBlank) {
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {65.0, "0 Hours, 1 Minutes, 5 Seconds "},   {65.99, "0 Hours, 1 Minutes, 5 Seconds "},
        {0.0, "0 Hours, 0 Minutes, 0 Seconds "},    {10799.9, "2 Hours, 59 Minutes, 59 Seconds "},
        {3600.0, "1 Hours, 0 Minutes, 0 Seconds "}, {4442400.0, "1,234 Hours, 0 Minutes, 0 Seconds "},
        {-5.0, "0 Hours, 0 Minutes, 0 Seconds "},
    };
    for (const Case& c : cases) EXPECT_EQ(taskTimeText(c.seconds), QString::fromLatin1(c.text)) << c.seconds;
}

TEST(ResultsText, AccessMethodTexts) {
    struct Case {
        int method, interval;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, "Step Scanning with 2 switches"},
        {2, 0, "Mouse / Touch Window"},
        {3, 4, "Timed Scan: Scan set to 4 seconds"},
        {3, 1500, "Timed Scan: Scan set to 1,500 seconds"},
        {3, 32767, "Timed Scan: Scan set to 32,767 seconds"},
        {3, 0, "Timed Scan: Scan set to 0 seconds"},
        {4, 0, "Drag and Drop with a mouse"},
        {5, 0, "Mouse click to pick up the picture, second mouse click to place the picture"},
        {0, 0, ""},
        {6, 3, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(accessMethodText(c.method, c.interval), QString::fromLatin1(c.text)) << c.method << "/" << c.interval;
    }
}

TEST(ResultsText, ThousandsSeparators) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {-1500, "-1,500"},
        {-999, "-999"},
        {std::numeric_limits<std::int64_t>::min(), "-9,223,372,036,854,775,808"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(groupThousands(value), QString::fromLatin1(text)) << value;
}

TEST(ResultsText, DateStampOnTheTwelveHourClock) {
    const std::pair<QDateTime, const char*> cases[] = {
        {QDateTime(QDate(2026, 3, 7), QTime(9, 5)), "3/7/26 09:05 AM"},
        {QDateTime(QDate(2026, 12, 25), QTime(0, 0)), "12/25/26 12:00 AM"},
        {QDateTime(QDate(2026, 12, 25), QTime(12, 0)), "12/25/26 12:00 PM"},
        {QDateTime(QDate(2009, 10, 1), QTime(13, 30, 59)), "10/1/09 01:30 PM"},
        {QDateTime(QDate(2026, 1, 31), QTime(23, 59)), "1/31/26 11:59 PM"},
    };
    for (const auto& [when, text] : cases) EXPECT_EQ(dateStamp(when), QString::fromLatin1(text));
}

TEST(ResultsText, JumpStartedStepsCountOnlyTheTaskLength) {
    StudentOptionsRecord o;
    o.JumpStart[4][1] = 1;
    o.JumpStart[4][4] = 1;
    o.JumpStart[4][2] = 2;  // not a setting
    o.JumpStart[5][1] = 1;
    EXPECT_EQ(jumpStartedSteps(o, 4), 2);
    EXPECT_EQ(jumpStartedSteps(o, 5), 1);
    EXPECT_EQ(jumpStartedSteps(o, 3), 0);
    EXPECT_EQ(jumpStartedSteps(o, 11), 0);
}

TaskResult finishedTask() {
    TaskResult r;
    r.student = QStringLiteral("Ann");
    r.TaskTitle = QStringLiteral("Brushing Teeth");
    r.StepCount = 4;
    r.TaskFinished = true;
    r.IncorrectMoves = 2;
    r.PictureMoves = 6;
    r.AccessMethod = 3;
    r.ScanInterval = 4;
    r.jumpStartedSteps = 1;
    r.taskSeconds = 65.4;
    r.dateStamp = QStringLiteral("3/7/26 09:05 AM");
    return r;
}

TEST(ResultsText, AFinishedTaskGivesTenReportLines) {
    const QStringList expected{
        QStringLiteral("================================================="),
        QStringLiteral("3/7/26 09:05 AM"),
        QStringLiteral("Task: Brushing Teeth"),
        QStringLiteral("The student finished sequencing this task"),
        QStringLiteral("Access Method: Timed Scan: Scan set to 4 seconds"),
        QStringLiteral("Steps in Task: 4"),
        QStringLiteral("Number of Incorrect Picture Moves: 2"),
        QStringLiteral("Number of jump started steps: 1"),
        QStringLiteral("Percent Accuracy: 67%"),
        QStringLiteral("Task Time = 0 Hours, 1 Minutes, 5 Seconds "),
    };
    EXPECT_EQ(reportRecordLines(finishedTask()), expected);
    EXPECT_EQ(expected[0].size(), 49);
}

TEST(ResultsText, AnUnfinishedTaskHasNoAccuracyAndZerosWrittenOut) {
    TaskResult r = finishedTask();
    r.TaskFinished = false;
    r.IncorrectMoves = 0;
    r.jumpStartedSteps = 0;
    r.AccessMethod = 2;
    const QStringList expected{
        QStringLiteral("================================================="),
        QStringLiteral("3/7/26 09:05 AM"),
        QStringLiteral("Task: Brushing Teeth"),
        QStringLiteral("The student did not finish sequencing this task"),
        QStringLiteral("Access Method: Mouse / Touch Window"),
        QStringLiteral("Steps in Task: 4"),
        QStringLiteral("Number of Incorrect Picture Moves: 0"),
        QStringLiteral("Number of jump started steps: 0"),
        QStringLiteral("Task Time = 0 Hours, 1 Minutes, 5 Seconds "),
    };
    EXPECT_EQ(reportRecordLines(r), expected);
    EXPECT_EQ(spreadsheetRow(r), QStringLiteral("\"3/7/26 09:05 AM\",\"Brushing Teeth\",\"The student did not finish "
                                                "sequencing this task\",\"Mouse / Touch Window\",\"4\",\"0\",\"0\",?,"
                                                "\"0 Hours, 1 Minutes, 5 Seconds \","));
}

TEST(ResultsText, SpreadsheetRowAndHeader) {
    EXPECT_EQ(spreadsheetRow(finishedTask()),
              QStringLiteral("\"3/7/26 09:05 AM\",\"Brushing Teeth\",\"The student finished sequencing this task\","
                             "\"Timed Scan: Scan set to 4 seconds\",\"4\",\"2\",\"1\",\"67%\","
                             "\"0 Hours, 1 Minutes, 5 Seconds \","));
    const QStringList header{
        QStringLiteral("Ann, , , , , , , , ,"),
        QStringLiteral(" , , , , , , , , ,"),
        QStringLiteral("\"Task Time\",\"Task Title\",\"Task Status\",\"Access Method\",\"Steps in Task\","
                       "\"Incorrect Moves\",\"Jumpstart Steps\",\"Percent Accuracy\",\"Task Time\","),
        QStringLiteral(" , , , , , , , , ,"),
    };
    EXPECT_EQ(spreadsheetHeaderLines(QStringLiteral("Ann")), header);
}

TEST(ResultsText, TitlesStayOneSpreadsheetField) {
    const std::pair<const char*, const char*> cases[] = {
        {"Salt, pepper, and eggs", "\"Salt, pepper, and eggs\""},
        {"\"Already quoted, too\"", "\"Already quoted, too\""},
        {"\"Half quoted", "\"Half quoted\""},
        {"Half quoted\"", "\"Half quoted\""},
        {"He said \"hi\", then left", "\"He said \"\"hi\"\", then left\""},
        {"\"Big\" jobs, first", "\"Big\"\" jobs, first\""},
        {"", "\"\""},
        {"\"", "\"\""},
    };
    for (const auto& [title, field] : cases) {
        EXPECT_EQ(spreadsheetField(QString::fromLatin1(title)), QString::fromLatin1(field)) << title;
    }
    TaskResult r = finishedTask();
    r.TaskTitle = QStringLiteral("Salt, pepper, and eggs");
    EXPECT_TRUE(spreadsheetRow(r).startsWith(QStringLiteral("\"3/7/26 09:05 AM\",\"Salt, pepper, and eggs\",\"The")));
}

}  // namespace
