#include "library/FileCopy.h"
#include "library/FileIds.h"
#include "library/LibraryChecks.h"
#include "library/PictureFile.h"
#include "library/ReviewWord.h"
#include "library/TaskFile.h"

#include "TestPlatform.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TaskRecord task(const char* title, const char* category, std::int16_t steps, QStringList pictures = {}) {
    TaskRecord t;
    t.StepCount = steps;
    t.TaskTitle = QString::fromUtf8(title);
    t.TaskCategory = QString::fromUtf8(category);
    for (int s = 1; s <= steps; ++s) {
        t.StepFileName[s] = s <= pictures.size() ? pictures[s - 1] : QStringLiteral("other_%1.stp").arg(s);
    }
    t.TaskId = QStringLiteral("111111111");
    return t;
}

TEST(LibraryChecks, DuplicateTasks) {
    TestPlatform platform;
    ASSERT_TRUE(writeTask(QStringLiteral("generated_task_1.tsk"), task("Making tea", "Cooking", 4)).ok());
    const struct {
        const char* name;
        const char* own;
        const char* category;
        const char* title;
        std::int16_t count;
        bool duplicate;
    } cases[] = {
        {"same title, category and count", "generated_task_2.tsk", "Cooking", "Making tea", 4, true},
        {"re-saved under its own name", "generated_task_1.tsk", "Cooking", "Making tea", 4, false},
        {"own name as a full path", "", "Cooking", "Making tea", 4, false},
        {"other step count", "generated_task_2.tsk", "Cooking", "Making tea", 5, false},
        {"other category", "generated_task_2.tsk", "Drinks", "Making tea", 4, false},
        {"category in other case", "generated_task_2.tsk", "cooking", "Making tea", 4, false},
        {"other title", "generated_task_2.tsk", "Cooking", "Making coffee", 4, false},
    };
    for (const auto& c : cases) {
        const QString own = *c.own ? QString::fromUtf8(c.own) : platform.path(QStringLiteral("generated_task_1.tsk"));
        EXPECT_EQ(findDuplicateTask(own, QString::fromUtf8(c.category), QString::fromUtf8(c.title), c.count), c.duplicate)
            << c.name;
    }
    platform.writeFile(QStringLiteral("broken.tsk"), "eleven\r\n");  // unreadable files are passed over
    EXPECT_TRUE(findDuplicateTask(QStringLiteral("new.tsk"), QStringLiteral("Cooking"), QStringLiteral("Making tea"), 4));
}

TEST(LibraryChecks, DuplicatePictures) {
    TestPlatform platform;
    const StepRecord zip{QStringLiteral("Hygiene"), QStringLiteral("Zipper"), QStringLiteral("None"),
                         QStringLiteral("z.jpg"),   QStringLiteral("None"),   QStringLiteral("5")};
    ASSERT_TRUE(writePicture(QStringLiteral("generated_pic_5.stp"), zip).ok());
    EXPECT_TRUE(findDuplicatePicture(QStringLiteral("generated_pic_6.stp"), QStringLiteral("Hygiene"), QStringLiteral("Zipper")));
    EXPECT_FALSE(findDuplicatePicture(QStringLiteral("generated_pic_5.stp"), QStringLiteral("Hygiene"), QStringLiteral("Zipper")));
    EXPECT_FALSE(findDuplicatePicture(QStringLiteral("generated_pic_6.stp"), QStringLiteral("Dressing"), QStringLiteral("Zipper")));
    EXPECT_FALSE(findDuplicatePicture(QStringLiteral("generated_pic_6.stp"), QStringLiteral("Hygiene"), QStringLiteral("zipper")));
}

TEST(LibraryChecks, APictureListedByAnyTaskIsInUse) {
    TestPlatform platform;
    ASSERT_TRUE(writeTask(QStringLiteral("a.tsk"), task("A", "X", 3, {"p1.stp", "p2.stp", "p3.stp"})).ok());
    ASSERT_TRUE(writeTask(QStringLiteral("b.tsk"), task("B", "X", 10, {"q1.stp"})).ok());
    for (const char* used : {"p1.stp", "p3.stp", "q1.stp", "other_10.stp"}) {
        EXPECT_TRUE(isPictureInUse(QString::fromUtf8(used))) << used;
    }
    EXPECT_TRUE(isPictureInUse(platform.path(QStringLiteral("p2.stp"))));
    // Exact comparison; titles and categories are not step lines.
    for (const char* unused : {"P1.stp", "p4.stp", "A", "X", "111111111", "None"}) {
        EXPECT_FALSE(isPictureInUse(QString::fromUtf8(unused))) << unused;
    }
}

// The use check and the activity read the same step lines the same way: a picture counts as used
// exactly when a task would load it.
TEST(LibraryChecks, APictureIsInUseWhenTheActivityWouldLoadIt) {
    TestPlatform platform;
    const QString picture = QStringLiteral("p1.stp");
    const struct {
        const char* stepLine;  // the first of two step lines; the second is "other.stp"
        bool loaded;
    } cases[] = {
        {"p1.stp", true},
        {"p1.stp ", true},  // a blank left behind by a hand edit
        {"  p1.stp\t", true},
        {"\"p1.stp\"", true},
        {"\"p1.stp\" (the toast)", true},
        {"p1.stp,", true},
        {"P1.stp", false},
        {"p1.stp2", false},
        {"x p1.stp", false},
        {"None", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stepLine);
        platform.writeFile(QStringLiteral("t.tsk"), QByteArray(" 2 \r\nT\r\nC\r\nNone\r\n") + c.stepLine +
                                                        "\r\nother.stp\r\n111111111\r\nNone\r\n");
        auto loaded = readTaskFile(QStringLiteral("t.tsk"), TaskReaders::activity);
        ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
        const bool activityLoadsIt = loaded->StepFileName[1] == picture || loaded->StepFileName[2] == picture;
        EXPECT_EQ(activityLoadsIt, c.loaded);
        EXPECT_EQ(isPictureInUse(picture), c.loaded);
    }
}

TEST(LibraryChecks, ADamagedTaskFileStillProtectsItsPictures) {
    TestPlatform platform;
    // A step count that cannot be read: its lines after the video line are still looked at.
    platform.writeFile(QStringLiteral("bad.tsk"), "x\r\nT\r\nC\r\nNone\r\nkept.stp\r\n");
    // Cut short after its first step line.
    platform.writeFile(QStringLiteral("short.tsk"), " 4 \r\nT\r\nC\r\nNone\r\nalso_kept.stp\r\n");
    EXPECT_TRUE(isPictureInUse(QStringLiteral("kept.stp")));
    EXPECT_TRUE(isPictureInUse(QStringLiteral("also_kept.stp")));
    EXPECT_FALSE(isPictureInUse(QStringLiteral("free.stp")));
}

TEST(FileIds, NamesAndDrawsThatSkipExistingFiles) {
    TestPlatform platform;
    EXPECT_EQ(generatedTaskFileName(QStringLiteral("123456789")), QStringLiteral("generated_task_123456789.tsk"));
    EXPECT_EQ(generatedPictureFileName(QStringLiteral("123456789")), QStringLiteral("generated_pic_123456789.stp"));
    EXPECT_EQ(narrationFileName(QStringLiteral("123456789")), QStringLiteral("pic_123456789.wav"));
    EXPECT_EQ(introFileName(QStringLiteral("123456789")), QStringLiteral("intro_123456789.wav"));

    platform.writeFile(QStringLiteral("generated_task_111111111.tsk"), " 2 \r\n");
    platform.clock.scriptedDraws = {0.0f, 0.0f, 0.5f};
    const NewFileId drawn = newFileId(kTaskFilePrefix, kTaskFileExtension);
    EXPECT_EQ(platform.clock.randomizeCalls, 1);
    EXPECT_TRUE(platform.clock.scriptedDraws.empty());
    EXPECT_EQ(drawn.id, 611111110);  // floor(0.5 * 999999999 + 111111111)
    EXPECT_EQ(drawn.idText, QStringLiteral("611111110"));
    EXPECT_EQ(drawn.fileName, QStringLiteral("generated_task_611111110.tsk"));

    // The largest draw below 1 stays below 111111111 + 999999999.
    platform.clock.scriptedDraws = {std::nextafter(1.0f, 0.0f)};
    const NewFileId top = newFileId(kPictureFilePrefix, kPictureFileExtension);
    EXPECT_LT(top.id, 111111111LL + 999999999LL);
    EXPECT_EQ(top.idText.size(), 10);
}

TEST(FileIds, WhatCanBuildAFileName) {
    for (const char* good : {"0", "123456789", "1111111110"}) EXPECT_TRUE(isFileId(QString::fromUtf8(good))) << good;
    for (const char* bad : {"", " 123", "12a", "-5", "1/2", "None"}) EXPECT_FALSE(isFileId(QString::fromUtf8(bad))) << bad;
}

TEST(FileCopy, CopiesAndReportsEveryFailure) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("temp.wav"), "RIFF new");
    platform.writeFile(QStringLiteral("pic_5.wav"), "RIFF old");
    ASSERT_TRUE(CopyFileQMX(platform.path(QStringLiteral("temp.wav")), platform.path(QStringLiteral("pic_5.wav"))).ok());
    EXPECT_EQ(platform.readFile(QStringLiteral("pic_5.wav")), QByteArray("RIFF new"));
    EXPECT_TRUE(platform.messages.texts.isEmpty());

    EXPECT_FALSE(CopyFileQMX(platform.path(QStringLiteral("missing.wav")), platform.path(QStringLiteral("pic_5.wav"))).ok());
    EXPECT_EQ(platform.readFile(QStringLiteral("pic_5.wav")), QByteArray("RIFF new"));
    EXPECT_FALSE(CopyFileQMX(platform.path(QStringLiteral("temp.wav")), platform.path(QStringLiteral("no/such/folder.wav"))).ok());
    EXPECT_EQ(platform.messages.texts, (QStringList{QStringLiteral("File transfer failed"), QStringLiteral("File transfer failed")}));
}

TEST(ReviewWord, WrittenAsTypedReadWholeBlankRefused) {
    TestPlatform platform;
    EXPECT_FALSE(readReviewWord().ok());  // missing
    ASSERT_TRUE(writeReviewWord(QStringLiteral("  Let's review, \"again\"  ")).ok());
    EXPECT_EQ(platform.readFile(kReviewWordFile), QByteArray("  Let's review, \"again\"  \r\n"));
    EXPECT_EQ(*readReviewWord(), QStringLiteral("  Let's review, \"again\"  "));
    for (const char* bad : {"", "   ", "two\r\nlines"}) {
        EXPECT_FALSE(writeReviewWord(QString::fromUtf8(bad)).ok()) << bad;
    }
    EXPECT_EQ(*readReviewWord(), QStringLiteral("  Let's review, \"again\"  "));
    platform.writeFile(kReviewWordFile, QByteArray());
    auto empty = readReviewWord();
    ASSERT_FALSE(empty.ok());
    EXPECT_TRUE(empty.error().startsWith(QStringLiteral("aobj_review_word.txt, line 1"))) << empty.error().toStdString();
}

}  // namespace
