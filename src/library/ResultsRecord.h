#pragma once

#include "core/PendingResults.h"
#include "core/Result.h"
#include "core/StudentOptions.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

// The student's result files in the data folder: the report "<name>.sta" (one record of ten or
// eleven lines per task) and the spreadsheet "<name>.csv" (four header lines, then one row per
// task). Both hold the newest task first. "<name>.tmp" and "<name>.tcv" are the scratch copies of
// the report and of the spreadsheet's rows as they were before the last recording.
//
// The texts of both files are data that spreadsheets and older copies of the program read; they
// are written in English whatever the language of the windows.

// One task as the result files record it. The caller measures the time on a monotonic clock.
struct TaskResult {
    QString student;            // file names are this name plus an extension
    QString TaskTitle;          // the task's title
    int StepCount = 0;          // N
    bool TaskFinished = false;  // solved (the reward follows), or left with Exit
    int IncorrectMoves = 0;
    int PictureMoves = 0;      // 0: nothing is recorded
    int AccessMethod = 0;      // 1..5
    int ScanInterval = 0;      // seconds, for timed scanning
    int jumpStartedSteps = 0;  // see jumpStartedSteps()
    double taskSeconds = 0.0;  // time spent on the task
    QString dateStamp;         // see dateStamp() / currentDateStamp()
};

// The date and time as the files stamp a record: month and day without leading zeros, a
// two-digit year, the hour on the 12-hour clock with two digits: "3/7/26 09:05 AM".
inline const QString kDateStampPattern = QStringLiteral("M/d/yy hh:mm AP");
QString dateStamp(const QDateTime& when);
// The stamp of now, from the platform clock.
QString currentDateStamp();

// A whole number with a comma between groups of three digits: 0 -> "0", 12345 -> "12,345".
QString groupThousands(std::int64_t value);

// "Step Scanning with 2 switches", ..., "Timed Scan: Scan set to 4 seconds", ...; empty for an
// access method the program does not know.
QString accessMethodText(int accessMethod, int scanInterval);

// The number of steps p = 1..stepCount that the computer places in advance in a task of
// stepCount steps.
int jumpStartedSteps(const StudentOptionsRecord& options, int stepCount);

// stepCount / (stepCount + incorrectMoves) in percent, rounded to the nearest integer with halves
// going to the even one (3 steps, 5 wrong: 37.5 -> 38).
int percentAccuracy(int stepCount, int incorrectMoves);

// "0 Hours, 1 Minutes, 5 Seconds " for 65 seconds (the trailing blank belongs to the text).
QString taskTimeText(double seconds);

// The lines of one report record, without line ends.
QStringList reportRecordLines(const TaskResult& result);

// The four header lines of the spreadsheet, without line ends.
QStringList spreadsheetHeaderLines(const QString& student);

// One spreadsheet field: the text in double quotes (a text already in quotes stays as it is); a
// double quote inside is doubled so that a comma after it does not split the field.
QString spreadsheetField(const QString& text);

// The spreadsheet row of one task, without its line end: nine fields, each followed by a comma.
QString spreadsheetRow(const TaskResult& result);

// Writes the task's record into the student's report and spreadsheet in folder, newest first,
// together with any of the student's records still pending. Nothing is written when no picture was
// moved or when the student is "teacher". Each file is replaced atomically, so that a crash leaves
// either the old or the new file; the scratch copies of the old contents are written first.
//
// A file that cannot be read or written gives an error naming it; what did not reach a file stays
// in pending (replacing what was pending for the student) and goes with the next recording.
Status recordResults(const QString& folder, const TaskResult& result, PendingResults& pending);

// Tries again to write every student's pending records; what still fails stays pending.
Status retryPendingResults(const QString& folder, PendingResults& pending);
