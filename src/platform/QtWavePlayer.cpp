#include "platform/QtWavePlayer.h"

#include "platform/Services.h"

SoundChannel& QtWavePlayer::channel() {
    if (!channel_) channel_ = std::make_unique<SoundChannel>();
    return *channel_;
}

void QtWavePlayer::playAsync(const QString& path, bool loop) {
    ++sound_;
    // An undecodable file plays nothing, and the sound before it stays cut off.
    channel().start(path, loop);
}

void QtWavePlayer::playSync(const QString& path, bool loop) {
    // A looping sound has no end to wait for; waiting for it plays it once.
    playAsync(path, false);
    static_cast<void>(loop);
    const unsigned mine = sound_;
    // The window repaints and timers run, and a timer may stop this sound or start another;
    // the user's clicks and keys wait until the sound is over.
    platform::pump().waitWithoutInput([this, mine] { return sound_ != mine || !channel().isPlaying(); });
}

void QtWavePlayer::stop() {
    ++sound_;
    if (channel_) channel_->stop();
}

bool QtWavePlayer::isPlaying() { return channel_ && channel_->isPlaying(); }
