#include "FakeAudio.h"
#include "TestPlatform.h"

#include "activity/FormAnimation.h"
#include "app/Forms.h"
#include "app/PictureWidgets.h"
#include "library/DefaultOptions.h"
#include "library/FormTask.h"
#include "library/OptionsFile.h"
#include "maintenance/FormMaint.h"
#include "students/FormMain.h"
#include "students/FormOptions.h"
#include "students/FormSpeech.h"
#include "students/FormTestSpeech.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

struct FormsFixture : ::testing::Test {
    TestPlatform p;
    void SetUp() override {
        p.screen.rect = QGuiApplication::primaryScreen()->geometry();
        registerForm(FormId::Main, [] { return new FormMain; });
        registerForm(FormId::Task, [] { return new FormTask; });
        registerForm(FormId::Animation, [] { return new FormAnimation; });
        registerForm(FormId::Options, [] { return new FormOptions; });
        registerForm(FormId::Maint, [] { return new FormMaint; });
        registerForm(FormId::Speech, [] { return new FormSpeech; });
        registerForm(FormId::TestSpeech, [] { return new FormTestSpeech; });
        // Calibrated, so that the main window runs no first-run calibration.
        StudentOptionsRecord teacher = defaultStudentOptions();
        teacher.AnimationSpeed = 0;
        p.writeFile(QStringLiteral("teacher.lgn"), formatStudentOptions(teacher));
        writeSilentWav(p.path(QStringLiteral("aobj_gong.wav")), 0.01);
    }
    void TearDown() override { resetForms(); }
};

TEST_F(FormsFixture, EveryWindowIsTitledAndItsButtonsAreNamed) {
    const struct {
        FormId id;
        const char* name;
        bool fullScreen;
        const char* title = "Stepwick";
    } forms[] = {{FormId::Main, "FormMain", true},
                 {FormId::Task, "FormTask", true},
                 {FormId::Animation, "FormAnimation", true},
                 {FormId::Options, "FormOptions", true},
                 {FormId::Maint, "FormMaint", true, "Task Maintenance"},
                 {FormId::Speech, "FormSpeech", false, "Speech"},
                 {FormId::TestSpeech, "FormTestSpeech", false, "Test Synthesized Speech"}};
    for (const auto& f : forms) {
        QWidget* w = form(f.id);
        ASSERT_NE(w, nullptr) << f.name;
        EXPECT_EQ(w->objectName(), QString::fromLatin1(f.name));
        EXPECT_EQ(w->windowTitle(), QString::fromLatin1(f.title)) << f.name;
        EXPECT_FALSE(w->windowIcon().isNull()) << f.name;
        if (f.fullScreen) {
            EXPECT_EQ(w->geometry(), p.screen.rect) << f.name;
        }
        for (auto* b : w->findChildren<QAbstractButton*>()) {
            EXPECT_FALSE(b->accessibleName().isEmpty()) << f.name << " " << b->objectName().toStdString();
        }
    }
}

TEST_F(FormsFixture, WindowsHandOverAndUnload) {
    showForm(FormId::Main);
    EXPECT_TRUE(form(FormId::Main)->isVisible());
    auto* main = qobject_cast<FormMain*>(form(FormId::Main));
    main->ImageOptions->click();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(form(FormId::Options)->isVisible());

    // "Main Menu" of the options window leads back.
    auto* back = form(FormId::Options)->findChild<QAbstractButton*>(QStringLiteral("CmdDone"));
    ASSERT_NE(back, nullptr);
    back->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(form(FormId::Options)->isVisible());

    unloadForm(FormId::Options);
    EXPECT_FALSE(isFormLoaded(FormId::Options));
    EXPECT_NE(form(FormId::Options), nullptr);  // loaded again on demand
}

}  // namespace
