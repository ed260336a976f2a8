#include "platform/QtAudioDevices.h"

#include "platform/QtWaveRecorder.h"
#include "platform/SoundChannel.h"
#include "platform/WavFile.h"

namespace {

class QtPlaybackDevice : public PlaybackDevice {
public:
    explicit QtPlaybackDevice(const QString& path) : path_(path) {}

    void play() override { channel_.start(path_, false); }
    void stop() override { channel_.stop(); }
    // Opened and not yet played counts as stopped, as does a sound that has ended.
    QString mode() override { return channel_.isPlaying() ? QStringLiteral("playing") : QStringLiteral("stopped"); }

private:
    QString path_;
    SoundChannel channel_;
};

}  // namespace

std::unique_ptr<PlaybackDevice> QtAudioDevices::openPlayback(const QString& path) {
    const auto info = probeWav(path);
    if (!info || info->frames <= 0) return nullptr;
    return std::make_unique<QtPlaybackDevice>(path);
}

std::unique_ptr<WaveRecorder> QtAudioDevices::openRecorder() { return std::make_unique<QtWaveRecorder>(); }
