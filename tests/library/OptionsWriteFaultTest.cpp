#include "library/DefaultOptions.h"
#include "library/OptionsFile.h"

#include "FaultyFiles.h"
#include "TestPlatform.h"

#include "app/Globvars.h"

#include <gtest/gtest.h>

namespace {

StudentOptionsRecord changedOptions() {
    StudentOptionsRecord o = defaultStudentOptions();
    o.AccessMethod = 5;
    o.AnimationSpeed = 123456;
    o.JumpStart[4][2] = 1;
    return o;
}

TEST(OptionsWriteFault, AWriteThatStopsHalfwayLeavesTheOldFile) {
    TestPlatform platform;
    StudentOptions = defaultStudentOptions();
    ASSERT_TRUE(saveStudentOptions(QStringLiteral("Ann")).ok());
    const QByteArray before = platform.readFile(QStringLiteral("Ann.lgn"));

    HalfWritingFileSystem failing;
    InstalledFileSystem installed(failing);
    StudentOptions = changedOptions();
    Status saved = saveStudentOptions(QStringLiteral("Ann"));
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().contains(QStringLiteral("Ann.lgn"))) << saved.error().toStdString();
    EXPECT_EQ(failing.failedWrites, QStringList{platform.path(QStringLiteral("Ann.lgn"))});
    EXPECT_EQ(platform.readFile(QStringLiteral("Ann.lgn")), before);
}

TEST(OptionsWriteFault, ATeacherFileThatCannotBeMadeStillGivesTheDefaults) {
    TestPlatform platform;
    HalfWritingFileSystem failing;
    InstalledFileSystem installed(failing);
    Status loaded = loadStudentOptions(QStringLiteral("teacher"));
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().contains(QStringLiteral("teacher.lgn"))) << loaded.error().toStdString();
    EXPECT_EQ(StudentOptions, defaultStudentOptions());
}

TEST(OptionsWriteFault, AFullDiskLeavesTheOldFileByteForByte) {
    TestPlatform platform;
    TinyTmpfs disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.why().toStdString();
    AppFolder = disk.path();
    StudentOptions = defaultStudentOptions();
    ASSERT_TRUE(saveStudentOptions(QStringLiteral("Ann")).ok());
    QFile file(disk.path() + QStringLiteral("/Ann.lgn"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    disk.fill();
    StudentOptions = changedOptions();
    Status saved = saveStudentOptions(QStringLiteral("Ann"));
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().contains(QStringLiteral("Ann.lgn"))) << saved.error().toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();

    StudentOptions = {};
    ASSERT_TRUE(loadStudentOptions(QStringLiteral("Ann")).ok());
    EXPECT_EQ(StudentOptions, defaultStudentOptions());
}

}  // namespace
