#include "library/Categories.h"
#include "library/FileCopy.h"
#include "library/PictureFile.h"
#include "library/ReviewWord.h"
#include "library/TaskFile.h"

#include "FaultyFiles.h"
#include "TestPlatform.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

TaskRecord sampleTask() {
    TaskRecord t;
    t.StepCount = 3;
    t.TaskTitle = QStringLiteral("Washing hands, a new version with a much longer title");
    t.TaskCategory = QStringLiteral("Hygiene");
    for (int s = 1; s <= 3; ++s) t.StepFileName[s] = QStringLiteral("generated_pic_%1.stp").arg(s);
    t.TaskId = QStringLiteral("222222222");
    return t;
}

StepRecord samplePicture() {
    return {QStringLiteral("Hygiene"), QStringLiteral("Soap, and a much longer description than before"),
            QStringLiteral("None"),    QStringLiteral("soap.jpg"),
            QStringLiteral("None"),    QStringLiteral("3")};
}

// Every writer of the library, each replacing a file that holds "old".
struct Writer {
    const char* file;
    std::function<Status()> write;
};

std::vector<Writer> writers() {
    return {
        {"t.tsk", [] { return writeTask(QStringLiteral("t.tsk"), sampleTask()); }},
        {"p.stp", [] { return writePicture(QStringLiteral("p.stp"), samplePicture()); }},
        {"aobj_categories.txt", [] { return saveCategory(QStringLiteral("Zoo animals and a long category")); }},
        {"aobj_review_word.txt", [] { return writeReviewWord(QStringLiteral("Let's look at it all again")); }},
        {"pic_3.wav",
         [] { return CopyFileQMX(AppFolder + QStringLiteral("/temp.wav"), AppFolder + QStringLiteral("/pic_3.wav")); }},
    };
}

QByteArray readAt(const QString& folder, const char* name) {
    QFile f(folder + u'/' + QString::fromUtf8(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAt(const QString& folder, const char* name, const QByteArray& bytes) {
    QFile f(folder + u'/' + QString::fromUtf8(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

const QByteArray kOld("Cooking\r\n");

TEST(WriteFault, AWriteThatStopsHalfwayLeavesTheOldFileAndIsReported) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("temp.wav"), QByteArray(5000, 'r'));
    HalfWritingFileSystem failing;
    InstalledFileSystem installed(failing);
    for (const Writer& w : writers()) {
        platform.writeFile(QString::fromUtf8(w.file), kOld);
        const Status s = w.write();
        ASSERT_FALSE(s.ok()) << w.file;
        EXPECT_TRUE(s.error().contains(QString::fromUtf8(w.file))) << s.error().toStdString();
        EXPECT_EQ(platform.readFile(QString::fromUtf8(w.file)), kOld) << w.file;
        EXPECT_EQ(failing.failedWrites.back(), platform.path(QString::fromUtf8(w.file)));
    }
    EXPECT_EQ(platform.messages.texts, QStringList{kFileTransferFailed});  // the copy says so
}

TEST(WriteFault, AFullDiskLeavesTheOldFileByteForByte) {
    TestPlatform platform;
    TinyTmpfs disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.why().toStdString();
    AppFolder = disk.path();
    writeAt(disk.path(), "temp.wav", QByteArray(8000, 'r'));
    for (const Writer& w : writers()) writeAt(disk.path(), w.file, kOld);
    disk.fill();
    for (const Writer& w : writers()) {
        const Status s = w.write();
        ASSERT_FALSE(s.ok()) << w.file;
        EXPECT_TRUE(s.error().contains(QString::fromUtf8(w.file))) << s.error().toStdString();
        EXPECT_EQ(readAt(disk.path(), w.file), kOld) << w.file;
    }
    EXPECT_EQ(platform.messages.texts, QStringList{kFileTransferFailed});
}

}  // namespace
