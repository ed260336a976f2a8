#include <gtest/gtest.h>

#include <QFile>
#include <QVideoWidget>
#include <QWidget>

#include "RealPlatform.h"
#include "ToneAudio.h"
#include "platform/WavFile.h"

namespace {

using State = MediaPlayer::State;

class RealMediaPlayerTest : public ::testing::Test {
protected:
    QString clip(double seconds) {
        const QString p = real.path(QStringLiteral("clip.wav"));
        EXPECT_TRUE(writeWav(p, toneAudio(seconds)).ok());
        return p;
    }

    RealPlatform real;
};

TEST_F(RealMediaPlayerTest, MissingClipDoesNotLoadAndDoesNotPlay) {
    auto player = platform::mediaPlayers().create();
    EXPECT_FALSE(player->load(real.path(QStringLiteral("no_such_clip.avi"))));
    EXPECT_FALSE(player->load(QString()));
    player->play();
    EXPECT_EQ(player->state(), State::Stopped);
}

TEST_F(RealMediaPlayerTest, StateFollowsPlayPauseStopAndTheClipsEnd) {
    auto player = platform::mediaPlayers().create();
    ASSERT_TRUE(player->load(clip(1.0)));
    EXPECT_EQ(player->state(), State::Stopped);
    player->play();
    EXPECT_EQ(player->state(), State::Playing);
    player->pause();
    EXPECT_EQ(player->state(), State::Paused);
    player->play();
    EXPECT_EQ(player->state(), State::Playing);
    player->stop();
    EXPECT_EQ(player->state(), State::Stopped);

    player->play();
    // -1 if it still played after 15 s (the first use of the media framework may take seconds).
    const double seconds = RealPlatform::waitUntil([&] { return player->state() != State::Playing; });
    EXPECT_EQ(player->state(), State::Stopped);
    EXPECT_GT(seconds, 0.5);
}

TEST_F(RealMediaPlayerTest, AClipThatCannotBePlayedFailsWithAReason) {
    const QString empty = real.path(QStringLiteral("empty.avi"));
    const QString text = real.path(QStringLiteral("text.avi"));
    ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));
    QFile textFile(text);
    ASSERT_TRUE(textFile.open(QIODevice::WriteOnly));
    textFile.write("This is not a video.\r\n");
    textFile.close();
    for (const QString& path : {empty, text}) {
        auto player = platform::mediaPlayers().create();
        ASSERT_TRUE(player->load(path)) << path.toStdString();
        player->play();
        RealPlatform::waitUntil([&] { return player->state() != State::Playing; });
        EXPECT_EQ(player->state(), State::Failed) << path.toStdString();
        EXPECT_FALSE(player->errorString().isEmpty()) << path.toStdString();
        EXPECT_FALSE(player->isLoading());
        // Loading it again clears the failure.
        ASSERT_TRUE(player->load(clip(0.5)));
        EXPECT_EQ(player->state(), State::Stopped);
        EXPECT_TRUE(player->errorString().isEmpty());
    }
}

TEST_F(RealMediaPlayerTest, PictureSitsInTheGivenRectangleAndOutlivesItsWindowSafely) {
    auto player = platform::mediaPlayers().create();
    ASSERT_TRUE(player->load(clip(2.0)));
    auto window = std::make_unique<QWidget>();
    window->resize(800, 600);
    window->show();
    player->setDisplay(window.get(), QRect(80, 60, 640, 480));
    auto* video = window->findChild<QVideoWidget*>();
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->geometry(), QRect(80, 60, 640, 480));
    EXPECT_TRUE(video->isVisible());
    player->setDisplay(nullptr, {});
    EXPECT_FALSE(video->isVisible());

    player->setDisplay(window.get(), QRect(0, 0, 320, 240));
    player->play();
    window.reset();  // the window goes first, taking the picture with it
    player->stop();
    player->setDisplay(nullptr, {});
    player.reset();
}

}  // namespace
