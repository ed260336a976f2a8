#include "TestPlatform.h"

#include "audio/Sound.h"

#include <gtest/gtest.h>

#include <QDir>

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
        EXPECT_EQ(p.messages.texts,
                  QStringList({QStringLiteral("Could't find file ") + name, QStringLiteral("Could't find file ") + name}));
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

    EXPECT_EQ(p.wave.log, QStringList({QStringLiteral("sync ") + full, QStringLiteral("async ") + full,
                                       QStringLiteral("async ") + full + QStringLiteral(" loop"),
                                       QStringLiteral("sync ") + full}));
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

}  // namespace
