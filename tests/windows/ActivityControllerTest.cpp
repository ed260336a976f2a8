// The whole activity, started as the task selection window starts it (by showing the activity
// window), with a scripted student: the task queue, the exits, the hand-back to the task list.

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <functional>
#include <vector>

#include "ActivityWorld.h"

namespace {

// What the menu choice clicks: 3 next task, 2 the same task again, 1 the task list.
using MenuAnswer = std::function<int(int menuNumber)>;

// A student who solves every task without a mistake (through the selection entry point the
// click handlers use) and answers the after-task menu as told. Acts only on waiting passes
// that are not inside a sentence, as a person acts between the program's moves.
struct Student {
    ActivityWorld& world;
    MenuAnswer menu = [](int) { return 1; };
    std::function<void(TestAnimation&)> onPass;  // extra actions of a test
    bool solves = true;
    bool answersMenu = true;  // by a click; a test may answer it with the switches instead

    int menus = 0;
    bool menuAnswered = false;
    bool rewardSeen = false;
    bool menuSeen = false;
    QStringList runs;                        // the task title of every run, in order
    std::vector<activity::SlotTable> deals;  // SlotStep of every run
    std::vector<int> movesAtRunStart;

    explicit Student(ActivityWorld& w) : world(w) {
        world.p.pump.script = [this](bool isWait) { pass(isWait); };
    }
    ~Student() { world.p.pump.script = nullptr; }

    void watchRuns(TestAnimation& w) {
        w.onIntroduction = [this] {
            runs.append(Task.TaskTitle);
            deals.push_back(SlotStep);
            movesAtRunStart.push_back(PictureMoves);
        };
    }

    void pass(bool isWait) {
        TestAnimation* w = world.animation;
        if (w == nullptr) return;
        if (!w->PicRewardMain->isHidden()) rewardSeen = true;
        if (!isWait || WaitingForSound == 1 || !w->activityRunning()) return;
        if (onPass) onPass(*w);
        if (!w->FrameContinue->isHidden()) {
            menuSeen = true;
            if (menuAnswered || !answersMenu) return;
            menuAnswered = true;
            ++menus;
            PictureButton* const choices[4] = {nullptr, w->ImageContinueTask, w->ImageContinueReplay,
                                               w->ImageContinueNext};
            QTest::mouseClick(choices[menu(menus)], Qt::LeftButton);
            return;
        }
        menuAnswered = false;
        const int method = w->boardOptions().accessMethod;
        if (method == 1 || method == 3) {
            // With the switches: Space until the highlight is on the right picture, then Enter.
            if (!solves || w->PicScan->isHidden()) return;
            if (w->ScanSlot == rightSlotForTheNextBox(*w)) {
                QTest::keyClick(w, Qt::Key_Return);
            } else if (method == 1) {
                QTest::keyClick(w, Qt::Key_Space);
            }
            return;
        }
        if (solves && w->ClickSelectEnabled == 1 && w->ClickedSlot == 0) {
            if (const int slot = rightSlotForTheNextBox(*w)) w->selectSlot(slot);
        }
    }

    static int rightSlotForTheNextBox(TestAnimation& w) {
        const activity::BoardState s = w.board();
        const int box = activity::firstEmptyBox(s);
        if (box == 0) return 0;
        const int step = activity::expectedStep(box, s.StepCount, w.boardOptions().layout);
        for (int slot = 1; slot <= s.StepCount; ++slot) {
            if (s.SlotStep[slot] == step) return slot;
        }
        return 0;
    }
};

struct ActivityController : ::testing::Test {
    ActivityWorld world;

    bool listTicked(int position) { return world.taskWindow()->isTaskTicked(position); }
    int listCurrent() { return world.taskWindow()->ListTasks->currentRow(); }
    bool activityOver() {
        return world.animation != nullptr && world.animation->isHidden() && !world.animation->activityRunning() &&
               world.taskWindow()->isVisible();
    }
};

TEST_F(ActivityController, NextTaskAfterTheLastGoesBackToTheFirstUntilTheTaskList) {
    world.queue({world.addTask(QStringLiteral("Apples"), 2), world.addTask(QStringLiteral("Bread"), 3)});
    Student student(world);
    student.menu = [](int menu) { return menu < 4 ? 3 : 1; };
    form(FormId::Animation);
    student.watchRuns(*world.animation);

    TestAnimation* w = world.run();

    EXPECT_EQ(student.runs, QStringList({QStringLiteral("Apples"), QStringLiteral("Bread"), QStringLiteral("Apples"),
                                         QStringLiteral("Bread")}));
    EXPECT_EQ(student.menus, 4);
    EXPECT_EQ(w->resultsRecorded, std::vector<int>({1, 1, 1, 1}));
    EXPECT_TRUE(activityOver());
    // Both tasks were taken up: nothing is ticked, and the list starts at its top.
    EXPECT_FALSE(listTicked(0));
    EXPECT_FALSE(listTicked(1));
    EXPECT_EQ(listCurrent(), 0);
    EXPECT_EQ(ExitRequested, 0);
    EXPECT_EQ(ExitEarlyRequested, 0);
    EXPECT_EQ(world.p.clock.randomizeCalls, 1);
}

TEST_F(ActivityController, TheSameTaskAgainIsDealtAnewWithFreshCounts) {
    StudentOptions.ShuffleMode = 1;
    world.queue({world.addTask(QStringLiteral("Apples"), 3)});
    // Three passes of the shuffle: 3 1 2, then 3 2 1, then (by chance) in order.
    world.p.clock.scriptedDraws = {0.7f, 0.7f, 0.7f, 0.4f, 0.0f, 0.0f, 0.0f, 0.4f, 0.9f};
    Student student(world);
    student.menu = [](int menu) { return menu < 3 ? 2 : 1; };
    form(FormId::Animation);
    student.watchRuns(*world.animation);

    world.run();

    EXPECT_EQ(student.runs, QStringList(3, QStringLiteral("Apples")));
    ASSERT_EQ(student.deals.size(), 3u);
    const auto dealt = [&](int run) {
        return std::vector<int>(student.deals[run].begin() + 1, student.deals[run].begin() + 4);
    };
    EXPECT_EQ(dealt(0), std::vector<int>({3, 1, 2}));
    EXPECT_EQ(dealt(1), std::vector<int>({3, 2, 1}));
    EXPECT_EQ(dealt(2), std::vector<int>({1, 2, 3}));
    EXPECT_EQ(student.movesAtRunStart, std::vector<int>({0, 0, 0}));
    EXPECT_TRUE(activityOver());
}

TEST_F(ActivityController, AMissingPictureEndsTheQueueWithAMessageAndLeavesTheRestTicked) {
    QStringList files;
    for (int t = 1; t <= 5; ++t) files.append(world.addTask(QStringLiteral("Task %1").arg(t), 2, t != 3));
    world.queue(files);
    Student student(world);
    student.menu = [](int) { return 3; };
    form(FormId::Animation);
    student.watchRuns(*world.animation);

    world.run();

    EXPECT_EQ(student.runs, QStringList({QStringLiteral("Task 1"), QStringLiteral("Task 2")}));
    EXPECT_EQ(student.menus, 2);
    EXPECT_EQ(world.p.messages.texts,
              QStringList{QStringLiteral("The picture ") + world.p.path(QStringLiteral("t3_s1.jpg")) +
                          QStringLiteral(" is missing.\nThe task Task 3 is not valid.")});
    for (int position = 0; position < 3; ++position) EXPECT_FALSE(listTicked(position)) << position;
    EXPECT_TRUE(listTicked(3));
    EXPECT_TRUE(listTicked(4));
    EXPECT_EQ(listCurrent(), 3);
    EXPECT_TRUE(activityOver());
}

TEST_F(ActivityController, ExitInTheMiddleRecordsOnceAndEndsWithoutRewardOrMenu) {
    world.queue({world.addTask(QStringLiteral("Apples"), 3)});
    Student student(world);
    student.onPass = [](TestAnimation& w) {
        if (PictureMoves == 1 && ExitRequested == 0) {
            QTest::mouseClick(w.PicExit, Qt::LeftButton);
            w.PicExit_Click();  // a second press changes nothing
        }
    };
    TestAnimation* w = world.run();

    EXPECT_EQ(w->resultsRecorded, std::vector<int>{0});
    EXPECT_FALSE(student.rewardSeen);
    EXPECT_FALSE(student.menuSeen);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_TRUE(w->PicBase[k]->isHidden()) << k;
        EXPECT_TRUE(w->PicSeq[k]->isHidden()) << k;
        EXPECT_EQ(BoxStep[k], 0) << k;
    }
    EXPECT_TRUE(activityOver());
    EXPECT_FALSE(listTicked(0));
    EXPECT_EQ(ExitRequested, 0);
}

TEST_F(ActivityController, ATaskLeftByExitAfterASolvedOneIsRecordedAsNotFinished) {
    world.queue({world.addTask(QStringLiteral("Apples"), 2), world.addTask(QStringLiteral("Bread"), 3)});
    Student student(world);
    student.menu = [](int) { return 3; };
    student.onPass = [&student](TestAnimation& w) {
        if (student.menus == 1 && PictureMoves == 1 && ExitRequested == 0 && w.FrameContinue->isHidden()) {
            QTest::mouseClick(w.PicExit, Qt::LeftButton);
        }
    };
    TestAnimation* w = world.run();

    EXPECT_EQ(w->resultsRecorded, std::vector<int>({1, 0}));
    EXPECT_TRUE(activityOver());
}

TEST_F(ActivityController, TheEarlyExitDuringTheVideoBeforeTheFirstTaskEndsTheActivity) {
    StudentOptions.VideoBeforeTask = 1;
    StudentOptions.ReviewBeforeTask = 1;
    world.queue({world.addTask(QStringLiteral("Apples"), 2), world.addTask(QStringLiteral("Bread"), 2)});
    Student student(world);
    form(FormId::Animation);
    student.watchRuns(*world.animation);
    world.animation->onVideo = [&world = world] { world.animation->PicExitEarly_Click(); };

    TestAnimation* w = world.run();

    EXPECT_EQ(w->videos, 1);
    EXPECT_EQ(w->lessons, 0);
    EXPECT_TRUE(student.runs.isEmpty());
    EXPECT_FALSE(student.menuSeen);
    EXPECT_TRUE(w->resultsRecorded.empty());
    EXPECT_EQ(ExitEarlyRequested, 0);
    EXPECT_TRUE(activityOver());
    EXPECT_FALSE(listTicked(0));
    EXPECT_TRUE(listTicked(1));

    // The next activity starts normally, and its sentences are not cut off.
    StudentOptions.FeedbackMode = 1;
    w->onVideo = nullptr;
    world.queue({ChosenTaskList[1]});
    std::vector<int> exitFlagWhileSpeaking;
    student.onPass = [&](TestAnimation&) {};
    world.p.pump.script = [&](bool isWait) {
        if (isWait && WaitingForSound == 1) exitFlagWhileSpeaking.push_back(ExitEarlyRequested);
        student.pass(isWait);
    };
    world.run();
    EXPECT_EQ(student.runs, QStringList{QStringLiteral("Apples")});
    EXPECT_EQ(w->videos, 2);
    EXPECT_EQ(w->lessons, 1);
    ASSERT_FALSE(exitFlagWhileSpeaking.empty());
    EXPECT_TRUE(std::all_of(exitFlagWhileSpeaking.begin(), exitFlagWhileSpeaking.end(), [](int f) { return f == 0; }));
    EXPECT_TRUE(activityOver());
}

TEST_F(ActivityController, TheActivityStartsOncePerShowingNotAtEveryActivation) {
    world.queue({world.addTask(QStringLiteral("Apples"), 2)});
    Student student(world);
    bool poked = false;
    student.onPass = [&poked](TestAnimation& w) {
        if (poked || PictureMoves != 1) return;
        poked = true;
        // Closing a message box activates the window again; showing it again is no new showing.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&w, &activate);
        w.show();
        QCoreApplication::processEvents();
    };
    form(FormId::Animation);
    student.watchRuns(*world.animation);
    world.run();
    EXPECT_TRUE(poked);
    EXPECT_EQ(student.runs.size(), 1);
    EXPECT_EQ(world.p.clock.randomizeCalls, 1);

    // Shown again by the task window, it runs again.
    world.queue({ChosenTaskList[1]});
    world.run();
    EXPECT_EQ(student.runs.size(), 2);
    EXPECT_EQ(world.p.clock.randomizeCalls, 2);
}

TEST_F(ActivityController, ClosingTheWindowDuringARunIsTheActivitysExit) {
    world.queue({world.addTask(QStringLiteral("Apples"), 3)});
    Student student(world);
    student.onPass = [](TestAnimation& w) {
        if (PictureMoves == 1 && ExitRequested == 0) w.close();
    };
    TestAnimation* w = world.run();
    EXPECT_EQ(w->resultsRecorded, std::vector<int>{0});
    EXPECT_FALSE(student.menuSeen);
    EXPECT_TRUE(activityOver());
}

TEST_F(ActivityController, ClosingTheWindowAtTheMenuEndsTheActivityWithoutAnotherRecord) {
    world.queue({world.addTask(QStringLiteral("Apples"), 2)});
    Student student(world);
    student.answersMenu = false;
    student.onPass = [](TestAnimation& w) {
        if (!w.FrameContinue->isHidden()) w.close();
    };
    TestAnimation* w = world.run();
    EXPECT_EQ(w->resultsRecorded, std::vector<int>{1});
    EXPECT_TRUE(student.menuSeen);
    EXPECT_TRUE(activityOver());
}

TEST_F(ActivityController, AWindowUnloadedDuringTheActivityGoesOnlyOnceItsLoopsHaveEnded) {
    world.queue({world.addTask(QStringLiteral("Apples"), 3)});
    Student student(world);
    QPointer<TestAnimation> during;
    student.onPass = [&during](TestAnimation& w) {
        if (PictureMoves != 1 || during) return;
        during = &w;
        unloadForm(FormId::Animation);
        QCoreApplication::processEvents();
    };
    world.run();
    // Unloading left the task like the Exit button; the window went after the activity ended.
    ASSERT_FALSE(during.isNull());
    EXPECT_EQ(during->resultsRecorded, std::vector<int>{0});
    EXPECT_FALSE(student.menuSeen);
    EXPECT_FALSE(during->activityRunning());
    for (int i = 0; i < 5 && during; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(during.isNull());
    EXPECT_FALSE(isFormLoaded(FormId::Animation));
    EXPECT_EQ(ExitRequested, 0);
    EXPECT_TRUE(world.taskWindow()->isVisible());
}

TEST_F(ActivityController, StepScanningWaitsForTheFirstScanPress) {
    StudentOptions.AccessMethod = 1;
    world.queue({world.addTask(QStringLiteral("Apples"), 2)});
    Student student(world);
    int pass = 0;
    int movesAtSpace = -1;
    int selectAfterSpace = -1;
    student.onPass = [&](TestAnimation& w) {
        ++pass;
        if (pass == 3) QTest::keyClick(&w, Qt::Key_Return);
        if (pass == 40) {
            movesAtSpace = PictureMoves;
            QTest::keyClick(&w, Qt::Key_Space);
        }
        if (pass == 41) selectAfterSpace = SelectRequested;
    };
    // The menu with two switches: Space twice moves the highlight to the task list, Enter takes it.
    int menuPass = 0;
    student.answersMenu = false;
    auto inner = student.onPass;
    student.onPass = [&, inner](TestAnimation& w) {
        inner(w);
        if (w.FrameContinue->isHidden()) return;
        ++menuPass;
        if (menuPass == 2 || menuPass == 4) QTest::keyClick(&w, Qt::Key_Space);
        if (menuPass == 6) QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
    };
    TestAnimation* w = world.run();

    EXPECT_EQ(movesAtSpace, 0);
    EXPECT_EQ(selectAfterSpace, 0);  // the Enter before the first Space chose nothing
    EXPECT_EQ(w->resultsRecorded, std::vector<int>{1});
    EXPECT_TRUE(activityOver());
}

TEST_F(ActivityController, APointerRunEndsWithTheRewardOnceEveryPictureIsRight) {
    StudentOptions.AccessMethod = 4;
    StudentOptions.JumpStart[2] = {0, 1, 1};
    world.queue({world.addTask(QStringLiteral("Apples"), 2)});
    Student student(world);
    TestAnimation* w = world.run();
    EXPECT_EQ(w->resultsRecorded, std::vector<int>{1});
    EXPECT_TRUE(student.rewardSeen);
    EXPECT_EQ(world.said(),
              QStringList({QStringLiteral("aobj_how_did.wav"), QStringLiteral("aobj_silence_half_sec.wav"),
                           QStringLiteral("aobj_very_good.wav"), QStringLiteral("aobj_silence_1sec.wav")}));
    EXPECT_TRUE(activityOver());
}

}  // namespace
