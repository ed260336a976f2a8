#pragma once

// A world for tests of the activity window: the doubles, a task library written into the
// temporary AppFolder, and an activity window whose parts still to come are test stand-ins
// that record what was asked of them.

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QListWidget>
#include <functional>
#include <vector>

#include "TestPlatform.h"
#include "activity/ActivityWidgets.h"
#include "activity/FormAnimation.h"
#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "audio/MultimediaCommands.h"
#include "library/DefaultOptions.h"
#include "library/FormTask.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"

// The activity window with its later parts stood in for.
class TestAnimation : public FormAnimation {
public:
    // TaskFinished at every call of the results hook, which then writes the result files.
    std::vector<int> resultsRecorded;
    int lessons = 0;
    int videos = 0;
    std::function<void()> onVideo;
    std::function<void()> onIntroduction;
    // The lesson and the video before a task run for real (they are counted all the same).
    bool realLessonAndVideo = false;

    void recordResults() override {
        resultsRecorded.push_back(TaskFinished);
        FormAnimation::recordResults();
    }
    void playVideoBeforeTask() override {
        ++videos;
        if (onVideo) onVideo();
        if (realLessonAndVideo) FormAnimation::playVideoBeforeTask();
    }
    void playLesson() override {
        ++lessons;
        if (realLessonAndVideo) FormAnimation::playLesson();
    }
    void introduceTask() override {
        if (onIntroduction) onIntroduction();
    }
};

struct ActivityWorld {
    TestPlatform p;

    ActivityWorld() {
        StudentOptions = defaultStudentOptions();
        StudentOptions.AnimationSpeed = 0;
        StudentOptions.ShuffleMode = 3;  // in order unless a test shuffles
        StudentOptions.Narration = 2;
        StudentOptions.AudioInstructions = 2;
        StudentOptions.VideoBeforeTask = 2;
        StudentOptions.ReviewBeforeTask = 2;
        StudentOptions.PressReminder = 2;
        // "Very good." instead of the stars: the stars' colours would take random draws that
        // tests of the shuffle script (the reward's tests turn it on).
        StudentOptions.RewardMode = 2;
        CurrentStudent = QStringLiteral("Ann");
        Edition = 1;
        fillBackgroundColors();
        writeSilentWav(p.path(QStringLiteral("com_stop.wav")), 0.005);
        // Every prompt the activity says "plays" for a short while, so a test can see it.
        for (const char* prompt :
             {"aobj_how_did.wav", "aobj_this_doesnt_go_here.wav", "aobj_doesnt_go_here.wav", "aobj_keep_trying.wav",
              "aobj_next_activity.wav", "aobj_same_activity.wav", "aobj_activity_selection.wav",
              "aobj_silence_half_sec.wav", "aobj_silence_1sec.wav"}) {
            p.audio.durations[p.path(QString::fromLatin1(prompt))] = 0.05;
            p.audio.durations[QString::fromLatin1(prompt)] = 0.05;
        }
        registerForm(FormId::Animation, [this] {
            auto* w = new TestAnimation;
            // The test's screen is the fake one (1024 x 768), not the offscreen platform's, which
            // a full-screen window would take.
            w->setWindowState(Qt::WindowNoState);
            w->setGeometry(p.screen.rect);
            animation = w;
            return w;
        });
        registerForm(FormId::Task, [] { return new FormTask; });
    }
    ~ActivityWorld() {
        multimedia().observer = nullptr;
        mciSendString(QStringLiteral("close all"));
    }

    // A task of `steps` steps named by its title; its pictures are small JPEGs of their own
    // colour. Returns the task file's bare name.
    QString addTask(const QString& title, int steps, bool withPictures = true) {
        const int id = ++tasks;
        TaskRecord task;
        task.StepCount = static_cast<std::int16_t>(steps);
        task.TaskTitle = title;
        task.TaskCategory = QStringLiteral("Tests");
        task.TaskVideoFile = QStringLiteral("None");
        task.TaskId = QString::number(100 + id);
        task.TaskIntroFile = QStringLiteral("None");
        for (int s = 1; s <= steps; ++s) {
            const QString stem = QStringLiteral("t%1_s%2").arg(id).arg(s);
            StepRecord step;
            step.PictureCategory = QStringLiteral("Tests");
            step.StepDescription = title + QStringLiteral(" step %1").arg(s);
            step.StepPhonetic = QStringLiteral("None");
            step.StepPictureFile = stem + QStringLiteral(".jpg");
            step.StepWaveFile = QStringLiteral("None");
            step.PictureId = QString::number(1000 * id + s);
            EXPECT_TRUE(writePicture(stem + QStringLiteral(".stp"), step)) << stem.toStdString();
            if (withPictures) writeJpeg(step.StepPictureFile, QColor::fromHsv((37 * s + 90 * id) % 360, 200, 220));
            task.StepFileName[s] = stem + QStringLiteral(".stp");
        }
        const QString file = QStringLiteral("task%1.tsk").arg(id);
        EXPECT_TRUE(writeTask(file, task));
        return file;
    }

    void writeJpeg(const QString& name, const QColor& color, QSize size = QSize(80, 60)) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        image.save(p.path(name), "JPEG");
    }

    // The queue of the task selection window: every task ticked, in this order.
    void queue(const QStringList& taskFiles) {
        auto* list = qobject_cast<FormTask*>(form(FormId::Task));
        // The filter boxes as the window shows them, so that its showing after the activity
        // keeps this list.
        list->showStepFilter();
        // Hidden, as Continue leaves it, so that the activity's end shows it again.
        list->hide();
        list->ListTasks->clear();
        ChosenTaskCount = static_cast<std::int16_t>(taskFiles.size());
        for (int i = 0; i < taskFiles.size(); ++i) {
            auto* item = new QListWidgetItem(taskFiles[i], list->ListTasks);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
            ChosenTaskList[i + 1] = taskFiles[i];
            ChosenTaskIndex[i + 1] = static_cast<std::int16_t>(i);
        }
    }

    FormTask* taskWindow() { return qobject_cast<FormTask*>(form(FormId::Task)); }

    // Shows the activity window, which runs the activity to its end.
    TestAnimation* run() {
        showForm(FormId::Animation);
        for (int i = 0; i < 3 && (animation == nullptr || animation->isVisible()); ++i) {
            QCoreApplication::processEvents();
        }
        return animation;
    }

    // The task selection window's activation after the activity, which tells the teacher what
    // could not be saved.
    void handBack() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    // The window made to drive the board directly, without the activity.
    TestAnimation* board() {
        auto* w = static_cast<TestAnimation*>(form(FormId::Animation));
        w->setStartsOnShow(false);
        return w;
    }

    // Loads a task and lays out its board as a run of it does.
    TestAnimation* layOut(const QString& taskFile) {
        TestAnimation* w = board();
        w->loadTask(taskFile);
        w->resetBoard();
        w->enableClickSelect();
        w->layOutBoard();
        return w;
    }

    // The files the activity opened for playback, in order, by bare name.
    QStringList said() const {
        QStringList files;
        for (const QString& line : p.audio.log) {
            if (!line.startsWith(QStringLiteral("open "))) continue;
            const QString path = line.mid(line.startsWith(QStringLiteral("open failed ")) ? 12 : 5);
            files.append(path.section(u'/', -1));
        }
        return files;
    }

    TestAnimation* animation = nullptr;
    int tasks = 0;
};
