#pragma once

#include "platform/LocalFileSystem.h"
#include "platform/Services.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real file system, except that every replacing write (writeAtomic, copy) stops halfway:
// half the bytes reach the sibling file, which is left behind, and the write reports
// "No space left on device", as a full disk would.
class HalfWritingFileSystem : public LocalFileSystem {
public:
    Status writeAtomic(const QString& path, const QByteArray& data) override;
    Status copy(const QString& source, const QString& destination) override;

    QStringList failedWrites;  // the targets, in order
};

// The real file system, except that the change (writeAtomic, copy or remove) numbered failAt,
// counting from 1, fails: a write leaves half its bytes in a sibling file and reports a full disk,
// a removal removes nothing. With crash set the program counts as dead from there on: every later
// change fails too and nothing more reaches the disk. Reads of the paths in unreadable fail.
class FailingChangeFileSystem : public LocalFileSystem {
public:
    Result<QByteArray> readAll(const QString& path) override;
    Status writeAtomic(const QString& path, const QByteArray& data) override;
    Status remove(const QString& path) override;
    Status copy(const QString& source, const QString& destination) override;

    int failAt = 0;
    bool crash = false;
    QStringList unreadable;

    int changes = 0;            // changes asked for so far
    QStringList changed;        // their targets, in order
    QStringList failedChanges;  // the targets of those that failed

private:
    bool failsNow(const QString& target);
};

// Makes files the installed file system for its lifetime.
class InstalledFileSystem {
public:
    explicit InstalledFileSystem(FileSystem& files);
    ~InstalledFileSystem();
    InstalledFileSystem(const InstalledFileSystem&) = delete;
    InstalledFileSystem& operator=(const InstalledFileSystem&) = delete;

private:
    FileSystem* previous_;
};

// A real tmpfs of a few kilobytes mounted on a temporary folder, for writes that run out of
// space. Mounting needs the right to mount; without it mounted() is false and why() says so.
class TinyTmpfs {
public:
    explicit TinyTmpfs(int kibibytes = 64);
    ~TinyTmpfs();
    TinyTmpfs(const TinyTmpfs&) = delete;
    TinyTmpfs& operator=(const TinyTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    QString path() const { return dir_.path(); }

    // Writes a filler file until the file system has no room left.
    void fill() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};
