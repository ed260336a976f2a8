#pragma once

#include "core/Result.h"
#include "core/StudentOptions.h"

#include <QByteArray>
#include <QString>

// A student's option file "<name>.lgn" in AppFolder: 85 lines, one number each, in the number
// format of the data files (" 2 ", "-1 "), CR LF after every line.
//   1..22   AccessMethod .. Reserved4, in the order of StudentOptionsRecord
//   23..76  JumpStart[N][p] for N = 2..10, p = 1..N: line 21 + N(N-1)/2 + p
//   77..85  StepFilter[N] for N = 2..10: line 75 + N
inline constexpr int kOptionLineCount = 85;

constexpr int jumpStartLine(int n, int p) { return 21 + n * (n - 1) / 2 + p; }
constexpr int stepFilterLine(int n) { return 75 + n; }

// The file name of a student's options: the name with its leading and trailing blanks removed,
// "teacher" when nothing is left, and ".lgn".
QString studentOptionsFileName(const QString& studentName);

// The 85 lines of a record.
QByteArray formatStudentOptions(const StudentOptionsRecord& options);

// A record from the bytes of an option file. Values are read as numbers (blanks around them are
// skipped; a comma also ends one), AnimationSpeed as 32-bit and every other value as 16-bit, and
// kept as read. Fewer than 85 values, a value that is not a number or one that does not fit is an
// error "line N: ..."; anything after the 85th value is ignored. JumpStart and StepFilter entries
// outside the stored ranges stay as they are in base.
Result<StudentOptionsRecord> parseStudentOptions(const QByteArray& bytes, StudentOptionsRecord base = {});

// Loads a student's options into StudentOptions. On an error StudentOptions is left as it was and
// the message names the file, the line and the problem. A missing "teacher.lgn" is created from
// the default options (if that write fails, the defaults are still loaded and the failure
// returned).
Status loadStudentOptions(const QString& studentName);

// Writes StudentOptions to the student's file, atomically; a failed write leaves the old file.
Status saveStudentOptions(const QString& studentName);
