#include "FaultyFiles.h"
#include "TestPlatform.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "library/DefaultOptions.h"
#include "library/OptionsFile.h"
#include "students/FormOptions.h"
#include "students/FormSpeech.h"
#include "students/FormTestSpeech.h"
#include "students/OptionsSummary.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>

#include <vector>

namespace {

const QString kSpeedMessage = QStringLiteral("The Animation Speed must be a number between 0 and 999999999");

// Calibrated options, every field within its choices.
StudentOptionsRecord calibrated() {
    StudentOptionsRecord o = defaultStudentOptions();
    o.AnimationSpeed = 5000;
    return o;
}

struct FormOptionsFixture : ::testing::Test {
    TestPlatform p;

    void SetUp() override {
        // The window covers the screen it is on (the offscreen screen).
        p.screen.rect = QGuiApplication::primaryScreen()->geometry();
        // The main window stands in as a plain window: these tests are about the options window.
        registerForm(FormId::Main, [] {
            auto* w = new QWidget;
            w->setObjectName(QStringLiteral("FormMain"));
            return w;
        });
        registerForm(FormId::Options, [] { return new FormOptions; });
        registerForm(FormId::Speech, [] { return new FormSpeech; });
        registerForm(FormId::TestSpeech, [] { return new FormTestSpeech; });
        writeStudent(QStringLiteral("teacher"), calibrated());
        CurrentStudent = QStringLiteral("teacher");
    }

    void writeStudent(const QString& name, const StudentOptionsRecord& options) {
        const StudentOptionsRecord kept = StudentOptions;
        StudentOptions = options;
        ASSERT_TRUE(saveStudentOptions(name).ok());
        StudentOptions = kept;
    }

    StudentOptionsRecord readStudent(const QString& name) {
        auto read = parseStudentOptions(p.readFile(name + QStringLiteral(".lgn")));
        EXPECT_TRUE(read.ok()) << read.error().toStdString();
        return read.ok() ? *read : StudentOptionsRecord{};
    }

    // Opens the options window as the main menu does, and lets its activation run.
    FormOptions* open() {
        showForm(FormId::Options);
        auto* w = qobject_cast<FormOptions*>(form(FormId::Options));
        QApplication::processEvents();
        QApplication::processEvents();
        // No test waits for the real delay loop.
        w->speedDelay = [](double) { return 0.0; };
        return w;
    }

    static void clickListEntry(QListWidget* list, const QString& name) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    }
};

TEST_F(FormOptionsFixture, OpeningShowsTheStudentAndCancelAsksNothing) {
    StudentOptionsRecord o = calibrated();
    o.AccessMethod = 3;
    o.ScanInterval = 7;
    o.JumpStart[4][2] = 1;
    writeStudent(QStringLiteral("teacher"), o);
    FormOptions* w = open();
    EXPECT_TRUE(w->FrameAllOptions->isVisible());
    EXPECT_TRUE(w->OptInputDevice[3]->isChecked());
    EXPECT_EQ(w->SliderScanTime->value(), 7);
    EXPECT_TRUE(w->CheckHeadStart[4][2]->isChecked());
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("5000"));
    EXPECT_EQ(w->CmdSummary->text(), QStringLiteral("Summary of options set for teacher"));
    EXPECT_EQ(w->ListLogonOptions->currentItem()->text(), QStringLiteral("teacher"));
    // Setting the controls from the file is not a change of the teacher's.
    EXPECT_EQ(w->OptionsChanged, 0);

    w->CmdCancelChanges->click();
    EXPECT_TRUE(p.messages.texts.isEmpty()) << p.messages.texts.join(u'|').toStdString();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(form(FormId::Main)->isVisible());
}

TEST_F(FormOptionsFixture, EveryPanelOpensAndItsDoneStoresAtOnce) {
    FormOptions* w = open();
    using O = StudentOptionsRecord;
    struct Case {
        QPushButton* opener;
        QGroupBox* panel;
        QAbstractButton* control;
        QPushButton* done;
        std::int16_t O::*field;
        std::int16_t value;
    };
    const Case cases[] = {
        {w->CmdDevice, w->FrameInputDevice, w->OptInputDevice[4], w->CmdDeviceDone, &O::AccessMethod, 4},
        {w->cmdFeedBack, w->FrameFeedback, w->OptFeedback[1], w->CmdFeedbackDone, &O::FeedbackMode, 1},
        {w->CmdNumbers, w->FrameNumbers, w->seqOption[3], w->cmdNumbersDone, &O::ShuffleMode, 3},
        {w->CmdNumbers, w->FrameNumbers, w->OptionBC[5], w->cmdNumbersDone, &O::BackgroundColor, 5},
        {w->CmdNumbers, w->FrameNumbers, w->OptSeqStyle[2], w->cmdNumbersDone, &O::BoxStyle, 2},
        {w->CmdSpeed, w->FrameSpeed, w->OptionTitle[2], w->CmdSpeedDone, &O::PictureTitles, 2},
        {w->CmdAuditory, w->FrameAuditory, w->OptInstructions[2], w->cmdAuditoryDone, &O::AudioInstructions, 2},
        {w->CmdAuditory, w->FrameAuditory, w->OptAudio[2], w->cmdAuditoryDone, &O::Narration, 2},
        {w->CmdVideo, w->FrameVideo, w->OptLesson[1], w->CmdVideoDone, &O::ReviewBeforeTask, 1},
        {w->CmdVideo, w->FrameVideo, w->OptLessonButton[2], w->CmdVideoDone, &O::ReviewButton, 2},
        {w->CmdVideo, w->FrameVideo, w->OptVideo[1], w->CmdVideoDone, &O::VideoBeforeTask, 1},
        {w->CmdVideo, w->FrameVideo, w->OptVideoButton[2], w->CmdVideoDone, &O::VideoButton, 2},
        {w->CmdReward, w->FrameReward, w->OptReward[2], w->CmdRewardDone, &O::RewardMode, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        c.opener->click();
        EXPECT_TRUE(c.panel->isVisible());
        EXPECT_FALSE(w->FrameAllOptions->isVisible());
        // The panel fits the screen and is centred.
        EXPECT_TRUE(w->rect().contains(c.panel->geometry()));
        EXPECT_NEAR(c.panel->geometry().center().x(), w->rect().center().x(), 1);
        QTest::mouseClick(c.control, Qt::LeftButton);
        EXPECT_TRUE(c.control->isChecked());
        c.done->click();
        EXPECT_FALSE(c.panel->isVisible());
        EXPECT_TRUE(w->FrameAllOptions->isVisible());
        EXPECT_EQ(readStudent(QStringLiteral("teacher")).*c.field, c.value);
        EXPECT_EQ(StudentOptions.*c.field, c.value);
    }
    // The slider moved with the keyboard, and a jump-start box.
    w->CmdDevice->click();
    w->SliderScanTime->setFocus();
    QTest::keyClick(w->SliderScanTime, Qt::Key_Right);
    w->CmdDeviceDone->click();
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).ScanInterval, 4);
    w->CmdHeadStart->click();
    QTest::mouseClick(w->CheckHeadStart[5][2], Qt::LeftButton);
    w->CmdHeadStartDone->click();
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).JumpStart[5][2], 1);
    EXPECT_TRUE(p.messages.texts.isEmpty()) << p.messages.texts.join(u'|').toStdString();
    EXPECT_EQ(w->OptionsChanged, 1);
}

TEST_F(FormOptionsFixture, TheVerticalLayoutButtonStores2) {
    FormOptions* w = open();
    w->CmdNumbers->click();
    QAbstractButton* vertical = nullptr;
    for (auto* b : w->FrameNumbers->findChildren<QAbstractButton*>()) {
        if (b->accessibleName() == QStringLiteral("Lay Out the Pictures Vertically")) vertical = b;
    }
    ASSERT_NE(vertical, nullptr);
    QTest::mouseClick(vertical, Qt::LeftButton);
    w->cmdNumbersDone->click();
    const QList<QByteArray> lines = p.readFile(QStringLiteral("teacher.lgn")).split('\n');
    EXPECT_EQ(lines[13], QByteArray(" 2 \r"));
}

TEST_F(FormOptionsFixture, AValueTheWindowDoesNotOfferChecksNothingAndIsKept) {
    StudentOptionsRecord o = calibrated();
    o.AccessMethod = 7;
    o.LayoutDirection = 0;
    o.ScanInterval = 25;
    o.AnimationSpeed = -1;  // not calibrated yet: the box shows it, and it is kept
    writeStudent(QStringLiteral("teacher"), o);
    FormOptions* w = open();
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(w->OptInputDevice[i]->isChecked()) << i;
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w->OptLayout[i]->isChecked()) << i;
    w->CmdDevice->click();
    w->CmdDeviceDone->click();
    w->CmdNumbers->click();
    QTest::mouseClick(w->OptionBC[2], Qt::LeftButton);
    w->cmdNumbersDone->click();
    const StudentOptionsRecord stored = readStudent(QStringLiteral("teacher"));
    EXPECT_EQ(stored.AccessMethod, 7);
    EXPECT_EQ(stored.LayoutDirection, 0);
    EXPECT_EQ(stored.ScanInterval, 25);
    EXPECT_EQ(stored.AnimationSpeed, -1);
    EXPECT_EQ(stored.BackgroundColor, 2);
    EXPECT_TRUE(p.messages.texts.isEmpty()) << p.messages.texts.join(u'|').toStdString();
}

TEST_F(FormOptionsFixture, CancelAfterADoneStillAsksAndTheDoneStays) {
    FormOptions* w = open();
    w->CmdDevice->click();
    QTest::mouseClick(w->OptInputDevice[5], Qt::LeftButton);
    w->CmdDeviceDone->click();
    // No: the window stays.
    p.messages.answers.push_back(MessageBoxes::Answer::No);
    w->CmdCancelChanges->click();
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_EQ(p.messages.texts[0], QStringLiteral("Are you sure you want to exit without saving your changes?"));
    EXPECT_TRUE(w->isVisible());
    // Yes: it goes, and what Done stored stays stored.
    w->CmdCancelChanges->click();
    EXPECT_EQ(p.messages.texts.size(), 2);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AccessMethod, 5);
    EXPECT_EQ(StudentOptions.AccessMethod, 5);
}

TEST_F(FormOptionsFixture, CancelPutsUnstoredChangesBack) {
    FormOptions* w = open();
    w->CmdDevice->click();
    QTest::mouseClick(w->OptInputDevice[1], Qt::LeftButton);
    w->CmdCancelChanges->click();  // answered Yes
    EXPECT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(w->OptInputDevice[2]->isChecked());
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AccessMethod, 2);
}

TEST_F(FormOptionsFixture, SwitchingStudentsStoresTheScreenForTheFirstAndShowsTheSecond) {
    StudentOptionsRecord a = calibrated();
    a.LayoutDirection = 1;
    StudentOptionsRecord b = calibrated();
    b.LayoutDirection = 3;
    b.RewardMode = 2;
    b.AnimationSpeed = 777;
    writeStudent(QStringLiteral("Ann"), a);
    writeStudent(QStringLiteral("Ben"), b);
    CurrentStudent = QStringLiteral("Ann");
    FormOptions* w = open();
    ASSERT_EQ(w->ListLogonOptions->count(), 3);
    EXPECT_EQ(w->ListLogonOptions->currentItem()->text(), QStringLiteral("Ann"));
    // Changed on screen, not stored by a Done.
    QTest::mouseClick(w->OptLayout[2], Qt::LeftButton);
    w->TextSpeed->setText(QStringLiteral("4321"));
    clickListEntry(w->ListLogonOptions, QStringLiteral("Ben"));

    const StudentOptionsRecord annStored = readStudent(QStringLiteral("Ann"));
    EXPECT_EQ(annStored.LayoutDirection, 2);
    EXPECT_EQ(annStored.AnimationSpeed, 4321);
    EXPECT_EQ(readStudent(QStringLiteral("Ben")), b);
    EXPECT_EQ(CurrentStudent, QStringLiteral("Ben"));
    EXPECT_EQ(StudentOptions, b);
    EXPECT_TRUE(w->OptLayout[3]->isChecked());
    EXPECT_TRUE(w->OptReward[2]->isChecked());
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("777"));
    EXPECT_EQ(w->CmdSummary->text(), QStringLiteral("Summary of options set for Ben"));
    EXPECT_EQ(w->CmdSummary->accessibleName(), QStringLiteral("Summary of options set for Ben"));
    EXPECT_TRUE(p.messages.texts.isEmpty()) << p.messages.texts.join(u'|').toStdString();
}

TEST_F(FormOptionsFixture, ADamagedFileOfTheStudentPickedSwitchesNobody) {
    writeStudent(QStringLiteral("Ann"), calibrated());
    p.writeFile(QStringLiteral("Ben.lgn"), " 1 \r\n 2 \r\n");
    CurrentStudent = QStringLiteral("Ann");
    FormOptions* w = open();
    QTest::mouseClick(w->OptFeedback[1], Qt::LeftButton);
    clickListEntry(w->ListLogonOptions, QStringLiteral("Ben"));
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("Ben.lgn"))) << p.messages.texts[0].toStdString();
    EXPECT_EQ(CurrentStudent, QStringLiteral("Ann"));
    EXPECT_EQ(w->ListLogonOptions->currentItem()->text(), QStringLiteral("Ann"));
    EXPECT_EQ(w->CmdSummary->text(), QStringLiteral("Summary of options set for Ann"));
    EXPECT_TRUE(w->OptFeedback[1]->isChecked());
    // Ann's screen was stored before the switch was tried; Ben's file is as it was.
    EXPECT_EQ(readStudent(QStringLiteral("Ann")).FeedbackMode, 1);
    EXPECT_EQ(p.readFile(QStringLiteral("Ben.lgn")), QByteArray(" 1 \r\n 2 \r\n"));
}

TEST_F(FormOptionsFixture, AFailedSaveSaysSoAndLeavesEverythingWhereItWas) {
    writeStudent(QStringLiteral("Ann"), calibrated());
    FormOptions* w = open();
    const QByteArray before = p.readFile(QStringLiteral("teacher.lgn"));
    HalfWritingFileSystem full;
    InstalledFileSystem installed(full);

    w->CmdReward->click();
    QTest::mouseClick(w->OptReward[2], Qt::LeftButton);
    w->CmdRewardDone->click();
    ASSERT_EQ(p.messages.texts.size(), 1);
    EXPECT_TRUE(p.messages.texts[0].contains(QStringLiteral("teacher.lgn"))) << p.messages.texts[0].toStdString();
    EXPECT_TRUE(w->FrameReward->isVisible());
    EXPECT_EQ(StudentOptions.RewardMode, 1);

    // Neither a change of student nor the main menu goes past it.
    w->CmdRewardDone->click();
    EXPECT_TRUE(w->FrameReward->isVisible());
    w->FrameReward->hide();
    w->FrameAllOptions->show();
    clickListEntry(w->ListLogonOptions, QStringLiteral("Ann"));
    EXPECT_EQ(CurrentStudent, QStringLiteral("teacher"));
    EXPECT_EQ(w->ListLogonOptions->currentItem()->text(), QStringLiteral("teacher"));
    w->CmdDone->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(form(FormId::Main)->isVisible());
    EXPECT_EQ(p.messages.texts.size(), 4);
    EXPECT_EQ(p.readFile(QStringLiteral("teacher.lgn")), before);
}

TEST_F(FormOptionsFixture, JumpStartRefusesAFullTaskLengthNamingOnlyTheSmallest) {
    FormOptions* w = open();
    const QByteArray before = p.readFile(QStringLiteral("teacher.lgn"));
    w->CmdHeadStart->click();
    for (int n : {3, 4}) {
        for (int j = 1; j <= n; ++j) QTest::mouseClick(w->CheckHeadStart[n][j], Qt::LeftButton);
    }
    w->CmdHeadStartDone->click();
    EXPECT_EQ(p.messages.texts, QStringList{QStringLiteral("On 3 Tasks, every box is checked.  This is not allowed")});
    EXPECT_TRUE(w->FrameHeadStart->isVisible());
    EXPECT_EQ(p.readFile(QStringLiteral("teacher.lgn")), before);

    // Two of the three, and none of the four: stored as ticked.
    QTest::mouseClick(w->CheckHeadStart[3][2], Qt::LeftButton);
    for (int j = 1; j <= 4; ++j) QTest::mouseClick(w->CheckHeadStart[4][j], Qt::LeftButton);
    w->CmdHeadStartDone->click();
    EXPECT_EQ(p.messages.texts.size(), 1);
    EXPECT_FALSE(w->FrameHeadStart->isVisible());
    const StudentOptionsRecord stored = readStudent(QStringLiteral("teacher"));
    EXPECT_EQ(stored.JumpStart[3][1], 1);
    EXPECT_EQ(stored.JumpStart[3][2], 0);
    EXPECT_EQ(stored.JumpStart[3][3], 1);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(stored.JumpStart[4][j], 0) << j;
}

TEST_F(FormOptionsFixture, TheSpeedBoxTakesDigitsOnlyAndNoTenthDigitWhenLeft) {
    FormOptions* w = open();
    w->CmdSpeed->click();
    QApplication::setActiveWindow(w);
    w->TextSpeed->setFocus();
    w->TextSpeed->setText(QStringLiteral("12"));
    w->TextSpeed->end(false);
    QTest::keyClick(w->TextSpeed, Qt::Key_A);
    QTest::keyClick(w->TextSpeed, Qt::Key_Minus);
    QTest::keyClick(w->TextSpeed, Qt::Key_Space);
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("12"));
    QTest::keyClick(w->TextSpeed, Qt::Key_3);
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("123"));
    // Pasted text goes through the same door.
    QGuiApplication::clipboard()->setText(QStringLiteral("4x"));
    w->TextSpeed->paste();
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("123"));
    QGuiApplication::clipboard()->setText(QStringLiteral("456"));
    w->TextSpeed->paste();
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("123456"));

    // A tenth digit can be typed, an eleventh cannot; leaving the box then says why, once, and
    // the focus comes back.
    QTest::keyClicks(w->TextSpeed, QStringLiteral("78901"));
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("1234567890"));
    EXPECT_TRUE(p.messages.texts.isEmpty());
    w->CmdSpeedDone->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(p.messages.texts, QStringList{kSpeedMessage});
    EXPECT_TRUE(w->TextSpeed->hasFocus());

    // Stored only as 1 to 9 digits: Done refuses and the panel stays.
    w->CmdSpeedDone->click();
    EXPECT_TRUE(w->FrameSpeed->isVisible());
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AnimationSpeed, 5000);
    EXPECT_EQ(p.messages.texts.last(), kSpeedMessage);
    QTest::keyClick(w->TextSpeed, Qt::Key_Backspace);
    w->CmdSpeedDone->click();
    EXPECT_FALSE(w->FrameSpeed->isVisible());
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AnimationSpeed, 123456789);

    // An empty box is refused on leaving too.
    w->CmdSpeed->click();
    w->TextSpeed->setFocus();
    w->TextSpeed->clear();
    const auto shown = p.messages.texts.size();
    w->CmdSpeedDone->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(p.messages.texts.size(), shown + 1);
    EXPECT_EQ(p.messages.texts.last(), kSpeedMessage);
}

TEST_F(FormOptionsFixture, FasterAndSlowerStepByTheValue) {
    FormOptions* w = open();
    w->CmdSpeed->click();
    struct Case {
        const char* value;
        const char* faster;
        const char* slower;
    };
    const Case cases[] = {{"100", "90", "200"}, {"10", "9", "20"}, {"101", "1", "201"}, {"0", "0", "1"}};
    QStringList faster, slower;
    int passes = 0;
    // Faster and Slower are offered while the speed is shown: they are clicked in between the
    // demonstration's steps.
    p.pump.script = [&](bool) {
        if (++passes != 1) return;
        EXPECT_TRUE(w->CmdSpeedFaster->isEnabled());
        EXPECT_FALSE(w->CmdTestSpeed->isEnabled());
        for (const Case& c : cases) {
            w->TextSpeed->setText(QString::fromLatin1(c.value));
            w->CmdSpeedFaster->click();
            faster.append(w->TextSpeed->text());
            w->TextSpeed->setText(QString::fromLatin1(c.value));
            w->CmdSpeedSlower->click();
            slower.append(w->TextSpeed->text());
        }
        w->CmdStopTest->click();
    };
    w->CmdTestSpeed->click();
    EXPECT_EQ(w->DemoRunning, 0);
    ASSERT_EQ(faster.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(faster[i], QString::fromLatin1(cases[i].faster)) << cases[i].value;
        EXPECT_EQ(slower[i], QString::fromLatin1(cases[i].slower)) << cases[i].value;
    }
    EXPECT_EQ(p.messages.texts, QStringList{QStringLiteral("Can't go any faster")});
    EXPECT_EQ(w->OptionsChanged, 1);
    // Stopped: Show Speed again, the others not.
    EXPECT_TRUE(w->CmdTestSpeed->isEnabled());
    EXPECT_FALSE(w->CmdStopTest->isEnabled());
    EXPECT_FALSE(w->CmdSpeedFaster->isEnabled());
    EXPECT_FALSE(w->CmdSpeedSlower->isEnabled());
    EXPECT_FALSE(w->CmdCalibrate->isEnabled());
}

TEST_F(FormOptionsFixture, TheDemonstrationMovesOneTwipAStepAndReadsTheBoxAtEveryStep) {
    FormOptions* w = open();
    w->CmdSpeed->click();
    std::vector<double> delays;
    std::vector<int> lefts;
    w->speedDelay = [&delays](double n) {
        delays.push_back(n);
        return n;
    };
    int passes = 0;
    p.pump.script = [&](bool) {
        ++passes;
        lefts.push_back(w->speedBoxLeftTwips());
        if (passes == 100) w->TextSpeed->setText(QStringLiteral("42"));
        // A whole sweep of the 6000-twip strip and a little of the next.
        if (passes == 6000) w->CmdStopTest->click();
    };
    w->CmdTestSpeed->click();
    ASSERT_EQ(delays.size(), 6000u);
    EXPECT_EQ(delays[0], 5000);
    EXPECT_EQ(delays[99], 5000);
    EXPECT_EQ(delays[100], 42);
    // From 25 one twip a step until the box's right edge reaches the strip's (25 + 405 + 5570).
    EXPECT_EQ(lefts[0], 26);
    EXPECT_EQ(lefts[5569], 5595);
    EXPECT_EQ(lefts[5570], 26);
    for (size_t i = 1; i < 5570; ++i) ASSERT_EQ(lefts[i], lefts[i - 1] + 1) << i;
    EXPECT_EQ(w->speedBoxLeftTwips(), 25);
    EXPECT_EQ(w->PicSpeed->x(), 2);  // 25 twips at 15 a pixel
    EXPECT_EQ(w->DemoRunning, 0);
}

TEST_F(FormOptionsFixture, ClearingTheBoxEndsTheDemonstrationAndShowSpeedStartsItAgain) {
    FormOptions* w = open();
    w->CmdSpeed->click();
    int passes = 0;
    p.pump.script = [&](bool) {
        if (++passes == 10) w->TextSpeed->clear();
    };
    w->CmdTestSpeed->click();
    EXPECT_EQ(w->DemoRunning, 0);
    EXPECT_EQ(passes, 10);
    EXPECT_TRUE(w->CmdTestSpeed->isEnabled());
    // Faster, as nothing runs now, starts it again from the empty box's 0.
    passes = 0;
    p.pump.script = [&](bool) {
        if (++passes == 1) {
            EXPECT_EQ(w->DemoRunning, 1);
            w->CmdStopTest->click();
        }
    };
    w->CmdSpeedFaster->click();
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("0"));
    EXPECT_EQ(passes, 1);
}

TEST_F(FormOptionsFixture, MainMenuDuringShowSpeedLetsTheLoopReturnFirst) {
    FormOptions* w = open();
    QPointer<FormOptions> alive(w);
    w->CmdSpeed->click();
    w->TextSpeed->setText(QStringLiteral("2500"));
    int passes = 0;
    int passesAfterMainMenu = 0;
    p.pump.script = [&](bool) {
        ++passes;
        if (passes == 50) {
            w->CmdDone->click();
            // Still there, whatever deletion is pending: the demonstration is below this handler.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ASSERT_FALSE(alive.isNull());
            EXPECT_FALSE(w->isVisible());
        } else if (passes > 50) {
            ++passesAfterMainMenu;
        }
    };
    w->CmdTestSpeed->click();
    EXPECT_EQ(passesAfterMainMenu, 0);
    EXPECT_FALSE(alive.isNull());
    EXPECT_EQ(w->DemoRunning, 0);
    EXPECT_TRUE(form(FormId::Main)->isVisible());
    EXPECT_FALSE(isFormLoaded(FormId::Options));
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AnimationSpeed, 2500);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(FormOptionsFixture, ClosingTheWindowDuringACalibrationStoresAndLeavesOnceItHasReturned) {
    FormOptions* w = open();
    QPointer<FormOptions> alive(w);
    w->CmdSpeed->click();
    int passes = 0;
    p.pump.script = [&](bool) {
        ++passes;
        if (passes == 3) w->CmdCalibrate->click();
        if (passes == 20) {
            EXPECT_FALSE(w->CmdDone->isEnabled());
            w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ASSERT_FALSE(alive.isNull());
            EXPECT_TRUE(w->isVisible());
        }
    };
    w->CmdTestSpeed->click();
    EXPECT_FALSE(alive.isNull());
    EXPECT_EQ(w->DemoRunning, 0);
    EXPECT_TRUE(form(FormId::Main)->isVisible());
    EXPECT_FALSE(isFormLoaded(FormId::Options));
    // The value being tried when the window was closed was stored.
    const auto stored = readStudent(QStringLiteral("teacher")).AnimationSpeed;
    EXPECT_GT(stored, 0);
    EXPECT_EQ(stored % 100, 0);
}

TEST_F(FormOptionsFixture, ResetSpeedTriesTheValuesOfTheCalibrationOnTheFakeClock) {
    FormOptions* w = open();
    w->CmdSpeed->click();
    // Each step of the box costs 10 us and each count of the delay 10 ns: 200 steps take a
    // quarter of a second from 124000 on.
    w->speedDelay = [this](double n) {
        p.clock.advance(0.00001 + n * 0.00000001);
        return n;
    };
    QStringList shown;
    int calibrationPasses = 0;
    bool calibrating = false;
    int extraClicks = 0;
    p.pump.script = [&](bool) {
        const QString text = w->TextSpeed->text();
        if (!calibrating && w->CmdCalibrate->text() == QStringLiteral("Reset Speed") && shown.isEmpty()) {
            calibrating = true;
            w->CmdCalibrate->click();  // runs the whole calibration inside this pass
            calibrating = false;
            w->CmdStopTest->click();
            return;
        }
        if (calibrating) {
            ++calibrationPasses;
            if (shown.isEmpty() || shown.back() != text) shown.append(text);
            EXPECT_EQ(w->CmdCalibrate->text(), QStringLiteral("Calculating...  Please Wait"));
            EXPECT_FALSE(w->CmdTestSpeed->isEnabled());
            EXPECT_FALSE(w->CmdSpeedFaster->isEnabled());
            // A second click while it runs is no second calibration.
            if (calibrationPasses == 30 && extraClicks++ == 0) w->CmdCalibrate->click();
        }
    };
    w->CmdTestSpeed->click();
    QStringList expected;
    for (int v = 0; v <= 2000; v += 100) expected.append(QString::number(v));
    for (int v = 3000; v <= 100000; v += 1000) expected.append(QString::number(v));
    for (int v = 110000; v <= 130000; v += 10000) expected.append(QString::number(v));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(w->TextSpeed->text(), QStringLiteral("130000"));
    EXPECT_EQ(w->CmdCalibrate->text(), QStringLiteral("Reset Speed"));
    EXPECT_TRUE(w->CmdDone->isEnabled());
    EXPECT_EQ(w->OptionsChanged, 1);
    // Only in the box until a Done stores it.
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AnimationSpeed, 5000);
    w->CmdSpeedDone->click();
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AnimationSpeed, 130000);
}

TEST_F(FormOptionsFixture, TheSummaryStatesTheStoredOptionsInWords) {
    StudentOptionsRecord o = calibrated();
    o.AccessMethod = 3;
    o.ScanInterval = 4;
    o.VideoBeforeTask = 2;
    o.VideoButton = 1;
    o.JumpStart[3][1] = 1;
    o.JumpStart[5][2] = 1;
    o.ShuffleMode = 9;
    writeStudent(QStringLiteral("teacher"), o);
    FormOptions* w = open();
    w->CmdSummary->click();
    EXPECT_TRUE(w->FrameSummary->isVisible());
    EXPECT_FALSE(w->FrameAllOptions->isVisible());
    EXPECT_EQ(w->labelSummaryTitle->text(), QStringLiteral("Summary of options set for teacher"));
    EXPECT_EQ(w->LabelSummary[0]->text(),
              QStringLiteral("Switch / Mouse Setting:   Timed scanning with an interval of 4 seconds"));
    EXPECT_EQ(w->LabelSummary[5]->text(), QStringLiteral("Video Clip Setting:   DON'T play the video clip before "
                                                         "each task and show the play video button"));
    EXPECT_EQ(w->LabelSummary[9]->text(), QStringLiteral("Jump Start:   There are 2 jump start setting(s)"));
    EXPECT_EQ(w->LabelSummary[8]->text(), QStringLiteral("Picture Shuffling Sequence:   "));
    // Stacked: each line's top 55 twips (3 or 4 pixels) below the bottom of the one above.
    for (int i = 1; i < 13; ++i) {
        const QRect above = w->LabelSummary[i - 1]->geometry();
        const QRect line = w->LabelSummary[i]->geometry();
        EXPECT_EQ(line.left(), above.left());
        EXPECT_EQ(line.size(), above.size());
        EXPECT_GE(line.top() - (above.top() + above.height()), 3) << i;
        EXPECT_LE(line.top() - (above.top() + above.height()), 4) << i;
    }
    // Every line fits the panel.
    for (QLabel* l : w->LabelSummary) {
        EXPECT_TRUE(w->FrameSummary->rect().contains(l->geometry()))
            << l->geometry().x() << "," << l->geometry().y() << " " << l->width() << "x" << l->height() << " in "
            << w->FrameSummary->width() << "x" << w->FrameSummary->height();
    }
    w->CmdSummaryBack->click();
    EXPECT_FALSE(w->FrameSummary->isVisible());
    EXPECT_TRUE(w->FrameAllOptions->isVisible());

    // A change counts once its Done has stored it.
    w->CmdHeadStart->click();
    QTest::mouseClick(w->CheckHeadStart[3][1], Qt::LeftButton);
    QTest::mouseClick(w->CheckHeadStart[5][2], Qt::LeftButton);
    w->CmdSummary->click();
    EXPECT_EQ(w->LabelSummary[9]->text(), QStringLiteral("Jump Start:   There are 2 jump start setting(s)"));
    w->CmdSummaryBack->click();
    w->CmdHeadStart->click();
    w->CmdHeadStartDone->click();
    w->CmdSummary->click();
    EXPECT_EQ(w->LabelSummary[9]->text(), QStringLiteral("Jump Start:   There are no jump start settings"));
}

TEST_F(FormOptionsFixture, EveryControlIsNamedAndTheColoursAreTheirs) {
    FormOptions* w = open();
    for (auto* c : w->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QSlider*>(c) || qobject_cast<QLineEdit*>(c) ||
            qobject_cast<QListWidget*>(c)) {
            EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
            EXPECT_NE(c->focusPolicy() & Qt::TabFocus, 0) << c->objectName().toStdString();
        }
    }
    const char* colours[] = {"Black", "Red", "Green", "Blue", "Purple", "White"};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(w->OptionBC[i]->accessibleName(), QString::fromLatin1(colours[i - 1]));
        EXPECT_EQ(w->OptionBC[i]->objectName(), QStringLiteral("OptionBC%1").arg(i));
    }
    EXPECT_EQ(w->OptInputDevice[4]->accessibleName(),
              QStringLiteral("Option 4: Drag & Drop.  Use the mouse to drag & drop the pictures."));
    EXPECT_EQ(w->CmdVideo->accessibleName(), QStringLiteral("Video & Review Lesson Options"));
    EXPECT_EQ(w->CheckHeadStart[10][10]->objectName(), QStringLiteral("CheckHeadStart10_10"));
}

TEST_F(FormOptionsFixture, KeyboardAloneSetsAnOption) {
    FormOptions* w = open();
    QApplication::setActiveWindow(w);
    w->CmdDevice->setFocus();
    QTest::keyClick(w->CmdDevice, Qt::Key_Return);
    EXPECT_TRUE(w->FrameInputDevice->isVisible());
    // The focus is on the chosen option; the arrow keys choose another.
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, w->OptInputDevice[2]);
    QTest::keyClick(focused, Qt::Key_Down);
    EXPECT_TRUE(w->OptInputDevice[3]->isChecked());
    w->CmdDeviceDone->setFocus();
    QTest::keyClick(w->CmdDeviceDone, Qt::Key_Space);
    EXPECT_EQ(readStudent(QStringLiteral("teacher")).AccessMethod, 3);
    EXPECT_EQ(QApplication::focusWidget(), w->CmdDevice);
}

TEST_F(FormOptionsFixture, TheSpeechWindowsOpenFromTheOptionsAndCloseBackToThem) {
    FormOptions* w = open();
    w->CmdTestSynth->click();
    EXPECT_FALSE(w->isVisible());
    auto* test = qobject_cast<FormTestSpeech*>(form(FormId::TestSpeech));
    ASSERT_TRUE(test->isVisible());
    EXPECT_EQ(test->windowTitle(), QStringLiteral("Test Synthesized Speech"));
    test->CmdTestSpeech->click();
    EXPECT_EQ(p.speech.spoken, QStringList{QStringLiteral("this is a test")});
    test->CmdCloseSpeech->click();
    QApplication::processEvents();
    EXPECT_FALSE(isFormLoaded(FormId::TestSpeech));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->FrameAllOptions->isVisible());

    p.speech.engine = {SpeechEngineCheck::Problem::EngineMissing, QStringLiteral("its data was not found")};
    w->CmdInstallSynth->click();
    auto* install = qobject_cast<FormSpeech*>(form(FormId::Speech));
    ASSERT_TRUE(install->isVisible());
    EXPECT_EQ(install->windowTitle(), QStringLiteral("Speech"));
    QApplication::processEvents();
    EXPECT_EQ(p.speech.checks, 1);
    EXPECT_TRUE(install->LabSpeechStatus->text().contains(QStringLiteral("libespeak-ng1 and espeak-ng-data")));
    EXPECT_TRUE(install->LabSpeechStatus->text().contains(QStringLiteral("its data was not found")));
    EXPECT_EQ(install->TextInstallCommand->text(), QStringLiteral("sudo apt install libespeak-ng1 espeak-ng-data"));
    install->CmdCopyCommand->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), install->TextInstallCommand->text());

    p.speech.engine = {SpeechEngineCheck::Problem::NoVoice, QStringLiteral("no voice for \"en-us\"")};
    install->CmdCheckSpeech->click();
    EXPECT_TRUE(install->LabSpeechStatus->text().contains(QStringLiteral("no English voice")));
    EXPECT_EQ(install->TextInstallCommand->text(), QStringLiteral("sudo apt install --reinstall espeak-ng-data"));
    p.speech.engine = {};
    install->CmdCheckSpeech->click();
    EXPECT_TRUE(install->LabSpeechStatus->text().startsWith(
        QStringLiteral("The speech engine eSpeak NG and an English voice are installed")));
    install->CmdInstallClose->click();
    QApplication::processEvents();
    EXPECT_FALSE(isFormLoaded(FormId::Speech));
    EXPECT_TRUE(w->isVisible());
}

}  // namespace
