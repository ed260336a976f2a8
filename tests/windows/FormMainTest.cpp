#include "FakeAudio.h"
#include "TestPlatform.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "library/DefaultOptions.h"
#include "library/OptionsFile.h"
#include "students/FormMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

struct FormMainFixture : ::testing::Test {
    TestPlatform p;
    void SetUp() override {
        registerForm(FormId::Main, [] { return new FormMain; });
        // Calibrated, so that no first-run calibration runs, and the gong is there.
        StudentOptionsRecord teacher = defaultStudentOptions();
        teacher.AnimationSpeed = 0;
        p.writeFile(QStringLiteral("teacher.lgn"), formatStudentOptions(teacher));
        writeSilentWav(p.path(QStringLiteral("aobj_gong.wav")), 0.01);
    }
    void TearDown() override { resetForms(); }
    FormMain* show() {
        showForm(FormId::Main);
        auto* w = qobject_cast<FormMain*>(form(FormId::Main));
        QApplication::processEvents();
        QApplication::processEvents();
        return w;
    }
};

TEST_F(FormMainFixture, CoversTheWholeScreenWithTheMenuCentred) {
    // The window asks for full screen and sets the screen's geometry itself, so both must agree.
    p.screen.rect = QGuiApplication::primaryScreen()->geometry();
    FormMain* w = show();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), p.screen.rect);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Stepwick"));
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_TRUE(w->FrameMain->isVisible());
    const QRect frame = w->FrameMain->geometry();
    EXPECT_NEAR(frame.center().x(), p.screen.rect.center().x(), 1);
    EXPECT_NEAR(frame.center().y(), p.screen.rect.center().y(), 1);
    // 1800 x 1500 twips at 15 twips per pixel.
    EXPECT_EQ(w->ImageEnter->size(), QSize(120, 100));
}

TEST_F(FormMainFixture, EveryButtonHasItsWordsAsAccessibleName) {
    FormMain* w = show();
    const struct {
        const char* name;
        const char* words;
    } buttons[] = {{"ImageEnter", "Start"},
                   {"ImageOptions", "Options"},
                   {"ImageQuit", "Quit"},
                   {"ImageButTask", "Task Maker"},
                   {"PicButStudent", "View Data / Delete / Add Student"},
                   {"ImageUserGuide", "User Guide"},
                   {"ImageCredits", "Credits"}};
    for (const auto& b : buttons) {
        auto* button = w->findChild<PictureButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->accessibleName(), QString::fromLatin1(b.words));
        EXPECT_TRUE(button->isVisible()) << b.name;
    }
}

TEST_F(FormMainFixture, RendersOffscreenWithReadableButtonsWithoutPictures) {
    FormMain* w = show();
    const QImage shot = w->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // Without the shipped pictures every button still shows a light face with its label.
    const QRect r = w->ImageEnter->geometry().translated(w->FrameMain->pos());
    const QColor face = shot.pixelColor(r.left() + 10, r.center().y());
    EXPECT_GT(face.lightness(), 150);
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::black));
}

TEST_F(FormMainFixture, UserGuideAndCreditsOpenWithTheDesktop) {
    FormMain* w = show();
    QTest::mouseClick(w->ImageUserGuide, Qt::LeftButton);
    QTest::mouseClick(w->ImageCredits, Qt::LeftButton);
    ASSERT_EQ(p.shell.opened.size(), 2);
    EXPECT_TRUE(p.shell.opened[0].endsWith(QStringLiteral("/aobj_user_guide.htm")));
    EXPECT_TRUE(p.shell.opened[1].endsWith(QStringLiteral("/aobj_credits.htm")));
    EXPECT_TRUE(p.shell.opened[0].startsWith(AppFolder));
}

TEST_F(FormMainFixture, ADocumentTheDesktopCannotOpenIsReported) {
    FormMain* w = show();
    p.shell.result = false;
    p.messages.texts.clear();
    QTest::mouseClick(w->ImageUserGuide, Qt::LeftButton);
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("aobj_user_guide.htm")))
        << p.messages.texts[0].toStdString();
}

TEST_F(FormMainFixture, QuitEndsTheEventLoop) {
    FormMain* w = show();
    QTimer::singleShot(0, w, [w] { QTest::mouseClick(w->ImageQuit, Qt::LeftButton); });
    QTimer watchdog;
    bool timedOut = false;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
}

}  // namespace

namespace {

TEST_F(FormMainFixture, LogoFollowsTheEditionFile) {
    QImage kestrel(40, 20, QImage::Format_RGB32);
    kestrel.fill(Qt::red);
    kestrel.save(p.path("aobj_logo_kestrel.jpg"), "JPG");
    QImage larkin(40, 20, QImage::Format_RGB32);
    larkin.fill(Qt::green);
    larkin.save(p.path("aobj_logo_larkin.jpg"), "JPG");
    const struct {
        const char* file;
        std::int16_t edition;
        const char* logo;
    } cases[] = {{" 1 \r\n", 1, "aobj_logo_kestrel.jpg"},
                 {"2", 2, "aobj_logo_larkin.jpg"},
                 {"  7  \r\n", 7, "aobj_logo_larkin.jpg"}};
    for (const auto& c : cases) {
        p.writeFile("aobj_prog_type.cfg", c.file);
        FormMain* w = show();
        w->Form_Activate();
        EXPECT_EQ(Edition, c.edition) << c.file;
        EXPECT_TRUE(w->ImageBanner->picturePath().endsWith(QLatin1String(c.logo))) << c.file;
        resetForms();
        SetUp();
    }
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

TEST_F(FormMainFixture, DamagedEditionFileIsReportedAndTheWindowStillShows) {
    p.writeFile("aobj_prog_type.cfg", "Kestrel\r\n");
    FormMain* w = show();
    w->Form_Activate();
    ASSERT_FALSE(p.messages.texts.isEmpty());
    EXPECT_TRUE(p.messages.texts.first().contains(QLatin1String("aobj_prog_type.cfg")))
        << p.messages.texts.first().toStdString();
    EXPECT_TRUE(p.messages.texts.first().contains(QLatin1String("'Kestrel' is not a number")));
    EXPECT_EQ(Edition, 1);
    EXPECT_TRUE(w->FrameMain->isVisible());
}

}  // namespace
