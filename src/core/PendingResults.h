#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

// Task results that could not be written to a student's report and spreadsheet yet, per student:
// kept in memory and written in front of the files' contents by the next recording of that
// student (or by retryPendingResults, activity/ResultsRecord.h).
struct PendingRecords {
    QByteArray reportLines;      // whole report records, newest first, with line ends
    QByteArray spreadsheetRows;  // rows, newest first, with line ends
    bool operator==(const PendingRecords&) const = default;
};

class PendingResults {
public:
    bool isEmpty() const { return students_.empty(); }
    bool has(const QString& student) const { return students_.count(student) != 0; }
    PendingRecords of(const QString& student) const;
    QStringList students() const;
    // A removed student's records must not bring the files back.
    void discard(const QString& student) { students_.erase(student); }

    void set(const QString& student, const PendingRecords& records);

private:
    std::map<QString, PendingRecords> students_;
};
