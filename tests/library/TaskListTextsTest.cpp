#include "library/TaskListTexts.h"

#include "RecordPrinting.h"
#include "TestPlatform.h"

#include <gtest/gtest.h>

namespace {

TaskRecord taskOf(int steps, const char* title, const char* category, const char* video) {
    TaskRecord t;
    t.StepCount = static_cast<std::int16_t>(steps);
    t.TaskTitle = QString::fromUtf8(title);
    t.TaskCategory = QString::fromUtf8(category);
    t.TaskVideoFile = QString::fromUtf8(video);
    return t;
}

// A task file as the library holds it (the lists read only its first four lines).
QByteArray taskFile(int steps, const char* title, const char* category, const char* video) {
    QByteArray bytes = " " + QByteArray::number(steps) + " \r\n" + title + "\r\n" + category + "\r\n" + video + "\r\n";
    for (int s = 1; s <= steps; ++s) bytes += "p" + QByteArray::number(s) + ".stp\r\n";
    return bytes + "123\r\nNone\r\n";
}

QStringList textsOf(const QList<ListedFile>& listed) {
    QStringList texts;
    for (const ListedFile& l : listed) texts.append(l.text);
    return texts;
}

QStringList filesOf(const QList<ListedFile>& listed) {
    QStringList files;
    for (const ListedFile& l : listed) files.append(l.file);
    return files;
}

std::array<std::int16_t, 11> filterFor(std::initializer_list<int> counts) {
    std::array<std::int16_t, 11> filter{};
    for (int n : counts) filter[n] = 1;
    return filter;
}

TEST(TaskListTexts, EntryTexts) {
    struct Case {
        TaskRecord task;
        bool markVideo;
        const char* text;
    };
    const Case cases[] = {
        {taskOf(5, "Brushing Teeth", "Hygiene", "brush.mpg"), true, "Hygiene==> Brushing Teeth:  5 Steps (with video)"},
        {taskOf(5, "Brushing Teeth", "Hygiene", "brush.mpg"), false, "Hygiene==> Brushing Teeth:  5 Steps"},
        {taskOf(3, "Brushing teeth", "Hygiene", "None"), false, "Hygiene==> Brushing teeth:  3 Steps"},
        {taskOf(3, "Brushing teeth", "Hygiene", "None"), true, "Hygiene==> Brushing teeth:  3 Steps"},
        {taskOf(10, "Tea, with milk", "Cooking", ""), true, "Cooking==> Tea, with milk:  10 Steps"},
        {taskOf(2, "", "", "/home/class/none.mpg"), true, "==> :  2 Steps (with video)"},
    };
    for (const Case& c : cases) EXPECT_EQ(taskListEntry(c.task, c.markVideo), QString::fromUtf8(c.text));
    StepRecord picture;
    picture.PictureCategory = QStringLiteral("Hygiene");
    picture.StepDescription = QStringLiteral("Zippering the coat");
    EXPECT_EQ(pictureListEntry(picture), QStringLiteral("Hygiene: Zippering the coat"));
}

TEST(TaskListTexts, TheSelectionListTakesTheFilteredCountsSortedByCharacterCode) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("a.tsk"), taskFile(3, "apple", "Food", "None"));
    platform.writeFile(QStringLiteral("b.tsk"), taskFile(3, "Zebra", "Food", "None"));
    platform.writeFile(QStringLiteral("c.tsk"), taskFile(5, "Brushing Teeth", "Hygiene", "brush.mpg"));
    platform.writeFile(QStringLiteral("d.tsk"), taskFile(2, "Two", "Food", "None"));
    platform.writeFile(QStringLiteral("e.tsk"), taskFile(10, "Ten", "Food", "None"));
    platform.writeFile(QStringLiteral("f.tsk"), taskFile(5, "Apron", "Cooking", "None"));
    const Listing listing = listTasks(filterFor({3, 5}));
    EXPECT_EQ(textsOf(listing.entries),
              (QStringList{QStringLiteral("Cooking==> Apron:  5 Steps"), QStringLiteral("Food==> Zebra:  3 Steps"),
                           QStringLiteral("Food==> apple:  3 Steps"),
                           QStringLiteral("Hygiene==> Brushing Teeth:  5 Steps (with video)")}));
    EXPECT_EQ(filesOf(listing.entries), (QStringList{QStringLiteral("f.tsk"), QStringLiteral("b.tsk"),
                                                     QStringLiteral("a.tsk"), QStringLiteral("c.tsk")}));
    EXPECT_TRUE(listing.problems.isEmpty());
    EXPECT_TRUE(listTasks(filterFor({})).entries.isEmpty());
    EXPECT_EQ(listTasks(filterFor({2, 3, 4, 5, 6, 7, 8, 9, 10})).entries.size(), 6);
}

TEST(TaskListTexts, EqualEntriesKeepTheDirectoryOrder) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("a.tsk"), taskFile(3, "Tea", "Food", "None"));
    platform.writeFile(QStringLiteral("b.tsk"), taskFile(3, "Tea", "Food", "None"));
    platform.writeFile(QStringLiteral("c.tsk"), taskFile(3, "Soup", "Food", "None"));
    EXPECT_EQ(filesOf(listLibraryTasks().entries),
              (QStringList{QStringLiteral("c.tsk"), QStringLiteral("a.tsk"), QStringLiteral("b.tsk")}));
}

TEST(TaskListTexts, TheWorkshopListsEverythingWithoutVideoMarks) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("c.tsk"), taskFile(5, "Brushing Teeth", "Hygiene", "brush.mpg"));
    platform.writeFile(QStringLiteral("d.tsk"), taskFile(2, "Two", "Food", "None"));
    platform.writeFile(QStringLiteral("z.stp"), "Hygiene\r\nZippering the coat\r\nNone\r\nz.jpg\r\nNone\r\n5\r\n");
    platform.writeFile(QStringLiteral("b.stp"), "Hygiene\r\nBrushing\r\nNone\r\nb.jpg\r\nNone\r\n6\r\n");
    platform.writeFile(QStringLiteral("a.stp"), "Cooking\r\neggs\r\nNone\r\na.jpg\r\nNone\r\n7\r\n");
    EXPECT_EQ(
        textsOf(listLibraryTasks().entries),
        (QStringList{QStringLiteral("Food==> Two:  2 Steps"), QStringLiteral("Hygiene==> Brushing Teeth:  5 Steps")}));
    const Listing pictures = listLibraryPictures();
    EXPECT_EQ(textsOf(pictures.entries),
              (QStringList{QStringLiteral("Cooking: eggs"), QStringLiteral("Hygiene: Brushing"),
                           QStringLiteral("Hygiene: Zippering the coat")}));
    EXPECT_EQ(filesOf(pictures.entries),
              (QStringList{QStringLiteral("a.stp"), QStringLiteral("b.stp"), QStringLiteral("z.stp")}));
}

TEST(TaskListTexts, DamagedFilesAreLeftOutAndReportedOnce) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("good.tsk"), taskFile(3, "Tea", "Food", "None"));
    platform.writeFile(QStringLiteral("letter.tsk"), "x\r\nTea\r\nFood\r\nNone\r\n");
    platform.writeFile(QStringLiteral("short.tsk"), " 3 \r\nTea\r\n");
    platform.writeFile(QStringLiteral("eleven.tsk"), taskFile(11, "Tea", "Food", "None"));
    platform.writeFile(QStringLiteral("short.stp"), "Hygiene\r\n");
    ProblemsShownOnce shown;
    for (int rebuild = 0; rebuild < 9; ++rebuild) {
        const Listing listing = listTasks(filterFor({3}));
        EXPECT_EQ(filesOf(listing.entries), QStringList{QStringLiteral("good.tsk")});
        ASSERT_EQ(listing.problems.size(), 3);
        const QStringList fresh = shown.unseen(listing.problems);
        EXPECT_EQ(fresh.size(), rebuild == 0 ? 3 : 0);
    }
    const QStringList problems = listTasks(filterFor({3})).problems;
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("eleven.tsk, line 1"))) << problems[0].toStdString();
    EXPECT_TRUE(problems[1].startsWith(QStringLiteral("letter.tsk, line 1"))) << problems[1].toStdString();
    EXPECT_TRUE(problems[2].startsWith(QStringLiteral("short.tsk, line"))) << problems[2].toStdString();
    const Listing pictures = listLibraryPictures();
    EXPECT_TRUE(pictures.entries.isEmpty());
    ASSERT_EQ(pictures.problems.size(), 1);
    EXPECT_TRUE(pictures.problems[0].startsWith(QStringLiteral("short.stp"))) << pictures.problems[0].toStdString();
}

TEST(TaskListTexts, MoreThanAThousandTasks) {
    TestPlatform platform;
    constexpr int kTasks = 1200;
    for (int i = 0; i < kTasks; ++i) {
        const QByteArray title = "Task " + QByteArray::number(i).rightJustified(4, '0');
        platform.writeFile(QStringLiteral("t%1.tsk").arg(i), taskFile(2 + i % 9, title.constData(), "Food", "None"));
    }
    const Listing listing = listTasks(filterFor({2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ASSERT_EQ(listing.entries.size(), kTasks);
    EXPECT_EQ(listing.entries[1150].file, QStringLiteral("t1150.tsk"));
    QList<bool> ticked(kTasks, false);
    ticked[3] = ticked[1150] = ticked[1199] = true;
    const ChosenTasks chosen = chooseTasks(listing.entries, ticked);
    EXPECT_EQ(chosen.files,
              (QStringList{QStringLiteral("t3.tsk"), QStringLiteral("t1150.tsk"), QStringLiteral("t1199.tsk")}));
    EXPECT_EQ(chosen.listIndexes, (QList<int>{3, 1150, 1199}));
}

TEST(TaskListTexts, ContinueHandsOverTheTickedEntriesInListOrder) {
    const QList<ListedFile> listed{{QStringLiteral("one.tsk"), QStringLiteral("A")},
                                   {QStringLiteral("two.tsk"), QStringLiteral("B")},
                                   {QStringLiteral("three.tsk"), QStringLiteral("C")},
                                   {QStringLiteral("four.tsk"), QStringLiteral("D")},
                                   {QStringLiteral("five.tsk"), QStringLiteral("E")}};
    const ChosenTasks chosen = chooseTasks(listed, {false, true, false, true, false});
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.files, (QStringList{QStringLiteral("two.tsk"), QStringLiteral("four.tsk")}));
    EXPECT_EQ(chosen.listIndexes, (QList<int>{1, 3}));
    EXPECT_EQ(chooseTasks(listed, {}).count(), 0);
    EXPECT_EQ(chooseTasks({}, {true}).count(), 0);
    EXPECT_EQ(nothingChosenMessage(), QStringLiteral("At least one selection must be made\nClick the white box next to "
                                                     "the task to select it.  You may select more than one task."));
}

}  // namespace
