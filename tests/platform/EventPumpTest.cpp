#include "RealPlatform.h"
#include "ToneAudio.h"
#include "WindowInput.h"

#include "platform/QtEventPump.h"
#include "platform/QtWavePlayer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

// The real pump over the real event loop: a click queued by the window system during passes
// that hold input back is not handled there, is not lost, and is handled by the first pass
// after the release.
TEST(QtEventPump, HeldInputIsHandledAfterTheReleaseAndNotBefore) {
    QtEventPump pump;
    WindowWithButton screen;
    QPushButton* button = screen.button;
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(1);

    queueClick(button);
    for (int i = 0; i < 20; ++i) pump.waitEventsHoldingInput();
    EXPECT_EQ(clicks, 0);
    EXPECT_GT(ticks, 0);  // timers still run

    pump.releaseInput();
    pump.doEvents();
    EXPECT_EQ(clicks, 1);

    // Without a hold, a queued click is handled by the next pass.
    queueClick(button);
    pump.waitEvents();
    EXPECT_EQ(clicks, 2);
}

// The real player's blocking play holds a click back until the sound has ended.
TEST(QtEventPump, AClickDuringTheRealPlayersBlockingPlayWaitsForItsEnd) {
    RealPlatform real;
    const QString tone = real.path(QStringLiteral("tone.wav"));
    ASSERT_TRUE(writeWav(tone, toneAudio(0.6)).ok());
    WindowWithButton screen;
    QPushButton* button = screen.button;
    WavePlayer& player = platform::wavePlayer();
    int clicks = 0;
    bool playingAtClick = true;
    QObject::connect(button, &QPushButton::clicked, [&] {
        ++clicks;
        playingAtClick = dynamic_cast<QtWavePlayer&>(player).isPlaying();
    });
    bool queued = false;
    QTimer::singleShot(100, [&] {
        queueClick(button);
        queued = true;
    });

    player.playSync(tone, false);

    EXPECT_TRUE(queued);
    EXPECT_EQ(clicks, 0);
    platform::pump().doEvents();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(playingAtClick);
}

}  // namespace
