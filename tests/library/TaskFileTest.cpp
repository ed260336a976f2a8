#include "library/TaskFile.h"

#include "RecordPrinting.h"
#include "TestPlatform.h"
#include "app/Globvars.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TaskRecord fourStepTask() {
    TaskRecord t;
    t.StepCount = 4;
    t.TaskTitle = QStringLiteral("Making a scrambled egg");
    t.TaskCategory = QStringLiteral("Cooking");
    t.TaskVideoFile = QStringLiteral("/home/class/videos/egg.mpg");
    for (int s = 1; s <= 4; ++s) t.StepFileName[s] = QStringLiteral("generated_pic_22222222%1.stp").arg(s);
    t.TaskId = QStringLiteral("123456789");
    t.TaskIntroFile = QStringLiteral("intro_123456789.wav");
    return t;
}

// The record as a reader that takes only some of the lines sees it.
TaskRecord seenBy(const TaskRecord& full, bool title, bool category, bool video, bool steps, bool id, bool intro) {
    TaskRecord t;
    t.StepCount = full.StepCount;
    if (title) t.TaskTitle = full.TaskTitle;
    if (category) t.TaskCategory = full.TaskCategory;
    if (video) t.TaskVideoFile = full.TaskVideoFile;
    if (steps) t.StepFileName = full.StepFileName;
    if (id) t.TaskId = full.TaskId;
    if (intro) t.TaskIntroFile = full.TaskIntroFile;
    return t;
}

struct Reader {
    const char* name;
    TaskReadPlan plan;
    bool title, category, video, steps, id, intro;
};
const Reader kReaders[] = {
    {"activity", TaskReaders::activity, true, false, true, true, false, true},
    {"list", TaskReaders::list, true, true, true, false, false, false},
    {"editor", TaskReaders::editor, true, true, true, true, true, true},
    {"duplicate check", TaskReaders::duplicateCheck, true, true, false, false, false, false},
    {"use check", TaskReaders::useCheck, false, false, false, true, false, false},
    {"deletion", TaskReaders::deletion, false, false, false, false, true, false},
};

TEST(TaskFile, FourStepsMakeTenLinesThatEveryReaderReadsBack) {
    TestPlatform platform;
    const TaskRecord task = fourStepTask();
    ASSERT_TRUE(writeTask(QStringLiteral("generated_task_123456789.tsk"), task).ok());
    const QByteArray bytes = platform.readFile(QStringLiteral("generated_task_123456789.tsk"));
    EXPECT_EQ(bytes,
              QByteArray(" 4 \r\nMaking a scrambled egg\r\nCooking\r\n/home/class/videos/egg.mpg\r\n"
                         "generated_pic_222222221.stp\r\ngenerated_pic_222222222.stp\r\n"
                         "generated_pic_222222223.stp\r\ngenerated_pic_222222224.stp\r\n"
                         "123456789\r\nintro_123456789.wav\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 10);
    for (const Reader& r : kReaders) {
        auto read = readTaskFile(QStringLiteral("generated_task_123456789.tsk"), r.plan);
        ASSERT_TRUE(read.ok()) << r.name << ": " << read.error().toStdString();
        EXPECT_EQ(*read, seenBy(task, r.title, r.category, r.video, r.steps, r.id, r.intro)) << r.name;
    }
}

TEST(TaskFile, TitlesAndCategoriesKeepCommasQuotesAndBlanks) {
    TestPlatform platform;
    const char* texts[] = {"Salt, pepper and eggs", "\"Quoted\" title", "  blanks around  ", "a,\"b\",c",
                           "\"", "None", "Crème brûlée & co", ""};
    for (const char* text : texts) {
        TaskRecord task = fourStepTask();
        task.TaskTitle = QString::fromUtf8(text);
        task.TaskCategory = QString::fromUtf8(text);
        ASSERT_TRUE(writeTask(QStringLiteral("t.tsk"), task).ok()) << text;
        for (const Reader& r : kReaders) {
            auto read = readTaskFile(QStringLiteral("t.tsk"), r.plan);
            ASSERT_TRUE(read.ok()) << text << " / " << r.name;
            EXPECT_EQ(*read, seenBy(task, r.title, r.category, r.video, r.steps, r.id, r.intro)) << text << " / " << r.name;
        }
    }
}

TEST(TaskFile, EmptyOptionalValuesAreStoredAsNone) {
    TestPlatform platform;
    TaskRecord task = fourStepTask();
    task.TaskVideoFile.clear();
    task.TaskIntroFile.clear();
    task.StepFileName[3].clear();
    ASSERT_TRUE(writeTask(QStringLiteral("t.tsk"), task).ok());
    auto read = readTaskFile(QStringLiteral("t.tsk"), TaskReaders::editor);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->TaskVideoFile, QStringLiteral("None"));
    EXPECT_EQ(read->TaskIntroFile, QStringLiteral("None"));
    EXPECT_EQ(read->StepFileName[3], QStringLiteral("None"));
}

TEST(TaskFile, RecordsThatWouldNotReadBackAreRefusedAndTheOldFileStays) {
    TestPlatform platform;
    ASSERT_TRUE(writeTask(QStringLiteral("t.tsk"), fourStepTask()).ok());
    const QByteArray before = platform.readFile(QStringLiteral("t.tsk"));
    const struct {
        const char* name;
        void (*spoil)(TaskRecord&);
        const char* says;
    } cases[] = {
        {"0 steps", [](TaskRecord& t) { t.StepCount = 0; }, "2 to 10 steps"},
        {"1 step", [](TaskRecord& t) { t.StepCount = 1; }, "2 to 10 steps"},
        {"11 steps", [](TaskRecord& t) { t.StepCount = 11; }, "2 to 10 steps"},
        {"-3 steps", [](TaskRecord& t) { t.StepCount = -3; }, "2 to 10 steps"},
        {"comma in a step name", [](TaskRecord& t) { t.StepFileName[2] = QStringLiteral("a,b.stp"); }, "comma"},
        {"quote before a step name", [](TaskRecord& t) { t.StepFileName[1] = QStringLiteral("\"a.stp"); }, "double quote"},
        {"blank before a step name", [](TaskRecord& t) { t.StepFileName[1] = QStringLiteral(" a.stp"); }, "blank"},
        {"blank after the id", [](TaskRecord& t) { t.TaskId = QStringLiteral("123 "); }, "blank"},
        {"comma in the id", [](TaskRecord& t) { t.TaskId = QStringLiteral("12,3"); }, "comma"},
        // The id goes into file names; an empty one would be part of every name.
        {"empty id", [](TaskRecord& t) { t.TaskId.clear(); }, "The task id is empty"},
        {"letters for the id", [](TaskRecord& t) { t.TaskId = QStringLiteral("abc"); }, "\"abc\" is not a number"},
        {"None for the id", [](TaskRecord& t) { t.TaskId = QStringLiteral("None"); }, "\"None\" is not a number"},
        {"signed id", [](TaskRecord& t) { t.TaskId = QStringLiteral("-12"); }, "is not a number"},
        {"comma in the introduction", [](TaskRecord& t) { t.TaskIntroFile = QStringLiteral("a,b.wav"); }, "comma"},
        {"line break in the title", [](TaskRecord& t) { t.TaskTitle = QStringLiteral("one\ntwo"); }, "line break"},
        {"line break in the video", [](TaskRecord& t) { t.TaskVideoFile = QStringLiteral("a\r.mpg"); }, "line break"},
    };
    for (const auto& c : cases) {
        TaskRecord task = fourStepTask();
        c.spoil(task);
        Status written = writeTask(QStringLiteral("t.tsk"), task);
        ASSERT_FALSE(written.ok()) << c.name;
        EXPECT_TRUE(written.error().startsWith(QStringLiteral("t.tsk, "))) << written.error().toStdString();
        EXPECT_TRUE(written.error().contains(QString::fromUtf8(c.says))) << c.name << ": " << written.error().toStdString();
        EXPECT_EQ(platform.readFile(QStringLiteral("t.tsk")), before) << c.name;
    }
    EXPECT_EQ(QDir(AppFolder).entryList(QDir::Files), QStringList{QStringLiteral("t.tsk")});
}

TEST(TaskFile, EveryStepCountFromTwoToTen) {
    TestPlatform platform;
    for (std::int16_t n = 2; n <= 10; ++n) {
        TaskRecord task = fourStepTask();
        task.StepCount = n;
        task.StepFileName = {};
        for (int s = 1; s <= n; ++s) task.StepFileName[s] = QStringLiteral("p%1.stp").arg(s);
        ASSERT_TRUE(writeTask(QStringLiteral("t.tsk"), task).ok());
        EXPECT_EQ(platform.readFile(QStringLiteral("t.tsk")).count("\r\n"), n + 6);
        auto read = readTaskFile(QStringLiteral("t.tsk"), TaskReaders::editor);
        ASSERT_TRUE(read.ok()) << n;
        EXPECT_EQ(*read, task) << n;
    }
}

}  // namespace
