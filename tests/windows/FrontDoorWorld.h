#pragma once

// The main window and the task selection window on the test doubles, over a data folder with
// the teacher's options (calibrated), the gong and whatever a test adds.

#include "FakeAudio.h"
#include "TestPlatform.h"
#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "library/DefaultOptions.h"
#include "library/FormTask.h"
#include "library/OptionsFile.h"
#include "library/TaskFile.h"
#include "students/FormMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

struct FrontDoorWorld {
    TestPlatform p;
    int animationShowings = 0;

    FrontDoorWorld() {
        registerForm(FormId::Main, [] { return new FormMain; });
        registerForm(FormId::Task, [] { return new FormTask; });
        // The activity stands in as a plain window that counts its showings.
        registerForm(FormId::Animation, [this] {
            auto* w = new QWidget;
            w->setObjectName(QStringLiteral("FormAnimation"));
            w->installEventFilter(&counter);
            counter.onShow = [this] { ++animationShowings; };
            return w;
        });
        writeStudent(QStringLiteral("teacher"), calibrated());
        writeSilentWav(p.path(QStringLiteral("aobj_gong.wav")), 0.01);
        p.writeFile(QStringLiteral("aobj_prog_type.cfg"), " 1 \r\n");
    }

    static StudentOptionsRecord calibrated() {
        StudentOptionsRecord o = defaultStudentOptions();
        o.AnimationSpeed = 5000;
        return o;
    }

    // Writes a student's option file with these options (StudentOptions is left as it was).
    void writeStudent(const QString& name, const StudentOptionsRecord& options) const {
        p.writeFile(name + QStringLiteral(".lgn"), formatStudentOptions(options));
    }

    // A task file of the library with its picture files (the list reads only the task file).
    void writeTaskFile(const QString& file, const QString& category, const QString& title, int steps,
                       const QString& video = QStringLiteral("None")) const {
        QByteArray bytes = QByteArray(" ") + QByteArray::number(steps) + " \r\n" + title.toUtf8() + "\r\n" +
                           category.toUtf8() + "\r\n" + video.toUtf8() + "\r\n";
        for (int s = 1; s <= steps; ++s) bytes += "step" + QByteArray::number(s) + ".stp\r\n";
        bytes += "123\r\nNone\r\n";
        p.writeFile(file, bytes);
    }

    FormMain* mainWindow() { return qobject_cast<FormMain*>(form(FormId::Main)); }
    FormTask* taskWindow() { return qobject_cast<FormTask*>(form(FormId::Task)); }

    static void settle() {
        for (int i = 0; i < 4; ++i) QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Shows the main window and lets its activation run.
    FormMain* start() {
        showForm(FormId::Main);
        settle();
        return mainWindow();
    }

    // Start, then the student on the log-on panel, then Continue: the task selection shows.
    FormTask* logOn(const QString& student) {
        FormMain* w = start();
        w->ImageEnter->click();
        const auto found = w->ListLogon->findItems(student, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << student.toStdString();
        if (!found.isEmpty()) w->ListLogon->setCurrentItem(found.first());
        w->CmdLogonContinue->click();
        settle();
        return taskWindow();
    }

    struct ShowCounter : QObject {
        std::function<void()> onShow;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show && onShow) onShow();
            return false;
        }
    } counter;
};
