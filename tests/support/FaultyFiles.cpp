#include "FaultyFiles.h"

#include <QFile>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

namespace {
Status writeHalf(const QString& target, const QByteArray& data) {
    QFile sibling(target + QStringLiteral(".part"));
    if (sibling.open(QIODevice::WriteOnly)) sibling.write(data.left(data.size() / 2));
    return Error{QStringLiteral("%1 cannot be written: No space left on device").arg(target)};
}
}  // namespace

Status HalfWritingFileSystem::writeAtomic(const QString& path, const QByteArray& data) {
    failedWrites.append(path);
    return writeHalf(path, data);
}

Status HalfWritingFileSystem::copy(const QString& source, const QString& destination) {
    auto data = readAll(source);
    if (!data) return Error{data.error()};
    failedWrites.append(destination);
    return writeHalf(destination, *data);
}

bool FailingChangeFileSystem::failsNow(const QString& target) {
    ++changes;
    changed.append(target);
    const bool fails = changes == failAt || (crash && failAt > 0 && changes > failAt);
    if (fails) failedChanges.append(target);
    return fails;
}

Result<QByteArray> FailingChangeFileSystem::readAll(const QString& path) {
    if (unreadable.contains(path)) return Error{QStringLiteral("%1 cannot be read: Permission denied").arg(path)};
    return LocalFileSystem::readAll(path);
}

Status FailingChangeFileSystem::writeAtomic(const QString& path, const QByteArray& data) {
    if (failsNow(path)) {
        // After a crash nothing at all is written any more.
        if (crash && changes > failAt)
            return Error{QStringLiteral("%1 cannot be written: the program has stopped").arg(path)};
        return writeHalf(path, data);
    }
    return LocalFileSystem::writeAtomic(path, data);
}

Status FailingChangeFileSystem::remove(const QString& path) {
    if (failsNow(path)) return Error{QStringLiteral("%1 cannot be removed").arg(path)};
    return LocalFileSystem::remove(path);
}

Status FailingChangeFileSystem::copy(const QString& source, const QString& destination) {
    if (failsNow(destination)) {
        auto data = readAll(source);
        if (!data) return Error{data.error()};
        return writeHalf(destination, *data);
    }
    return LocalFileSystem::copy(source, destination);
}

InstalledFileSystem::InstalledFileSystem(FileSystem& files) : previous_(platform::services().files) {
    Services s = platform::services();
    s.files = &files;
    platform::installServices(s);
}

InstalledFileSystem::~InstalledFileSystem() {
    Services s = platform::services();
    s.files = previous_;
    platform::installServices(s);
}

TinyTmpfs::TinyTmpfs(int kibibytes) {
    const QByteArray where = QFile::encodeName(dir_.path());
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) == 0) {
        mounted_ = true;
    } else {
        why_ = QStringLiteral("mounting a tmpfs is not permitted here (%1)")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
}

TinyTmpfs::~TinyTmpfs() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void TinyTmpfs::fill() const {
    QFile filler(dir_.path() + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(1024, 'x');
    while (filler.write(block) == block.size()) {
    }
    // Whatever room is left is smaller than a block; take it byte by byte.
    while (filler.write("x", 1) == 1) {
    }
}
