#include "TestPlatform.h"

#include "platform/Services.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace {

// A small window standing for any window whose loop waits for a switch.
class SwitchWindow : public QWidget {
public:
    SwitchWindow() {
        button = new QPushButton(QStringLiteral("Select"), this);
        button->setObjectName(QStringLiteral("CmdSelect"));
        button->setGeometry(10, 10, 120, 40);
        QObject::connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
        resize(300, 200);
    }
    int spaces = 0;
    int enters = 0;
    int clicks = 0;
    QPushButton* button;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Space) ++spaces;
        if (e->key() == Qt::Key_Return) ++enters;
    }
};

TEST(ScriptedPump, KeyAndMouseEventsReachTheWindowDuringAWait) {
    TestPlatform p;
    SwitchWindow w;
    w.show();
    w.activateWindow();
    w.setFocus();

    int pass = 0;
    p.pump.script = [&](bool isWait) {
        if (!isWait) return;
        ++pass;
        if (pass == 3) QTest::keyClick(&w, Qt::Key_Space);
        if (pass == 5) QTest::keyClick(&w, Qt::Key_Return);
        if (pass == 7) QTest::mouseClick(w.button, Qt::LeftButton);
    };
    const float start = platform::clock().timer();
    // The loop of a window that waits for a switch: only flags decide when it ends.
    while (w.clicks == 0) platform::pump().waitEvents();

    EXPECT_EQ(pass, 7);
    EXPECT_EQ(w.spaces, 1);
    EXPECT_EQ(w.enters, 1);
    EXPECT_EQ(w.clicks, 1);
    // Every waiting pass moved the fake clock on by its tick.
    EXPECT_NEAR(platform::clock().timer() - start, 7 * p.pump.waitTick, 1e-3);
    EXPECT_EQ(p.pump.waitPasses, 7);
    EXPECT_EQ(p.pump.doPasses, 0);
}

TEST(ScriptedPump, AnimationPassesDoNotMoveTheClock) {
    TestPlatform p;
    const float start = platform::clock().timer();
    int seen = 0;
    p.pump.script = [&](bool isWait) { seen += isWait ? 100 : 1; };
    for (int i = 0; i < 300; ++i) platform::pump().doEvents();
    EXPECT_EQ(seen, 300);
    EXPECT_EQ(platform::clock().timer(), start);
    p.clock.advance(2.5);
    EXPECT_NEAR(platform::clock().timer() - start, 2.5, 1e-3);
}

}  // namespace
