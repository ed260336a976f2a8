#pragma once

#include <QString>
#include <QStringList>

// Student names: a student exists when "<name>.lgn" exists in the data folder.

// The empty text for a name that may be given to a student, otherwise what is wrong with it:
// "An entry is required", "A valid entry cannot start with a space", "A valid entry cannot end
// with a space", "A valid entry can only contain letters, numbers, spaces, single quotes or
// underscores" (checked in that order). Only A-Z, a-z, 0-9, the blank, the underscore and the
// single quote are allowed.
QString validateStudentName(const QString& name);

// validateStudentName, then "A student by this name exists already, please enter a new name" when
// the name equals one of existing without regard to letter case (so TEACHER is refused while
// "teacher" exists, as on a file system that ignores case).
QString checkNewStudentName(const QString& name, const QStringList& existing);

// The roster from the names of the option files: each name without ".lgn", sorted alphabetically
// without regard to letter case (names that differ only in case: capitals first). Files whose
// name does not end in exactly ".lgn", or that have nothing before it, name no student.
QStringList rosterNames(const QStringList& optionFileNames);
