#include "platform/SoundChannel.h"

#include "platform/WavFile.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {

// Grace beyond a sound's length before it counts as stuck: the media framework's start-up
// (seconds on its very first use, while it builds its plugin cache) plus a margin.
constexpr qint64 kGraceMs = 10000;

}  // namespace

SoundChannel::SoundChannel()
    : output_(std::make_unique<QAudioOutput>()), player_(std::make_unique<QMediaPlayer>()) {
    player_->setAudioOutput(output_.get());
}

SoundChannel::~SoundChannel() = default;

bool SoundChannel::start(const QString& path, bool loop) {
    stop();
    const auto info = probeWav(path);
    if (!info || info->frames <= 0) return false;
    limitMs_ = loop ? -1 : info->frames * 1000 / info->sampleRate + kGraceMs;
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    // Always a fresh source: given the same name again, the player would keep the file it opened
    // before, and a prompt recorded anew under that name would still sound as it was.
    player_->setSource(QUrl());
    player_->setSource(url);
    player_->setLoops(loop ? QMediaPlayer::Infinite : 1);
    player_->play();
    started_.start();
    return true;
}

void SoundChannel::stop() {
    if (player_->playbackState() != QMediaPlayer::StoppedState) player_->stop();
    started_.invalidate();
}

bool SoundChannel::isPlaying() {
    if (!started_.isValid()) return false;
    if (player_->playbackState() != QMediaPlayer::PlayingState) return false;
    if (limitMs_ >= 0 && started_.elapsed() > limitMs_) {
        stop();
        return false;
    }
    return true;
}
