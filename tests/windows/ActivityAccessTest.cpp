// The five access methods, each solving a whole task from the student's first press to the
// reward, with input as the window system delivers it (queued key, mouse and touch events,
// handled by the next pass of the loop that waits).

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <functional>
#include <vector>

#include "ActivityWorld.h"
#include "WindowInput.h"
#include "activity/ScanOrder.h"

namespace {

// ---- Input as the window system sends it ----

ulong mouseTime = 10'000;  // event times: two clicks 100 ms apart are a double click

void queueMouse(QWidget* window, QEvent::Type type, QPoint at, Qt::MouseButtons state, Qt::MouseButton button) {
    queueMouseEvent(window, type, at, state, button, mouseTime);
}

// A press and release at `at` (window coordinates), `gap` milliseconds after the last click.
void queueClickAt(QWidget* window, QPoint at, ulong gap = 1000) {
    mouseTime += gap;
    queueMouse(window, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouseTime += 10;
    queueMouse(window, QEvent::MouseButtonRelease, at, Qt::NoButton, Qt::LeftButton);
}

// Press at `from`, move in a few steps to `to` with the button held, release there.
void queueDrag(QWidget* window, QPoint from, QPoint to) {
    mouseTime += 1000;
    queueMouse(window, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i) {
        mouseTime += 20;
        queueMouse(window, QEvent::MouseMove, from + (to - from) * i / 4, Qt::LeftButton, Qt::NoButton);
    }
    mouseTime += 20;
    queueMouse(window, QEvent::MouseButtonRelease, to, Qt::NoButton, Qt::LeftButton);
}

void queueKeyPress(QWidget* window, Qt::Key key) {
    queueKeyEvent(window, QEvent::KeyPress, key);
    queueKeyEvent(window, QEvent::KeyRelease, key);
}

QPoint centreOf(const QWidget* control) { return control->geometry().center(); }

// A place on the window's background, left of every picture and box.
QPoint background(const QWidget* window) { return {3, window->height() / 2}; }

// ---- The world ----

struct ActivityAccess : ::testing::Test {
    ActivityWorld world;
    TestAnimation* w = nullptr;
    long passes = 0;  // waiting passes outside sentences during the run
    long nextAct = 0;
    bool rewardSeen = false;
    // The student: acts on waiting passes outside sentences, at most every third one (the loop
    // takes one input before the next comes).
    std::function<void()> student;

    void SetUp() override {
        // A loop that waits for ever fails quickly.
        world.p.pump.maxPasses = 300'000;
        StudentOptions.FeedbackMode = 1;
        writeSilentWav(world.p.path(QStringLiteral("aobj_drop_pic.wav")), 0.01);
    }

    void act(std::function<void()> input) {
        input();
        nextAct = passes + 3;
    }

    // Loads the task and runs it with the student's access method up to the reward. True when
    // the task was solved and recorded as finished.
    bool runTask(const QString& file) {
        w = world.board();
        w->show();
        QCoreApplication::processEvents();
        world.p.pump.script = [this](bool isWait) {
            if (!w->PicRewardMain->isHidden()) rewardSeen = true;
            if (!isWait || WaitingForSound == 1) return;
            ++passes;
            if (student && passes >= nextAct) student();
        };
        w->loadTask(file);
        const int method = StudentOptions.AccessMethod;
        if (method == 4 || method == 5) {
            w->runPointerTask();
        } else {
            w->runScanningTask();
        }
        world.p.pump.script = nullptr;
        return w->resultsRecorded == std::vector<int>{1};
    }

    // The slot whose picture belongs in the first empty box.
    int rightSlot() const {
        const activity::BoardState s = w->board();
        const int box = activity::firstEmptyBox(s);
        if (box == 0) return 0;
        const int step = activity::expectedStep(box, s.StepCount, w->boardOptions().layout);
        for (int slot = 1; slot <= s.StepCount; ++slot) {
            if (s.SlotStep[slot] == step) return slot;
        }
        return 0;
    }
    int slotOfStep(int step) const {
        for (int slot = 1; slot <= Task.StepCount; ++slot) {
            if (SlotStep[slot] == step) return slot;
        }
        return 0;
    }
    int boxOf(int slot) const {
        for (int b = 1; b <= Task.StepCount; ++b) {
            if (BoxSlot[b] == slot) return b;
        }
        return 0;
    }
    QPoint homeOf(int slot) const { return w->boardGeometry().home.home(slot); }
};

// ---- Step scanning with two switches ----

class StepScanning : public ActivityAccess, public ::testing::WithParamInterface<int> {};

TEST_P(StepScanning, SpaceMovesEnterAndTheMouseChooseNothingBeforeTheFirstSpace) {
    StudentOptions.AccessMethod = 1;
    StudentOptions.LayoutDirection = static_cast<std::int16_t>(GetParam());
    StudentOptions.ShuffleMode = 2;
    StudentOptions.FeedbackMode = 2;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    int before = 0;  // inputs given before the first Space
    int movesBeforeSpace = -1;
    int selects = 0;
    std::vector<int> highlighted;
    bool marqueeRightEveryTime = true;
    student = [&] {
        if (w->PicScan->isHidden()) {
            if (PictureMoves != 0) return;  // a picture on its way
            ++before;
            if (before == 1) act([&] { queueKeyPress(w, Qt::Key_Return); });
            if (before == 2) act([&] { queueClickAt(w, background(w)); });
            if (before == 3) {
                movesBeforeSpace = PictureMoves;
                act([&] { queueKeyPress(w, Qt::Key_Space); });
            }
            return;
        }
        if (highlighted.empty() || highlighted.back() != w->ScanSlot) highlighted.push_back(w->ScanSlot);
        marqueeRightEveryTime =
            marqueeRightEveryTime &&
            w->PicScan->geometry() == activity::highlightSlot(w->PicBase[w->ScanSlot]->geometry()) &&
            w->ImScanPointer->isVisible();
        if (w->ScanSlot != rightSlot()) {
            act([&] { queueKeyPress(w, Qt::Key_Space); });
            return;
        }
        // Enter and the mouse button take turns as the select switch; the mouse's clicks come
        // quickly, so that every second one arrives as a double click.
        ++selects;
        if (selects % 2 == 1) {
            act([&] { queueKeyPress(w, Qt::Key_Return); });
        } else {
            act([&] { queueClickAt(w, background(w), 100); });
        }
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_EQ(before, 3);
    EXPECT_EQ(movesBeforeSpace, 0);
    EXPECT_EQ(PictureMoves, 4);
    EXPECT_EQ(IncorrectMoves, 0);
    EXPECT_EQ(selects, 4);
    EXPECT_TRUE(marqueeRightEveryTime);
    ASSERT_FALSE(highlighted.empty());
    // The first highlight is the first picture in screen order.
    EXPECT_EQ(highlighted.front(), 1);
    EXPECT_TRUE(rewardSeen);
}

std::string layoutName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"", "LeftToRight", "TopToBottom", "RightToLeft"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Layouts, StepScanning, ::testing::Values(1, 2, 3), layoutName);

TEST_F(ActivityAccess, HoldingEnterDownMovesOnePictureOnly) {
    StudentOptions.AccessMethod = 1;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    int stage = 0;
    int movesAfterHold = -1;
    student = [&] {
        if (w->PicScan->isHidden() && stage == 0) {
            act([&] { queueKeyPress(w, Qt::Key_Space); });
            stage = 1;
            return;
        }
        if (stage == 1 && w->PicScan->isVisible()) {
            // Held down: one press, then the keyboard's repeats, released only at the end.
            act([&] {
                queueKeyEvent(w, QEvent::KeyPress, Qt::Key_Return);
                for (int i = 0; i < 5; ++i) {
                    queueKeyEvent(w, QEvent::KeyRelease, Qt::Key_Return, true);
                    queueKeyEvent(w, QEvent::KeyPress, Qt::Key_Return, true);
                }
            });
            stage = 2;
            return;
        }
        if (stage == 2 && w->PicScan->isVisible()) {
            // More repeats after the first picture went; still no second picture.
            act([&] {
                for (int i = 0; i < 5; ++i) {
                    queueKeyEvent(w, QEvent::KeyRelease, Qt::Key_Return, true);
                    queueKeyEvent(w, QEvent::KeyPress, Qt::Key_Return, true);
                }
            });
            stage = 3;
            return;
        }
        if (stage == 3) {
            movesAfterHold = PictureMoves;
            act([&] { queueKeyEvent(w, QEvent::KeyRelease, Qt::Key_Return); });
            stage = 4;
            return;
        }
        if (stage == 4) {
            // Released: the student goes on and solves the task.
            if (w->ScanSlot != rightSlot()) {
                act([&] { queueKeyPress(w, Qt::Key_Space); });
            } else {
                act([&] { queueKeyPress(w, Qt::Key_Return); });
            }
        }
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_EQ(movesAfterHold, 1);
}

// ---- A quick click ----

class QuickClick : public ActivityAccess, public ::testing::WithParamInterface<int> {};

TEST_P(QuickClick, APressAndReleaseInOnePassStillSelects) {
    StudentOptions.AccessMethod = static_cast<std::int16_t>(GetParam());
    StudentOptions.ScanInterval = 60;  // the timed highlight does not move during the test
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    bool started = false;
    int clicks = 0;
    student = [&] {
        if (w->PicScan->isHidden()) {
            if (!started && GetParam() == 1) act([&] { queueKeyPress(w, Qt::Key_Space); });
            started = true;
            return;
        }
        // Space moves the highlight on in step scanning; in timed scanning Space would choose,
        // so the highlight is moved as the clock would move it.
        if (w->ScanSlot != rightSlot()) {
            if (GetParam() == 1) {
                act([&] { queueKeyPress(w, Qt::Key_Space); });
            } else {
                act([&] { world.p.clock.advance(61); });
            }
            return;
        }
        ++clicks;
        // Both in the queue before the pass: the press is gone by the time the loop looks.
        act([&] { queueClickAt(w, background(w)); });
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(PictureMoves, 4);
}

INSTANTIATE_TEST_SUITE_P(Methods, QuickClick, ::testing::Values(1, 3), [](const auto& info) {
    return info.param == 1 ? std::string("StepScanning") : std::string("TimedScanning");
});

// ---- Timed scanning ----

TEST_F(ActivityAccess, TimedScanningMovesStrictlyAfterTheIntervalAndSpaceChooses) {
    StudentOptions.AccessMethod = 3;
    StudentOptions.ScanInterval = 2;
    StudentOptions.ShuffleMode = 2;
    StudentOptions.FeedbackMode = 2;
    // Every waiting pass takes 5 ms of the fake clock, as a real one blocks for a tick.
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    std::vector<double> gaps;  // seconds from the start of an interval to the highlight's own move
    int lastSlot = -1;
    int lastMoves = -1;
    double lastStart = 0.0;
    student = [&] {
        if (w->PicScan->isHidden()) return;
        if (lastSlot != -1 && w->ScanSlot != lastSlot && PictureMoves == lastMoves) {
            gaps.push_back(w->TimedScanStart - lastStart);
        }
        lastSlot = w->ScanSlot;
        lastMoves = PictureMoves;
        lastStart = w->TimedScanStart;
        if (w->ScanSlot == rightSlot()) act([&] { queueKeyPress(w, Qt::Key_Space); });
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_EQ(PictureMoves, 4);
    ASSERT_GE(gaps.size(), 2u);
    for (const double gap : gaps) {
        EXPECT_GT(gap, 2.0);
        EXPECT_LT(gap, 2.0 + 0.011);
    }
}

// ---- Direct selection ----

TEST_F(ActivityAccess, DirectSelectionTakesAPlacedPictureBackOutAndIgnoresAClickDuringASentence) {
    StudentOptions.AccessMethod = 2;
    StudentOptions.AudioInstructions = 1;
    world.p.audio.durations[world.p.path(QStringLiteral("aobj_access_2.wav"))] = 0.05;
    writeSilentWav(world.p.path(QStringLiteral("aobj_access_2.wav")), 0.05);
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    bool clickedDuringSentence = false;
    int movesAfterSentence = -1;
    int stage = 0;
    int wrong = 0;
    world.board()->onIntroduction = [&] {
        // The real introduction; a click on a picture while its sentence plays.
        world.p.pump.script = [&](bool isWait) {
            if (isWait && WaitingForSound == 1 && !clickedDuringSentence) {
                clickedDuringSentence = true;
                queueClickAt(w, centreOf(w->PicBase[1]));
            }
        };
        w->FormAnimation::introduceTask();
        world.p.pump.script = [this](bool isWait) {
            if (!isWait || WaitingForSound == 1) return;
            ++passes;
            if (student && passes >= nextAct) student();
        };
    };
    student = [&] {
        if (stage == 0) {
            movesAfterSentence = PictureMoves;
            stage = 1;
        }
        if (stage == 1) {
            // A wrong picture into box 1, then a click on it in its box takes it back out.
            wrong = slotOfStep(3);
            act([&] { queueClickAt(w, centreOf(w->PicBase[wrong])); });
            stage = 2;
            return;
        }
        if (stage == 2) {
            EXPECT_EQ(boxOf(wrong), 1);
            act([&] { queueClickAt(w, centreOf(w->PicBase[wrong])); });
            stage = 3;
            return;
        }
        if (stage == 3) {
            EXPECT_EQ(boxOf(wrong), 0);
            EXPECT_EQ(w->PicBase[wrong]->pos(), homeOf(wrong));
            stage = 4;
        }
        if (const int slot = rightSlot()) act([&] { queueClickAt(w, centreOf(w->PicBase[slot])); });
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_TRUE(clickedDuringSentence);
    EXPECT_EQ(movesAfterSentence, 0);
    EXPECT_EQ(PictureMoves, 6);
    EXPECT_EQ(IncorrectMoves, 1);
}

TEST_F(ActivityAccess, ATouchOnAPictureWorksLikeAClick) {
    StudentOptions.AccessMethod = 2;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    QPointingDevice* screen = QTest::createTouchDevice();
    student = [&] {
        const int slot = rightSlot();
        if (slot == 0) return;
        act([&] {
            const QPoint at = centreOf(w->PicBase[slot]);
            QTest::touchEvent(w->windowHandle(), screen).press(0, at, w->windowHandle());
            QTest::touchEvent(w->windowHandle(), screen).release(0, at, w->windowHandle());
        });
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_EQ(PictureMoves, 4);
}

// ---- What the pre-placed picture does: nothing ----

TEST_F(ActivityAccess, APicturePlacedInAdvanceDoesNotReactToClicksOrTheMouse) {
    StudentOptions.JumpStart[4] = {0, 0, 0, 1, 0};
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    for (const int method : {1, 2, 4, 5}) {
        StudentOptions.AccessMethod = static_cast<std::int16_t>(method);
        TestAnimation* board = world.layOut(task);
        w = board;
        board->show();
        QCoreApplication::processEvents();
        const int fixed = slotOfStep(3);
        const QPoint at = board->PicBase[fixed]->pos();
        SelectRequested = 0;
        board->ClickedSlot = 0;
        queueClickAt(board, centreOf(board->PicBase[fixed]));
        queueDrag(board, centreOf(board->PicBase[fixed]), {500, 100});
        QCoreApplication::processEvents();
        EXPECT_EQ(SelectRequested, 0) << method;
        EXPECT_EQ(board->ClickedSlot, 0) << method;
        EXPECT_EQ(board->HeldSlot, 0) << method;
        EXPECT_EQ(board->Dragging, 0) << method;
        EXPECT_EQ(board->PicBase[fixed]->pos(), at) << method;
        EXPECT_EQ(BoxSlot[3], fixed) << method;
        EXPECT_EQ(PictureMoves, 0) << method;
    }
}

// ---- The green frame ----

TEST_F(ActivityAccess, TheGreenFrameMarksTheFirstEmptyBoxAlsoRightToLeftWhereItIsLabelledN) {
    StudentOptions.AccessMethod = 2;
    StudentOptions.LayoutDirection = 3;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    TestAnimation* board = world.layOut(task);
    board->markTargetBox();
    EXPECT_EQ(board->TargetBox, 1);
    EXPECT_EQ(board->PicSeq[1]->accessibleName(), QStringLiteral("Box 4"));
    for (int b = 1; b <= 4; ++b) {
        EXPECT_EQ(board->PicSeq[b]->background(), b == 1 ? QColor(0, 255, 0) : QColor(255, 0, 0)) << b;
    }
    // The arrow stands above box 1 (the scan pointer has not moved: it counts as upper half).
    ASSERT_TRUE(board->ImArrowPointer->isVisibleTo(board));
    EXPECT_EQ(board->ImArrowPointer->geometry().bottom() + 2, board->PicSeq[1]->y());
    EXPECT_NEAR(board->ImArrowPointer->geometry().center().x(), board->PicSeq[1]->geometry().center().x(), 1);

    // Box 1 filled: box 2 is the green one.
    BoxStep[1] = 4;
    BoxSlot[1] = 1;
    board->markTargetBox();
    EXPECT_EQ(board->TargetBox, 2);
    EXPECT_EQ(board->PicSeq[1]->background(), QColor(255, 0, 0));
    EXPECT_EQ(board->PicSeq[2]->background(), QColor(0, 255, 0));
}

// ---- Drag and drop ----

TEST_F(ActivityAccess, DragAndDropLandsInTheLowerBoxKeepsAnOccupiedBoxEmptiesOnTheWayBackAndStaysOnScreen) {
    StudentOptions.AccessMethod = 4;
    StudentOptions.ShuffleMode = 2;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    int stage = 0;
    int first = 0;
    int second = 0;
    const auto dragFrom = [&](int slot, QPoint grab, QPoint pictureTopLeft) {
        const QPoint to = pictureTopLeft + (grab - w->PicBase[slot]->pos());
        act([&] { queueDrag(w, grab, to); });
    };
    const auto dragTo = [&](int slot, QPoint pictureTopLeft) {
        const QPoint grab = centreOf(w->PicBase[slot]);
        const QPoint to = pictureTopLeft + (grab - w->PicBase[slot]->pos());
        act([&] { queueDrag(w, grab, to); });
    };
    student = [&] {
        const activity::BoardGeometry& g = w->boardGeometry();
        switch (stage++) {
            case 0: {
                // Over boxes 1 and 2 at once: box 1 takes it.
                first = slotOfStep(1);
                const QRect b1 = g.slots[1].box;
                dragTo(first, b1.topLeft() + QPoint(b1.width() / 2, 10));
                return;
            }
            case 1: {
                EXPECT_EQ(boxOf(first), 1);
                EXPECT_EQ(w->PicBase[first]->pos(), g.slots[1].box.topLeft());
                EXPECT_EQ(world.p.wave.log.count(QStringLiteral("async ") +
                                                 world.p.path(QStringLiteral("aobj_drop_pic.wav"))),
                          1);
                // Onto box 1, which holds it, and no other box: box 1 keeps the first picture.
                second = slotOfStep(2);
                dragTo(second, g.slots[1].box.topLeft() + QPoint(-20, 20));
                return;
            }
            case 2:
                EXPECT_EQ(boxOf(first), 1);
                EXPECT_EQ(boxOf(second), 0);
                EXPECT_EQ(w->PicBase[second]->pos(), g.slots[1].box.topLeft() + QPoint(-20, 20));
                EXPECT_EQ(PictureMoves, 2);
                EXPECT_EQ(IncorrectMoves, 0);
                // The first picture back to the top row (taken by its edge that the second one
                // leaves uncovered): box 1 is empty again.
                dragFrom(first, g.slots[1].box.topLeft() + QPoint(g.slots[1].box.width() - 8, 60),
                         homeOf(first) + QPoint(0, 5));
                return;
            case 3:
                EXPECT_EQ(BoxStep[1], 0);
                // Half off the screen: it comes back onto it.
                dragTo(second, {-w->PicBase[second]->width() / 2, 200});
                return;
            case 4:
                EXPECT_EQ(w->PicBase[second]->pos(), QPoint(0, 200));
                EXPECT_EQ(boxOf(second), 0);
                EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
                [[fallthrough]];
            default:
                if (const int slot = rightSlot()) {
                    const int box = activity::firstEmptyBox(w->board());
                    dragTo(slot, g.slots[box].box.topLeft() + QPoint(8, 8));
                }
        }
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_GE(stage, 9);
    EXPECT_EQ(IncorrectMoves, 0);
    EXPECT_TRUE(rewardSeen);
}

TEST_F(ActivityAccess, DroppedOutsideEveryBoxWithImmediateFeedbackItIsSentHomeWithoutCounting) {
    StudentOptions.AccessMethod = 4;
    StudentOptions.FeedbackMode = 2;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    int stage = 0;
    student = [&] {
        const activity::BoardGeometry& g = w->boardGeometry();
        const int slot = rightSlot();
        if (slot == 0) return;
        const QPoint grab = centreOf(w->PicBase[slot]);
        const QPoint offset = grab - w->PicBase[slot]->pos();
        if (stage++ == 0) {
            act([&] { queueDrag(w, grab, QPoint(500, 40) + offset); });
            return;
        }
        const int box = activity::firstEmptyBox(w->board());
        act([&] { queueDrag(w, grab, g.slots[box].box.topLeft() + offset); });
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_EQ(world.said().count(QStringLiteral("aobj_this_doesnt_go_here.wav")), 1);
    EXPECT_EQ(PictureMoves, 5);
    EXPECT_EQ(IncorrectMoves, 0);
}

// ---- Click to carry ----

TEST_F(ActivityAccess, ClickToCarryPicksUpFollowsTheCursorAndDropsOnTheSecondClick) {
    StudentOptions.AccessMethod = 5;
    StudentOptions.ShuffleMode = 2;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    int stage = 0;
    int slot = 0;
    QPoint offset;
    bool followed = true;
    student = [&] {
        const activity::BoardGeometry& g = w->boardGeometry();
        switch (stage) {
            case 0:
                slot = rightSlot();
                if (slot == 0) return;
                offset = centreOf(w->PicBase[slot]) - w->PicBase[slot]->pos();
                QCursor::setPos(w->mapToGlobal(centreOf(w->PicBase[slot])));
                act([&] { queueClickAt(w, centreOf(w->PicBase[slot])); });
                stage = 1;
                return;
            case 1: {
                EXPECT_EQ(w->HeldSlot, slot);
                // The cursor goes to the first empty box; the picture comes after it.
                const int box = activity::firstEmptyBox(w->board());
                QCursor::setPos(w->mapToGlobal(g.slots[box].box.topLeft() + offset + QPoint(5, 5)));
                act([] {});
                stage = 2;
                return;
            }
            case 2: {
                const int box = activity::firstEmptyBox(w->board());
                followed = followed && w->PicBase[slot]->pos() == g.slots[box].box.topLeft() + QPoint(5, 5);
                act([&] { queueClickAt(w, w->mapFromGlobal(QCursor::pos())); });
                stage = 3;
                return;
            }
            default:
                EXPECT_EQ(w->HeldSlot, 0);
                EXPECT_NE(boxOf(slot), 0);
                stage = 0;
        }
    };
    ASSERT_TRUE(runTask(task));
    EXPECT_TRUE(followed);
    EXPECT_EQ(PictureMoves, 4);
    EXPECT_EQ(IncorrectMoves, 0);
}

TEST_F(ActivityAccess, AQuickSecondClickArrivingAsADoubleClickStillDropsTheCarriedPicture) {
    StudentOptions.AccessMethod = 5;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    TestAnimation* board = world.layOut(task);
    w = board;
    board->show();
    QCoreApplication::processEvents();
    const QPoint at = centreOf(board->PicBase[2]);
    QCursor::setPos(board->mapToGlobal(at));
    queueClickAt(board, at);
    QCoreApplication::processEvents();
    ASSERT_EQ(board->HeldSlot, 2);
    // Within the double-click time at the same place: Qt sends a double click instead of the
    // second press.
    int doubleClicks = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonDblClick) ++*count;
            return false;
        }
    } counter(&doubleClicks);
    board->windowHandle()->installEventFilter(&counter);
    queueClickAt(board, at, 100);
    QCoreApplication::processEvents();
    board->windowHandle()->removeEventFilter(&counter);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(board->HeldSlot, 0);
    EXPECT_EQ(board->Dragging, 0);
    EXPECT_EQ(PictureMoves, 1);
    EXPECT_EQ(board->PicBase[2]->pos(), homeOf(2));
}

}  // namespace

namespace {

// ---- The introduction ----

TEST_F(ActivityAccess, TheIntroductionSaysTheSentenceWithTheRecordingThenTheInstructionsUnderTheHourglass) {
    StudentOptions.AccessMethod = 4;
    StudentOptions.AudioInstructions = 1;
    const QString task = world.addTask(QStringLiteral("Tea"), 4);
    writeSilentWav(world.p.path(QStringLiteral("tea_intro.wav")), 0.05);
    writeSilentWav(world.p.path(QStringLiteral("None")), 0.05);  // a file that happens to be called None
    for (const char* file : {"aobj_arrange.wav", "tea_intro.wav", "aobj_access_4.wav"}) {
        world.p.audio.durations[world.p.path(QString::fromLatin1(file))] = 0.05;
    }
    TestAnimation* board = world.layOut(task);
    std::vector<Qt::CursorShape> cursorWhileSaying;
    world.p.pump.script = [&](bool isWait) {
        if (isWait && WaitingForSound == 1) cursorWhileSaying.push_back(board->cursor().shape());
    };

    Task.TaskIntroFile = world.p.path(QStringLiteral("tea_intro.wav"));
    board->FormAnimation::introduceTask();
    EXPECT_EQ(world.said(),
              QStringList({QStringLiteral("aobj_arrange.wav"), QStringLiteral("tea_intro.wav"),
                           QStringLiteral("aobj_silence_1sec.wav"), QStringLiteral("aobj_access_4.wav")}));
    ASSERT_FALSE(cursorWhileSaying.empty());
    EXPECT_EQ(cursorWhileSaying.front(), Qt::WaitCursor);
    EXPECT_EQ(board->cursor().shape(), Qt::ArrowCursor);

    // "None" is no introduction, even with a file of that name; without the instructions the
    // run starts in silence.
    world.p.audio.log.clear();
    Task.TaskIntroFile = QStringLiteral("None");
    StudentOptions.AudioInstructions = 2;
    board->FormAnimation::introduceTask();
    EXPECT_TRUE(world.said().isEmpty()) << world.said().join(u' ').toStdString();
    world.p.pump.script = nullptr;
}

}  // namespace
