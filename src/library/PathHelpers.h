#pragma once

#include <QString>

// Stored file names. A name without a separator is a bare name: the file of that name in
// AppFolder. Any other name is a path and is used unchanged. "None" (or an empty text) stands
// for an absent file.

// The separator of stored paths.
inline constexpr QChar kPathSeparator = u'/';

// The text that stands for an absent optional value.
inline const QString kNone = QStringLiteral("None");

// True for "None" and for the empty text, which every reader takes alike.
bool isNone(const QString& value);

// The value as a writer stores it: an empty text becomes "None".
QString noneIfEmpty(const QString& value);

// The name made absolute: a bare name gets AppFolder in front; "None", the empty text and paths
// (anything holding a separator) stay as they are.
QString insertPath(const QString& name);

// The folder part of a path without its final separator; empty for a bare name and for a name
// whose only separator is its first character.
QString getPath(const QString& path);

// The part after the last separator; empty when there is no separator (a bare name).
QString getFileName(const QString& path);

// Everything up to and including the first separator; empty when there is none.
QString getDrive(const QString& path);

// The name to store for a file: the bare name when the file lies directly in AppFolder (exact
// comparison of the folder), the path unchanged otherwise. "None" stays "None".
QString toStoredName(const QString& path);
