#include "platform/LocalFileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

bool LocalFileSystem::exists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

bool LocalFileSystem::isDirectory(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

QStringList LocalFileSystem::list(const QString& folder, const QString& pattern) {
    // Name filters match regardless of case, so "Wash.TSK" copied from another computer counts.
    QStringList names = QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    // Exact order, code unit by code unit.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseSensitive) < 0; });
    return names;
}

Result<QByteArray> LocalFileSystem::readAll(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return Error{QCoreApplication::translate("LocalFileSystem", "%1 does not exist").arg(path)};
    if (!file.open(QIODevice::ReadOnly)) {
        return Error{
            QCoreApplication::translate("LocalFileSystem", "%1 cannot be read: %2").arg(path, file.errorString())};
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Error{
            QCoreApplication::translate("LocalFileSystem", "%1 cannot be read: %2").arg(path, file.errorString())};
    }
    return data;
}

Status LocalFileSystem::writeAtomic(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Error{
            QCoreApplication::translate("LocalFileSystem", "%1 cannot be written: %2").arg(path, file.errorString())};
    }
    // QSaveFile::commit() does not notice a failed flush of its buffer (a full disk) and would
    // rename an empty sibling over the target, so flush first and check.
    if (file.write(data) != data.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Error{QCoreApplication::translate("LocalFileSystem", "%1 cannot be written: %2").arg(path, why)};
    }
    if (!file.commit()) {
        return Error{
            QCoreApplication::translate("LocalFileSystem", "%1 cannot be written: %2").arg(path, file.errorString())};
    }
    return {};
}

Status LocalFileSystem::remove(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return Error{
            QCoreApplication::translate("LocalFileSystem", "%1 cannot be deleted: there is no such file.").arg(path)};
    if (!file.remove())
        return Error{
            QCoreApplication::translate("LocalFileSystem", "%1 cannot be deleted: %2").arg(path, file.errorString())};
    return {};
}

Status LocalFileSystem::copy(const QString& source, const QString& destination) {
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly)) {
        return Error{QCoreApplication::translate("LocalFileSystem", "%1 cannot be read").arg(source)};
    }
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        return Error{QCoreApplication::translate("LocalFileSystem", "%1 cannot be written: %2")
                         .arg(destination, out.errorString())};
    }
    constexpr qint64 kChunk = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return Error{
                QCoreApplication::translate("LocalFileSystem", "%1 cannot be read: %2").arg(source, in.errorString())};
        }
        if (out.write(chunk) != chunk.size()) {
            const QString why = out.errorString();
            out.cancelWriting();
            return Error{
                QCoreApplication::translate("LocalFileSystem", "%1 cannot be written: %2").arg(destination, why)};
        }
    }
    if (!out.flush()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return Error{QCoreApplication::translate("LocalFileSystem", "%1 cannot be written: %2").arg(destination, why)};
    }
    if (!out.commit()) {
        return Error{QCoreApplication::translate("LocalFileSystem", "%1 cannot be written: %2")
                         .arg(destination, out.errorString())};
    }
    return {};
}

QString LocalFileSystem::currentDir() { return QDir::currentPath(); }

Status LocalFileSystem::setCurrentDir(const QString& path) {
    if (QDir::setCurrent(path)) return {};
    return Error{
        QCoreApplication::translate("LocalFileSystem", "The folder %1 cannot be made the working folder.").arg(path)};
}
