// The review lesson on the real window with the doubles: the sentences in order, the hand's
// path, the stop and early-exit buttons, and the lesson nested inside the final check.

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <vector>

#include "ActivityWorld.h"
#include "library/PathHelpers.h"

namespace {

struct ActivityLesson : ::testing::Test {
    ActivityWorld world;
    TestAnimation* w = nullptr;

    ActivityLesson() {
        for (const char* prompt :
             {"aobj_first_is.wav", "aobj_next_is.wav", "aobj_lets_learn.wav", "aobj_your_turn.wav"}) {
            world.p.audio.durations[world.p.path(QString::fromLatin1(prompt))] = 0.05;
        }
        world.writeJpeg(QStringLiteral("aobj_arrow_pointing_down.jpg"), Qt::blue, QSize(40, 50));
        world.writeJpeg(QStringLiteral("aobj_arrow_pointing_right.jpg"), Qt::blue, QSize(50, 40));
        world.p.writeFile(QStringLiteral("aobj_review_word.txt"), "Review\r\n");
        StudentOptions.ReviewButton = 1;
        StudentOptions.VideoButton = 1;
        StudentOptions.PictureTitles = 1;
    }

    // A task of `steps` steps with its board laid out; narration files for the steps listed.
    void layOut(int steps, const QString& intro = QStringLiteral("None"), const std::vector<int>& narrated = {}) {
        const QString file = world.addTask(QStringLiteral("Tea & toast"), steps);
        TaskRecord task = *readTaskFile(file, TaskReaders::editor);
        task.TaskIntroFile = intro;
        ASSERT_TRUE(writeTask(file, task));
        for (const int s : narrated) {
            const QString wave = QStringLiteral("narration%1.wav").arg(s);
            world.p.audio.addWave(world.p.path(wave), 0.05);
            StepRecord step = *readPictureFile(task.StepFileName[s], PictureReaders::editor);
            step.StepWaveFile = wave;
            ASSERT_TRUE(writePicture(task.StepFileName[s], step));
        }
        if (!isNone(intro)) world.p.audio.addWave(world.p.path(intro), 0.05);
        w = world.layOut(file);
        w->realLessonAndVideo = true;
        world.p.audio.log.clear();
    }

    // The sentence playing at this pass, by bare name; empty between sentences.
    QString sentence() const {
        if (WaitingForSound != 1) return {};
        const QStringList said = world.said();
        return said.isEmpty() ? QString() : said.back();
    }

    // Runs the lesson from the review button; the script acts once per pass (not nested).
    void lessonFromButton(const std::function<void()>& onPass = {}) {
        bool inScript = false;
        world.p.pump.script = [&](bool) {
            if (inScript) return;
            inScript = true;
            if (!w->FrameLesson->isHidden()) lessonSeen = true;
            if (onPass) onPass();
            inScript = false;
        };
        QTest::mouseClick(w->PicPlayLesson, Qt::LeftButton);
        world.p.pump.script = nullptr;
    }

    // Where the hand's middle stood at each "first is" and "next is".
    std::function<void()> noteHandAtSteps() {
        return [this] {
            const QString now = sentence();
            const bool stepSentence =
                now == QStringLiteral("aobj_first_is.wav") || now == QStringLiteral("aobj_next_is.wav");
            if (!stepSentence || world.said().size() == sentencesNoted) return;
            sentencesNoted = world.said().size();
            handAtSteps.push_back(w->PicHandLesson->geometry().center());
        };
    }

    bool lessonSeen = false;
    qsizetype sentencesNoted = 0;
    std::vector<QPoint> handAtSteps;
};

TEST_F(ActivityLesson, SentencesInOrderWithTheIntroductionAndTheNarrationsThereAre) {
    layOut(3, QStringLiteral("intro.wav"), {1, 3});
    lessonFromButton();
    EXPECT_TRUE(lessonSeen);
    const QString half = QStringLiteral("aobj_silence_half_sec.wav");
    EXPECT_EQ(world.said(),
              (QStringList{half, QStringLiteral("aobj_lets_learn.wav"), QStringLiteral("intro.wav"),
                           QStringLiteral("aobj_first_is.wav"), QStringLiteral("narration1.wav"), half,
                           QStringLiteral("aobj_next_is.wav"), half, QStringLiteral("aobj_next_is.wav"),
                           QStringLiteral("narration3.wav"), half, QStringLiteral("aobj_your_turn.wav"), half}));
}

TEST_F(ActivityLesson, WithoutAnIntroductionItStartsWithFirstIsAndShowsThePanelAsLaidOut) {
    layOut(2);
    bool checked = false;
    lessonFromButton([&] {
        if (checked || sentence() != QStringLiteral("aobj_first_is.wav")) return;
        checked = true;
        // The panel over the window, the review word and the escaped title on top, the stop
        // button at the top left, no early-exit button from the review button.
        EXPECT_EQ(w->FrameLesson->geometry(), QRect(0, 0, 1024, 768));
        EXPECT_EQ(w->LabelLesson->shownText(), QStringLiteral("Review"));
        EXPECT_EQ(w->LabelLesson->geometry(), QRect(0, 0, 1024, 30));
        EXPECT_EQ(w->LabelLessonTitle->shownText(), QStringLiteral("Tea & toast"));
        EXPECT_EQ(w->LabelLessonTitle->geometry().top(), 30);  // 451 twips
        EXPECT_FALSE(w->PicStopLessonBut->isHidden());
        EXPECT_EQ(w->PicStopLessonBut->pos(), QPoint(0, 0));
        EXPECT_TRUE(w->PicExitEarly->isHidden());
        EXPECT_TRUE(w->PicExit->isHidden());
        EXPECT_TRUE(w->PicPlayLesson->isHidden());
        // Two pictures of 6398 x 4798 twips at 853 and 8106, half the screen down.
        EXPECT_EQ(w->ImLesson[1]->geometry(), QRect(57, 384, 427, 320));
        EXPECT_EQ(w->ImLesson[2]->geometry(), QRect(540, 384, 427, 320));
        EXPECT_FALSE(w->ImLesson[1]->picture().isNull());
        EXPECT_EQ(w->ImLesson[1]->picture().size(), QSize(427, 320));
        EXPECT_FALSE(w->LabShowTitleLesson[2]->isHidden());
        EXPECT_TRUE(w->ImLesson[3]->isHidden());
    });
    EXPECT_TRUE(checked);
    const QString half = QStringLiteral("aobj_silence_half_sec.wav");
    EXPECT_EQ(world.said(),
              (QStringList{half, QStringLiteral("aobj_first_is.wav"), half, QStringLiteral("aobj_next_is.wav"), half,
                           QStringLiteral("aobj_your_turn.wav"), half}));
    EXPECT_TRUE(w->FrameLesson->isHidden());
    EXPECT_TRUE(w->PicStopLessonBut->isHidden());
    EXPECT_FALSE(w->PicExit->isHidden());
    EXPECT_FALSE(w->PicPlayLesson->isHidden());
}

TEST_F(ActivityLesson, AMissingReviewWordFileLeavesTheHeadingEmpty) {
    layOut(2);
    QFile::remove(world.p.path(QStringLiteral("aobj_review_word.txt")));
    QString heading = QStringLiteral("unset");
    lessonFromButton([&] {
        if (!w->FrameLesson->isHidden()) heading = w->LabelLesson->shownText();
    });
    EXPECT_EQ(heading, QString());
    EXPECT_TRUE(world.said().contains(QStringLiteral("aobj_your_turn.wav")));
}

TEST_F(ActivityLesson, TheHandVisitsEachTitleInReadingOrderWithTitlesOnOrOff) {
    for (const std::int16_t titles : {1, 2}) {
        for (const std::int16_t layout : {1, 3}) {
            StudentOptions.PictureTitles = titles;
            StudentOptions.LayoutDirection = layout;
            layOut(4);
            handAtSteps.clear();
            sentencesNoted = 0;
            QPoint start;
            const auto note = noteHandAtSteps();
            lessonFromButton([&] {
                if (start.isNull() && !w->PicHandLesson->isHidden()) start = w->PicHandLesson->pos();
                if (!sentence().isEmpty()) {
                    EXPECT_EQ(w->LabShowTitleLesson[1]->isHidden(), titles != 1);
                }
                note();
            });
            const std::string what = "titles " + std::to_string(titles) + " layout " + std::to_string(layout);
            // Left to right from beyond the left edge; right to left from beyond the right one.
            if (layout == 1) {
                EXPECT_LT(start.x(), 0) << what;
            } else {
                EXPECT_GE(start.x(), 1024) << what;
            }
            ASSERT_EQ(handAtSteps.size(), 4u) << what;
            for (int step = 1; step <= 4; ++step) {
                // Right to left step s is at place N + 1 - s: step 1 is the right-most picture.
                const int place = layout == 3 ? 5 - step : step;
                EXPECT_EQ(w->ImLesson[place]->accessibleName(), Task.StepDescription[step]) << what;
                const QRect title = w->LabShowTitleLesson[place]->geometry();
                EXPECT_NEAR(handAtSteps[step - 1].x(), title.center().x(), 1) << what << " step " << step;
                EXPECT_LT(handAtSteps[step - 1].y(), title.top()) << what;
            }
        }
    }
}

TEST_F(ActivityLesson, VerticalTheHandComesDownTheColumn) {
    StudentOptions.LayoutDirection = 2;
    layOut(3);
    QPoint start;
    const auto note = noteHandAtSteps();
    lessonFromButton([&] {
        if (start.isNull() && !w->PicHandLesson->isHidden()) start = w->PicHandLesson->pos();
        note();
    });
    EXPECT_LT(start.y(), 0);
    ASSERT_EQ(handAtSteps.size(), 3u);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_NEAR(handAtSteps[p - 1].y(), w->ImLesson[p]->geometry().center().y(), 1) << p;
        EXPECT_LT(handAtSteps[p - 1].x(), w->ImLesson[p]->geometry().left()) << p;
    }
}

TEST_F(ActivityLesson, TheHandMovesOneTwipAtATimeWithEventsBeforeEachUnit) {
    layOut(2);
    const long before = world.p.pump.doPasses;
    lessonFromButton();
    // From -40 pixels to beyond 1024: more than 1064 x 15 units, each after a pass of events.
    EXPECT_GT(world.p.pump.doPasses - before, 1064 * 15);
}

TEST_F(ActivityLesson, StopDuringNextIsSilencesItClosesThePanelAndLeavesTheStudentOnTheTask) {
    StudentOptions.VideoButton = 2;
    layOut(3, QStringLiteral("None"), {2});
    world.p.audio.durations[world.p.path(QStringLiteral("aobj_next_is.wav"))] = 30.0;
    const double startedAt = world.p.clock.monotonicSeconds();
    bool pressed = false;
    lessonFromButton([&] {
        if (pressed || sentence() != QStringLiteral("aobj_next_is.wav")) return;
        pressed = true;
        QTest::mouseClick(w->PicStopLessonBut, Qt::LeftButton);
    });
    ASSERT_TRUE(pressed);
    EXPECT_LT(world.p.clock.monotonicSeconds() - startedAt, 30.0);       // cut off, not played out
    EXPECT_EQ(world.said().back(), QStringLiteral("aobj_next_is.wav"));  // nothing after it
    EXPECT_TRUE(
        world.p.audio.log.contains(QStringLiteral("close ") + world.p.path(QStringLiteral("aobj_next_is.wav"))));
    EXPECT_TRUE(w->FrameLesson->isHidden());
    EXPECT_TRUE(w->PicHandLesson->isHidden());
    EXPECT_TRUE(w->PicStopLessonBut->isHidden());
    EXPECT_FALSE(w->PicExit->isHidden());
    EXPECT_FALSE(w->PicPlayLesson->isHidden());
    EXPECT_TRUE(w->PicPlayVideo->isHidden());  // VideoButton off
    EXPECT_EQ(ExitRequested, 0);
    EXPECT_EQ(w->LessonFromButton, 0);
    EXPECT_EQ(WaitingForSound, 0);
    // The board is as it was.
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(w->PicBase[k]->isHidden()) << k;
}

TEST_F(ActivityLesson, TheReviewButtonDuringHowDidPlaysTheLessonAndTheCheckEndsAsItWould) {
    StudentOptions.FeedbackMode = 1;
    layOut(3);
    for (const int slot : {1, 2, 3}) w->moveSelectedPicture(slot);
    world.p.audio.durations[world.p.path(QStringLiteral("aobj_how_did.wav"))] = 30.0;
    world.p.audio.log.clear();
    bool pressed = false;
    bool inScript = false;
    std::vector<int> waitingAfterLesson;
    world.p.pump.script = [&](bool) {
        if (inScript) return;
        inScript = true;
        if (!pressed && sentence() == QStringLiteral("aobj_how_did.wav")) {
            pressed = true;
            QTest::mouseClick(w->PicPlayLesson, Qt::LeftButton);
            waitingAfterLesson.push_back(WaitingForSound);
        }
        inScript = false;
    };
    const int result = w->checkSequence();
    world.p.pump.script = nullptr;
    ASSERT_TRUE(pressed);
    EXPECT_EQ(result, 0);  // solved, as without the lesson
    EXPECT_TRUE(world.said().contains(QStringLiteral("aobj_your_turn.wav")));
    EXPECT_EQ(world.said().count(QStringLiteral("aobj_how_did.wav")), 1);
    // Inside the check the sentence flag stays up, and the Exit button stays hidden until the
    // check ends.
    EXPECT_EQ(waitingAfterLesson, std::vector<int>{1});
    EXPECT_FALSE(w->PicExit->isHidden());
    EXPECT_TRUE(w->FrameLesson->isHidden());
    for (int b = 1; b <= 3; ++b) EXPECT_EQ(BoxStep[b], b);
    EXPECT_EQ(WaitingForSound, 0);
    EXPECT_EQ(ExitRequested, 0);
}

// A student for a whole activity: solves the task, answers the menu with the task list.
struct Solver {
    ActivityWorld& world;
    std::function<void(TestAnimation&)> onPass;
    bool menuSeen = false;
    int runs = 0;
    bool inScript = false;

    explicit Solver(ActivityWorld& w) : world(w) {
        world.p.pump.script = [this](bool isWait) {
            TestAnimation* a = world.animation;
            if (a == nullptr || inScript) return;
            inScript = true;
            if (onPass) onPass(*a);
            if (isWait && WaitingForSound != 1 && a->activityRunning()) act(*a);
            inScript = false;
        };
    }
    ~Solver() { world.p.pump.script = nullptr; }

    void act(TestAnimation& a) {
        if (!a.FrameContinue->isHidden()) {
            menuSeen = true;
            QTest::mouseClick(a.ImageContinueTask, Qt::LeftButton);
            return;
        }
        if (a.ClickSelectEnabled != 1 || a.ClickedSlot != 0) return;
        const activity::BoardState s = a.board();
        const int box = activity::firstEmptyBox(s);
        if (box == 0) return;
        const int step = activity::expectedStep(box, s.StepCount, a.boardOptions().layout);
        for (int slot = 1; slot <= s.StepCount; ++slot) {
            if (s.SlotStep[slot] == step) a.selectSlot(slot);
        }
    }
};

TEST_F(ActivityLesson, TheEarlyExitDuringAnAutomaticLessonEndsTheTaskAndTheNextActivityRunsNormally) {
    StudentOptions.ReviewBeforeTask = 1;
    world.queue({world.addTask(QStringLiteral("Apples"), 2)});
    Solver student(world);
    form(FormId::Animation);
    world.animation->realLessonAndVideo = true;
    int runs = 0;
    world.animation->onIntroduction = [&] { ++runs; };
    bool pressed = false;
    bool earlyExitShown = false;
    student.onPass = [&](TestAnimation& a) {
        if (!a.FrameLesson->isHidden() && !a.PicExitEarly->isHidden()) earlyExitShown = true;
        if (pressed || sentence() != QStringLiteral("aobj_first_is.wav")) return;
        pressed = true;
        QTest::mouseClick(a.PicExitEarly, Qt::LeftButton);
    };
    w = world.animation;
    TestAnimation* a = world.run();
    ASSERT_TRUE(pressed);
    EXPECT_TRUE(earlyExitShown);
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(student.menuSeen);
    EXPECT_TRUE(a->resultsRecorded.empty());
    EXPECT_FALSE(world.said().contains(QStringLiteral("aobj_your_turn.wav")));
    EXPECT_TRUE(a->isHidden());
    EXPECT_FALSE(a->activityRunning());
    EXPECT_EQ(ExitEarlyRequested, 0);

    // The next activity: the whole lesson, then the run, solved, and the menu.
    student.onPass = nullptr;
    world.p.audio.log.clear();
    world.queue({ChosenTaskList[1]});
    world.run();
    EXPECT_EQ(a->lessons, 2);
    EXPECT_TRUE(world.said().contains(QStringLiteral("aobj_your_turn.wav")));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(student.menuSeen);
    EXPECT_EQ(a->resultsRecorded, std::vector<int>{1});
}

TEST_F(ActivityLesson, ClosingTheWindowDuringALessonFromTheButtonEndsTheRunRecordedOnce) {
    for (const bool video : {false, true}) {
        const QString task = world.addTask(QStringLiteral("Apples"), 2);
        if (video) {
            TaskRecord record = *readTaskFile(task, TaskReaders::editor);
            record.TaskVideoFile = QStringLiteral("clip.avi");
            ASSERT_TRUE(writeTask(task, record));
            world.p.writeFile(QStringLiteral("clip.avi"), "clip");
            world.p.media.clipDuration = 1000.0;
        }
        world.queue({task});
        Solver student(world);
        form(FormId::Animation);
        world.animation->realLessonAndVideo = true;
        w = world.animation;
        w->resultsRecorded.clear();
        bool pressed = false;
        bool closed = false;
        double closedAt = 0;
        student.onPass = [&](TestAnimation& a) {
            if (!pressed && a.ClickSelectEnabled == 1 && !a.PicPlayLesson->isHidden()) {
                pressed = true;
                student.inScript = false;  // the student goes on acting inside the lesson or clip
                QTest::mouseClick(video ? a.PicPlayVideo : a.PicPlayLesson, Qt::LeftButton);
                student.inScript = true;
                return;
            }
            const bool inside = video ? world.p.media.log.contains(QStringLiteral("play"))
                                      : sentence() == QStringLiteral("aobj_first_is.wav");
            if (pressed && !closed && inside) {
                closed = true;
                closedAt = world.p.clock.monotonicSeconds();
                a.close();
            }
        };
        world.run();
        ASSERT_TRUE(closed) << video;
        EXPECT_LT(world.p.clock.monotonicSeconds() - closedAt, 100.0) << video;  // the clip did not play on
        EXPECT_EQ(w->resultsRecorded, std::vector<int>{0}) << video;             // not finished, once
        EXPECT_FALSE(student.menuSeen) << video;
        EXPECT_FALSE(w->activityRunning()) << video;
        EXPECT_TRUE(w->FrameLesson->isHidden());
        EXPECT_TRUE(w->PicTV->isHidden());
        world.p.media.log.clear();
    }
}

}  // namespace
