#include "TestPlatform.h"
#include "WindowInput.h"

#include "audio/Sound.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");

TEST(Sound, MissingFileIsReportedByTheNameAsPassedAndNothingPlays) {
    TestPlatform p;
    QDir(p.folder.path()).mkdir(QStringLiteral("folder.wav"));
    const QStringList names = {QStringLiteral("aobj_gone.wav"), p.path(QStringLiteral("aobj_gone.wav")),
                               QStringLiteral("folder.wav"), QString()};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        p.messages.texts.clear();
        playWave(name, kDontLoop);
        playWaveAsync(name, kDontLoop);
        EXPECT_EQ(p.messages.texts, QStringList({QStringLiteral("Could't find file ") + name,
                                                 QStringLiteral("Could't find file ") + name}));
        EXPECT_TRUE(p.wave.log.isEmpty());
    }
}

TEST(Sound, FoundFilePlaysByItsAbsolutePath) {
    TestPlatform p;
    ASSERT_TRUE(writeSilentWav(p.path(QStringLiteral("aobj_gong.wav")), 0.1));
    const QString full = p.path(QStringLiteral("aobj_gong.wav"));

    playWave(QStringLiteral("aobj_gong.wav"), kDontLoop);
    playWaveAsync(full, kDontLoop);
    playWaveAsync(QStringLiteral("aobj_gong.wav"), QStringLiteral("LOOP"));
    // A blocking loop would never return: the synchronous player plays once.
    playWave(full, QStringLiteral("LOOP"));

    EXPECT_EQ(p.wave.log,
              QStringList({QStringLiteral("sync ") + full, QStringLiteral("async ") + full,
                           QStringLiteral("async ") + full + QStringLiteral(" loop"), QStringLiteral("sync ") + full}));
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

TEST(Sound, AsynchronousSoundsCutEachOtherOffAndStopWaveCutsThem) {
    TestPlatform p;
    for (const char* name : {"a.wav", "b.wav", "com_stop.wav"}) {
        ASSERT_TRUE(writeSilentWav(p.path(QString::fromLatin1(name)), 0.1));
    }
    playWaveAsync(QStringLiteral("a.wav"), kDontLoop);
    playWaveAsync(QStringLiteral("b.wav"), kDontLoop);
    EXPECT_EQ(p.wave.current, p.path(QStringLiteral("b.wav")));

    stopWave();
    EXPECT_TRUE(p.wave.current.isEmpty());
    EXPECT_EQ(p.wave.log.last(), QStringLiteral("sync ") + p.path(QStringLiteral("com_stop.wav")));
    EXPECT_TRUE(p.messages.texts.isEmpty());
}

TEST(Sound, StopWaveWithoutItsStopSoundSaysSoAndStillStops) {
    TestPlatform p;
    ASSERT_TRUE(writeSilentWav(p.path(QStringLiteral("a.wav")), 0.1));
    playWaveAsync(QStringLiteral("a.wav"), kDontLoop);

    stopWave();

    EXPECT_EQ(p.messages.texts, QStringList{QStringLiteral("Could't find file com_stop.wav")});
    EXPECT_TRUE(p.wave.current.isEmpty());
}

// playWave blocks its window: a click while the sound plays must not start or stop anything
// inside the wait. It is kept, and handled once the sound has ended.
TEST(Sound, AClickDuringPlayWaveIsHandledAfterTheSoundHasEnded) {
    TestPlatform p;
    const QString gong = p.path(QStringLiteral("aobj_gong.wav"));
    ASSERT_TRUE(writeSilentWav(gong, 0.1));
    p.wave.durations[gong] = 2.0;

    WindowWithButton screen;
    QPushButton* button = screen.button;

    struct Seen {
        double at;
        QString playing;
    };
    std::vector<Seen> clicks;
    QObject::connect(button, &QPushButton::clicked, [&] {
        clicks.push_back({p.clock.monotonicSeconds(), p.wave.playingSync});
    });
    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    p.pump.script = [&](bool) {
        if (p.pump.heldPasses == 10) queueClick(button);
    };

    playWave(QStringLiteral("aobj_gong.wav"), kDontLoop);

    EXPECT_GE(p.pump.heldPasses, 400);  // 2 s in 5 ms passes
    EXPECT_TRUE(timerRan);              // the window's timers and repaints went on
    EXPECT_TRUE(clicks.empty());        // but not the click
    EXPECT_EQ(p.pump.releases, 1);
    p.pump.doEvents();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_GE(clicks[0].at, 2.0);
    EXPECT_TRUE(clicks[0].playing.isEmpty());
}

}  // namespace
