#include "platform/LocalFileSystem.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Deleting a file and changing the working folder say what went wrong, naming the path.
TEST(LocalFileSystem, RemoveAndSetCurrentDirNameWhatFailed) {
    QTemporaryDir folder;
    LocalFileSystem files;
    const QString kept = folder.filePath(QStringLiteral("kept.txt"));
    QFile f(kept);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(files.remove(kept).ok());
    EXPECT_FALSE(QFile::exists(kept));

    const Status again = files.remove(kept);
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.error(), kept + QStringLiteral(" cannot be deleted: there is no such file."));

    const QString before = QDir::currentPath();
    const QString missing = folder.filePath(QStringLiteral("no such folder"));
    const Status moved = files.setCurrentDir(missing);
    ASSERT_FALSE(moved.ok());
    EXPECT_TRUE(moved.error().contains(missing)) << moved.error().toStdString();
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_TRUE(files.setCurrentDir(folder.path()).ok());
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    ASSERT_TRUE(files.setCurrentDir(before).ok());
}

}  // namespace
