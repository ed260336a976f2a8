#include "maintenance/TaskSlots.h"

#include "QtPrinting.h"
#include "TestPlatform.h"

#include "app/Globvars.h"
#include "library/TaskFile.h"

#include <gtest/gtest.h>

namespace {

StepSlots filled(int count) {
    StepSlots slots;
    for (int s = 1; s <= kMaxSteps; ++s) {
        slots[s] = s <= count ? AppFolder + QStringLiteral("/pic%1.jpg").arg(s) : QStringLiteral("None");
    }
    return slots;
}

// The slots whose button is usable, as a text ("1 2 3 4").
QString usable(const std::array<bool, kMaxSteps + 1>& buttons) {
    QStringList on;
    for (int s = 1; s <= kMaxSteps; ++s) {
        if (buttons[s]) on.append(QString::number(s));
    }
    return on.join(u' ');
}

TEST(TaskSlots, OnlyTheFirstEmptySlotCanBeFilledAndTheLastFilledCleared) {
    struct Case {
        int filled;
        const char* paste;
        const char* clear;
    };
    const Case cases[] = {
        {0, "1", ""}, {1, "1 2", "1"}, {3, "1 2 3 4", "3"}, {9, "1 2 3 4 5 6 7 8 9 10", "9"}, {10, "", "10"},
    };
    for (const Case& c : cases) {
        const StepButtonStates states = stepButtonStates(filled(c.filled));
        EXPECT_EQ(usable(states.paste), QString::fromLatin1(c.paste)) << c.filled << " filled";
        EXPECT_EQ(usable(states.clear), QString::fromLatin1(c.clear)) << c.filled << " filled";
    }
    // An empty text counts as an empty slot, like "None".
    StepSlots slots = filled(3);
    slots[4] = QString();
    slots[5] = QStringLiteral("/x/pic5.jpg");
    EXPECT_EQ(usable(stepButtonStates(slots).paste), QStringLiteral("1 2 3 4"));
    EXPECT_EQ(usable(stepButtonStates(slots).clear), QStringLiteral("3"));
}

TEST(TaskSlots, APictureGoesIntoATaskOnce) {
    TestPlatform platform;
    const StepSlots slots = filled(3);
    const QString used = AppFolder + QStringLiteral("/pic2.jpg");
    EXPECT_EQ(pasteRefusal(slots, used), QStringLiteral("This picture has already been used in this task"));
    EXPECT_EQ(pasteRefusal(slots, AppFolder + QStringLiteral("/pic4.jpg")), QString());
    EXPECT_EQ(pasteRefusal(slots, QStringLiteral("None")), QString());
}

TaskDraft draftOf(int steps) {
    TaskDraft d;
    d.file = QStringLiteral("generated_task_222222222.tsk");
    d.id = QStringLiteral("222222222");
    d.description = QStringLiteral("Brushing teeth");
    d.category = QStringLiteral("Hygiene");
    d.video = QString();
    for (int s = 1; s <= kMaxSteps; ++s) {
        d.stepFiles[s] = s <= steps ? QStringLiteral("generated_pic_32000000%1.stp").arg(s) : QStringLiteral("None");
    }
    return d;
}

TEST(TaskSlots, ASaveNeedsTwoSteps) {
    TestPlatform platform;
    for (int steps : {0, 1}) {
        auto record = taskToSave(draftOf(steps));
        ASSERT_FALSE(record.ok());
        EXPECT_EQ(record.error(), QStringLiteral("At least 2 steps are required"));
    }
    auto two = taskToSave(draftOf(2));
    ASSERT_TRUE(two.ok()) << two.error().toStdString();
    TaskRecord expected;
    expected.StepCount = 2;
    expected.TaskTitle = QStringLiteral("Brushing teeth");
    expected.TaskCategory = QStringLiteral("Hygiene");
    expected.TaskVideoFile = QStringLiteral("None");
    expected.StepFileName[1] = QStringLiteral("generated_pic_320000001.stp");
    expected.StepFileName[2] = QStringLiteral("generated_pic_320000002.stp");
    expected.TaskId = QStringLiteral("222222222");
    expected.TaskIntroFile = QStringLiteral("None");
    EXPECT_EQ(*two, expected);
}

TEST(TaskSlots, TheRecordStoresVideoAndIntroductionAsTheFilesDo) {
    TestPlatform platform;
    TaskDraft d = draftOf(3);
    d.video = AppFolder + QStringLiteral("/brush.mpg");
    d.hasIntroduction = true;
    auto inFolder = taskToSave(d);
    ASSERT_TRUE(inFolder.ok());
    EXPECT_EQ(inFolder->TaskVideoFile, QStringLiteral("brush.mpg"));
    EXPECT_EQ(inFolder->TaskIntroFile, QStringLiteral("intro_222222222.wav"));
    d.video = QStringLiteral("/media/videos/brush.mpg");
    EXPECT_EQ(taskToSave(d)->TaskVideoFile, QStringLiteral("/media/videos/brush.mpg"));
    d.video = QStringLiteral("None");
    EXPECT_EQ(taskToSave(d)->TaskVideoFile, QStringLiteral("None"));
}

TEST(TaskSlots, ADuplicateIsRefusedButNotTheTaskItself) {
    TestPlatform platform;
    auto saved = taskToSave(draftOf(3));
    ASSERT_TRUE(saved.ok());
    ASSERT_TRUE(writeTask(draftOf(3).file, *saved).ok());

    // The same task saved again under its own name is not its own duplicate.
    EXPECT_TRUE(taskToSave(draftOf(3)).ok());
    // A new task with the same description, category and step count is.
    TaskDraft copy = draftOf(3);
    copy.file = QStringLiteral("generated_task_333333333.tsk");
    copy.id = QStringLiteral("333333333");
    auto refused = taskToSave(copy);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error(),
              QStringLiteral("A task with this description and number of steps already exists in the tasks database"));
    copy.category = QStringLiteral("Morning");
    EXPECT_TRUE(taskToSave(copy).ok());
    copy = draftOf(4);
    copy.file = QStringLiteral("generated_task_333333333.tsk");
    EXPECT_TRUE(taskToSave(copy).ok());
}

TEST(TaskSlots, TheStepsAreTheFilledSlotsInOrder) {
    TestPlatform platform;
    TaskDraft d = draftOf(0);
    d.stepFiles[2] = QStringLiteral("b.stp");
    d.stepFiles[5] = QStringLiteral("e.stp");
    d.stepFiles[6] = QString();
    auto record = taskToSave(d);
    ASSERT_TRUE(record.ok());
    EXPECT_EQ(record->StepCount, 2);
    EXPECT_EQ(record->StepFileName[1], QStringLiteral("b.stp"));
    EXPECT_EQ(record->StepFileName[2], QStringLiteral("e.stp"));
    EXPECT_EQ(filledStepCount(d.stepFiles), 2);
}

}  // namespace
