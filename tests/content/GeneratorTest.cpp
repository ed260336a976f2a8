// The generator itself: the same files on every run, and the Larkin edition on request.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "ContentFolder.h"

namespace {

QString generator() { return QStringLiteral(STEPWICK_BINARY_DIR "/tools/stepwick-content"); }

// Runs the generator into folder; returns its milliseconds, or -1 when it failed.
qint64 generate(const QString& folder, const QStringList& extra = {}) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(generator(), QStringList{folder} + extra);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << process.readAllStandardError().toStdString();
        return -1;
    }
    return timer.elapsed();
}

QStringList filesIn(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        names << it.fileName();
    }
    names.sort();
    return names;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Names of the files whose bytes differ between the two folders (both must hold the same names).
QStringList differing(const QString& a, const QString& b) {
    QStringList names;
    for (const QString& name : filesIn(a)) {
        if (bytesOf(QDir(a).filePath(name)) != bytesOf(QDir(b).filePath(name))) names << name;
    }
    return names;
}

TEST(Generator, MakesTheSameFilesAgainWithinAMinute) {
    QTemporaryDir again;
    const qint64 ms = generate(again.path());
    ASSERT_GE(ms, 0);
    EXPECT_LT(ms, 60000);
    EXPECT_EQ(filesIn(again.path()), filesIn(contentFolder()));
    EXPECT_EQ(differing(contentFolder(), again.path()), QStringList());
}

TEST(Generator, LarkinEditionDiffersOnlyInItsTypeAndVideoPrompt) {
    QTemporaryDir larkin;
    ASSERT_GE(generate(larkin.path(), {QStringLiteral("--edition"), QStringLiteral("2")}), 0);
    EXPECT_EQ(filesIn(larkin.path()), filesIn(contentFolder()));
    EXPECT_EQ(differing(contentFolder(), larkin.path()),
              (QStringList{QStringLiteral("aobj_prog_type.cfg"), QStringLiteral("aobj_video.wav"),
                           QStringLiteral("aobj_video.wav_bak")}));
    EXPECT_EQ(bytesOf(QDir(larkin.path()).filePath(QStringLiteral("aobj_prog_type.cfg"))), QByteArray(" 2 \r\n"));
}

TEST(Generator, RefusesAWrongEdition) {
    QTemporaryDir folder;
    QProcess process;
    process.start(generator(), {folder.path(), QStringLiteral("--edition"), QStringLiteral("3")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(filesIn(folder.path()).isEmpty());
}

}  // namespace
