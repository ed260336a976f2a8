#pragma once

#include "QtPrinting.h"
#include "TestPlatform.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "maintenance/FormMaint.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QListWidget>

// The workshop window on the test doubles, over a small library written into the test's data
// folder: pictures with real images, tasks naming them.
struct Workshop : ::testing::Test {
    TestPlatform p;
    FormMaint* w = nullptr;

    void SetUp() override {
        registerForm(FormId::Main, [] {
            auto* main = new QWidget;
            main->setObjectName(QStringLiteral("FormMain"));
            return main;
        });
        registerForm(FormId::Maint, [] { return new FormMaint; });
        QImage missing(32, 24, QImage::Format_RGB32);
        missing.fill(Qt::gray);
        missing.save(p.path(QStringLiteral("aobj_missing_pic.jpg")), "JPG");
    }

    // Shows the window as the main menu does and lets its activation run.
    FormMaint* open() {
        showForm(FormId::Maint);
        QApplication::processEvents();
        w = qobject_cast<FormMaint*>(form(FormId::Maint));
        return w;
    }

    // A picture file of the size of a photograph's thumbnail, in the data folder or at a path.
    QString image(const QString& nameOrPath, const QColor& colour = Qt::blue, QSize size = {64, 48}) const {
        const QString path = nameOrPath.contains(u'/') ? nameOrPath : p.path(nameOrPath);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        const bool saved = picture.save(path, "PNG");
        EXPECT_TRUE(saved) << path.toStdString();
        return path;
    }

    static StepRecord pictureRecordOf(const QString& id, const QString& category, const QString& description,
                                      const QString& image, const QString& narration = QStringLiteral("None")) {
        return StepRecord{category, description, QStringLiteral("None"), image, narration, id};
    }

    // A library picture "generated_pic_<id>.stp" with its own image "<id>.png".
    QString picture(const QString& id, const QString& category, const QString& description) const {
        image(id + QStringLiteral(".png"));
        const QString file = QStringLiteral("generated_pic_") + id + QStringLiteral(".stp");
        EXPECT_TRUE(writePicture(file, pictureRecordOf(id, category, description, id + QStringLiteral(".png"))).ok());
        return file;
    }

    static TaskRecord taskRecordOf(const QString& id, const QString& title, const QString& category,
                                   const QStringList& steps, const QString& intro = QStringLiteral("None")) {
        TaskRecord task;
        task.StepCount = static_cast<std::int16_t>(steps.size());
        task.TaskTitle = title;
        task.TaskCategory = category;
        task.TaskVideoFile = QStringLiteral("None");
        for (int s = 1; s <= task.StepCount; ++s) task.StepFileName[s] = steps[s - 1];
        task.TaskId = id;
        task.TaskIntroFile = intro;
        return task;
    }

    QString task(const QString& id, const QString& title, const QString& category, const QStringList& steps,
                 const QString& intro = QStringLiteral("None")) const {
        const QString file = QStringLiteral("generated_task_") + id + QStringLiteral(".tsk");
        EXPECT_TRUE(writeTask(file, taskRecordOf(id, title, category, steps, intro)).ok());
        return file;
    }

    // Highlights the list entry with this text, as a click does.
    static void highlight(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->setCurrentItem(found.first());
    }

    static QStringList entries(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts.append(list->item(i)->text());
        return texts;
    }

    QFrame* frame() const { return w->currentFrame(); }
    QString lastMessage() const { return p.messages.texts.isEmpty() ? QString() : p.messages.texts.last(); }
    bool exists(const QString& name) const { return QFile::exists(p.path(name)); }
};
