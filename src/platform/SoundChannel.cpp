#include "platform/SoundChannel.h"

#include "platform/WavFile.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// Grace beyond a sound's length before it counts as stuck: the media framework's start-up
// (seconds on its very first use, while it builds its plugin cache) plus a margin.
constexpr qint64 kGraceMs = 10000;

}  // namespace

SoundChannel::SoundChannel() : output_(std::make_unique<QAudioOutput>()), player_(std::make_unique<QMediaPlayer>()) {
    player_->setAudioOutput(output_.get());
}

SoundChannel::~SoundChannel() = default;

bool SoundChannel::start(const QString& path, bool loop) {
    stop();
    const auto info = probeWav(path);
    if (!info || info->frames <= 0) return false;
    const QString playable = playableFile(path, *info);
    if (playable.isEmpty()) return false;
    limitMs_ = loop ? -1 : info->frames * 1000 / info->sampleRate + kGraceMs;
    const QUrl url = QUrl::fromLocalFile(QFileInfo(playable).absoluteFilePath());
    // A fresh player for every sound. Given the same name again, a player would keep the file it
    // opened before, and a prompt recorded anew under that name would still sound as it was; and
    // on a busy machine the end of the previous sound sometimes reaches a reused player only after
    // the next sound has started, which then ends at once (seen about once in forty starts under
    // full load).
    player_.reset();
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
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

// The media framework is given 16-bit PCM only: it has no decoder for some encodings that the
// sound library reads (IMA ADPCM) and ends at once on others (8-bit data of odd length). Those
// files are decoded here and played from a 16-bit copy.
QString SoundChannel::playableFile(const QString& path, const WavInfo& info) {
    if (info.format == QStringLiteral("PCM_16")) return path;
    const auto audio = readWav(path);
    if (!audio || audio->samples.empty()) return {};
    if (!copies_) copies_ = std::make_unique<QTemporaryDir>();
    if (!copies_->isValid()) return {};
    // A new name each time, so that the player never mistakes a new copy for the last one.
    const QString copy = copies_->filePath(QStringLiteral("sound%1.wav").arg(++copyCount_));
    if (!writeWav(copy, *audio).ok()) return {};
    if (!lastCopy_.isEmpty()) QFile::remove(lastCopy_);
    lastCopy_ = copy;
    return copy;
}

bool SoundChannel::isPlaying() {
    if (!started_.isValid()) return false;
    if (player_->playbackState() != QMediaPlayer::PlayingState) return false;
    // A stream the framework cannot decode after all ends here, not after the grace time.
    if (player_->error() != QMediaPlayer::NoError || player_->mediaStatus() == QMediaPlayer::InvalidMedia) {
        stop();
        return false;
    }
    if (limitMs_ >= 0 && started_.elapsed() > limitMs_) {
        // Worth a line for whoever looks into a sound that was cut short.
        qWarning().noquote() << QStringLiteral("A sound was still playing %1 s past its length and %2: %3")
                                    .arg(kGraceMs / 1000)
                                    .arg(QLatin1String(kSoundTakenAsEnded), player_->source().toLocalFile());
        stop();
        return false;
    }
    return true;
}
