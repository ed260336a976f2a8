#pragma once

#include "platform/FileSystem.h"

// The computer's own file system.
class LocalFileSystem : public FileSystem {
public:
    bool exists(const QString& path) override;
    bool isDirectory(const QString& path) override;
    QStringList list(const QString& folder, const QString& pattern) override;
    Result<QByteArray> readAll(const QString& path) override;
    Status writeAtomic(const QString& path, const QByteArray& data) override;
    Status remove(const QString& path) override;
    Status copy(const QString& source, const QString& destination) override;
    QString currentDir() override;
    Status setCurrentDir(const QString& path) override;
};
