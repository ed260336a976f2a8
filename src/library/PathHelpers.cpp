#include "library/PathHelpers.h"

#include "app/Globvars.h"

bool isNone(const QString& value) { return value.isEmpty() || value == kNone; }

QString noneIfEmpty(const QString& value) { return value.isEmpty() ? kNone : value; }

QString insertPath(const QString& name) {
    if (isNone(name)) return name;
    // Only a name without any separator is bare. A name that starts with the separator is an
    // absolute path here, so it is used as it stands.
    if (!name.contains(kPathSeparator)) return AppFolder + kPathSeparator + name;
    return name;
}

QString getPath(const QString& path) {
    const qsizetype last = path.lastIndexOf(kPathSeparator);
    return last <= 0 ? QString() : path.left(last);
}

QString getFileName(const QString& path) {
    const qsizetype last = path.lastIndexOf(kPathSeparator);
    return last < 0 ? QString() : path.mid(last + 1);
}

QString getDrive(const QString& path) {
    const qsizetype first = path.indexOf(kPathSeparator);
    return first < 0 ? QString() : path.left(first + 1);
}

QString toStoredName(const QString& path) {
    if (isNone(path)) return path;
    return getPath(path) == AppFolder ? getFileName(path) : path;
}
