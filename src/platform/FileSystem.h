#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files and folders. Paths are absolute or relative to the working directory.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool exists(const QString& path) = 0;
    virtual bool isDirectory(const QString& path) = 0;

    // Bare names of the files in folder matching a wildcard pattern ("*.tsk"), sorted by name.
    virtual QStringList list(const QString& folder, const QString& pattern) = 0;

    virtual Result<QByteArray> readAll(const QString& path) = 0;

    // Replaces the file atomically: writes a sibling file, then renames it over the target, so
    // that a crash or a full disk leaves the old or the new file, never a mix.
    virtual Status writeAtomic(const QString& path, const QByteArray& data) = 0;

    virtual bool remove(const QString& path) = 0;

    // Replaces destination with a copy of source, atomically.
    virtual Status copy(const QString& source, const QString& destination) = 0;

    virtual QString currentDir() = 0;
    virtual bool setCurrentDir(const QString& path) = 0;
};
