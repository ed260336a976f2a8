#include "library/ResultsRecord.h"

#include "core/TextFormat.h"
#include "platform/Services.h"

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <optional>

namespace {

const QString kTeacher = QStringLiteral("teacher");
constexpr int kSpreadsheetHeaderLines = 4;
constexpr int kSpreadsheetColumns = 9;

QString tr(const char* text) { return QCoreApplication::translate("ResultsRecord", text); }

QString statusSentence(bool finished) {
    return finished ? QStringLiteral("The student finished sequencing this task")
                    : QStringLiteral("The student did not finish sequencing this task");
}

QByteArray withLineEnds(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) out += textLine(line);
    return out;
}

// The bytes after the first count lines (a line ends at CR LF, LF or a lone CR).
QByteArray afterLines(const QByteArray& bytes, int count) {
    qsizetype pos = 0;
    for (int line = 0; line < count && pos < bytes.size(); ++line) {
        while (pos < bytes.size() && bytes[pos] != '\r' && bytes[pos] != '\n') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return bytes.mid(pos);
}

// Old contents go after the new lines; a last line without its line end gets one.
QByteArray asLines(QByteArray bytes) {
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += kCrLf;
    return bytes;
}

// A name that would put the files outside the folder or make them hidden.
bool isUnsafeName(const QString& student) {
    return student.contains(u'/') || student.contains(u'\\') || student.contains(QChar(0)) || student.startsWith(u'.');
}

struct ResultPaths {
    QString report, spreadsheet, reportCopy, rowsCopy;
};

ResultPaths resultPaths(const QString& folder, const QString& student) {
    const QString base = folder + u'/' + student;
    return {base + QStringLiteral(".sta"), base + QStringLiteral(".csv"), base + QStringLiteral(".tmp"),
            base + QStringLiteral(".tcv")};
}

// The file's bytes, empty when it does not exist.
Result<QByteArray> readIfExists(const QString& path) {
    FileSystem& files = platform::files();
    if (!files.exists(path)) return QByteArray();
    return files.readAll(path);
}

// Writes a scratch copy of old contents, or removes the copy when there were none.
Status writeScratchCopy(const QString& path, bool existed, const QByteArray& contents) {
    FileSystem& files = platform::files();
    if (!existed) {
        if (files.exists(path) && !files.remove(path)) {
            return Error{tr(QT_TRANSLATE_NOOP("ResultsRecord", "The backup copy %1 could not be removed.")).arg(path)};
        }
        return {};
    }
    if (Status s = files.writeAtomic(path, contents); !s) {
        return Error{
            tr(QT_TRANSLATE_NOOP("ResultsRecord",
                                 "The backup copy could not be made (%1); the results themselves are not affected."))
                .arg(s.error())};
    }
    return {};
}

// One result file: the new lines in front of its old records.
struct ResultFile {
    QString path;
    QString scratchPath;
    QByteArray header;    // written anew each time
    int oldHeaderLines;   // lines of the old file not carried over
    QByteArray newLines;  // the new record (and those pending), newest first
};

QString keptMessage(const QString& why) {
    return tr(QT_TRANSLATE_NOOP("ResultsRecord",
                                "The results could not be saved (%1). They are kept and saved with the next task."))
        .arg(why);
}

// Writes both files and returns what could not be written, which the caller keeps pending.
Status writeResultFiles(std::array<ResultFile, 2>& files, PendingRecords& notWritten) {
    QStringList problems;
    std::array<std::optional<QByteArray>, 2> old;  // the old records, when they could be read
    std::array<bool, 2> existed{};
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].newLines.isEmpty()) continue;  // nothing to add: the file stays as it is
        existed[i] = platform::files().exists(files[i].path);
        auto bytes = readIfExists(files[i].path);
        if (!bytes) {
            problems.append(keptMessage(bytes.error()));
            continue;
        }
        old[i] = asLines(afterLines(*bytes, files[i].oldHeaderLines));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!old[i]) continue;
        if (Status s = writeScratchCopy(files[i].scratchPath, existed[i], *old[i]); !s) problems.append(s.error());
    }
    std::array<bool, 2> written{};
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!old[i]) continue;
        Status s = platform::files().writeAtomic(files[i].path, files[i].header + files[i].newLines + *old[i]);
        if (s) {
            written[i] = true;
        } else {
            problems.append(keptMessage(s.error()));
        }
    }
    notWritten.reportLines = written[0] ? QByteArray() : files[0].newLines;
    notWritten.spreadsheetRows = written[1] ? QByteArray() : files[1].newLines;
    if (problems.isEmpty()) return {};
    return Error{problems.join(u'\n')};
}

Status writeWithPending(const QString& folder, const QString& student, const QByteArray& report, const QByteArray& row,
                        PendingResults& pending) {
    if (isUnsafeName(student)) {
        return Error{tr(QT_TRANSLATE_NOOP("ResultsRecord",
                                          "The results of \"%1\" cannot be saved: the name cannot be used for a file."))
                         .arg(student)};
    }
    const PendingRecords before = pending.of(student);
    const ResultPaths paths = resultPaths(folder, student);
    std::array<ResultFile, 2> files{{
        {paths.report, paths.reportCopy, QByteArray(), 0, report + before.reportLines},
        {paths.spreadsheet, paths.rowsCopy, withLineEnds(spreadsheetHeaderLines(student)), kSpreadsheetHeaderLines,
         row + before.spreadsheetRows},
    }};
    PendingRecords notWritten;
    Status status = writeResultFiles(files, notWritten);
    pending.set(student, notWritten);
    return status;
}

}  // namespace

QString dateStamp(const QDateTime& when) { return when.toString(kDateStampPattern); }

QString currentDateStamp() { return platform::clock().formatNow(kDateStampPattern); }

QString groupThousands(std::int64_t value) {
    const bool negative = value < 0;
    // Digits of the magnitude, taken from the unsigned value so that the smallest number works.
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    QString digits = QString::number(magnitude);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, u',');
    return negative ? QString(u'-' + digits) : digits;
}

QString accessMethodText(int accessMethod, int scanInterval) {
    switch (accessMethod) {
        case 1:
            return QStringLiteral("Step Scanning with 2 switches");
        case 2:
            return QStringLiteral("Mouse / Touch Window");
        case 3:
            return QStringLiteral("Timed Scan: Scan set to ") + groupThousands(scanInterval) +
                   QStringLiteral(" seconds");
        case 4:
            return QStringLiteral("Drag and Drop with a mouse");
        case 5:
            return QStringLiteral("Mouse click to pick up the picture, second mouse click to place the picture");
        default:
            return {};
    }
}

int jumpStartedSteps(const StudentOptionsRecord& options, int stepCount) {
    if (stepCount < 0 || stepCount >= static_cast<int>(options.JumpStart.size())) return 0;
    int count = 0;
    for (int p = 1; p <= stepCount; ++p) count += options.JumpStart[stepCount][p] == 1 ? 1 : 0;
    return count;
}

int percentAccuracy(int stepCount, int incorrectMoves) {
    const double placements = static_cast<double>(stepCount) + incorrectMoves;
    if (placements <= 0) return 0;
    return static_cast<int>(roundHalfEven(stepCount / placements * 100.0));
}

QString taskTimeText(double seconds) {
    const double whole = std::isfinite(seconds) ? std::floor(seconds) : 0.0;
    const auto e = static_cast<std::int64_t>(std::max(whole, 0.0));
    const std::int64_t hours = e / 3600;
    const std::int64_t minutes = (e % 3600) / 60;
    const std::int64_t secs = e % 60;
    return groupThousands(hours) + QStringLiteral(" Hours, ") + groupThousands(minutes) + QStringLiteral(" Minutes, ") +
           groupThousands(secs) + QStringLiteral(" Seconds ");
}

QStringList reportRecordLines(const TaskResult& r) {
    QStringList lines{
        QString(49, u'='),
        r.dateStamp,
        QStringLiteral("Task: ") + r.TaskTitle,
        statusSentence(r.TaskFinished),
        QStringLiteral("Access Method: ") + accessMethodText(r.AccessMethod, r.ScanInterval),
        QStringLiteral("Steps in Task: ") + QString::number(r.StepCount),
        QStringLiteral("Number of Incorrect Picture Moves: ") + QString::number(r.IncorrectMoves),
        QStringLiteral("Number of jump started steps: ") + QString::number(r.jumpStartedSteps),
    };
    if (r.TaskFinished) {
        lines.append(QStringLiteral("Percent Accuracy: ") +
                     QString::number(percentAccuracy(r.StepCount, r.IncorrectMoves)) + u'%');
    }
    lines.append(QStringLiteral("Task Time = ") + taskTimeText(r.taskSeconds));
    return lines;
}

QStringList spreadsheetHeaderLines(const QString& student) {
    const QString blanks = QStringLiteral(" ,").repeated(kSpreadsheetColumns);
    QString titles;
    for (const char* title : {"Task Time", "Task Title", "Task Status", "Access Method", "Steps in Task",
                              "Incorrect Moves", "Jumpstart Steps", "Percent Accuracy", "Task Time"}) {
        titles += quoteText(QString::fromLatin1(title)) + u',';
    }
    return {student + u',' + QStringLiteral(" ,").repeated(kSpreadsheetColumns - 1), blanks, titles, blanks};
}

QString spreadsheetField(const QString& text) {
    const QString quoted = quoteText(text);
    const QString inner = quoted.mid(1, quoted.size() - 2);
    if (!inner.contains(u'"')) return quoted;
    QString escaped = inner;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString spreadsheetRow(const TaskResult& r) {
    const QStringList fields{
        spreadsheetField(r.dateStamp),
        spreadsheetField(r.TaskTitle),
        spreadsheetField(statusSentence(r.TaskFinished)),
        spreadsheetField(accessMethodText(r.AccessMethod, r.ScanInterval)),
        spreadsheetField(QString::number(r.StepCount)),
        spreadsheetField(QString::number(r.IncorrectMoves)),
        spreadsheetField(QString::number(r.jumpStartedSteps)),
        r.TaskFinished ? spreadsheetField(QString::number(percentAccuracy(r.StepCount, r.IncorrectMoves)) + u'%')
                       : QStringLiteral("?"),
        spreadsheetField(taskTimeText(r.taskSeconds)),
    };
    QString row;
    for (const QString& field : fields) row += field + u',';
    return row;
}

Status recordResults(const QString& folder, const TaskResult& result, PendingResults& pending) {
    if (result.PictureMoves == 0) return {};
    if (result.student == kTeacher || result.student.isEmpty()) return {};
    return writeWithPending(folder, result.student, withLineEnds(reportRecordLines(result)),
                            textLine(spreadsheetRow(result)), pending);
}

Status retryPendingResults(const QString& folder, PendingResults& pending) {
    QStringList problems;
    for (const QString& student : pending.students()) {
        if (Status s = writeWithPending(folder, student, QByteArray(), QByteArray(), pending); !s) {
            problems.append(s.error());
        }
    }
    if (problems.isEmpty()) return {};
    return Error{problems.join(u'\n')};
}
