#pragma once

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QTemporaryDir;
struct WavInfo;

// Part of the warning given when a sound that would not end is taken as ended.
inline constexpr char kSoundTakenAsEnded[] = "was taken as ended";

// One wave file at a time through Qt Multimedia, with an end that can be polled. Shared by the
// simple player, the playback devices and the speech output.
class SoundChannel {
public:
    SoundChannel();
    ~SoundChannel();
    SoundChannel(const SoundChannel&) = delete;
    SoundChannel& operator=(const SoundChannel&) = delete;

    // Starts the file from its beginning, cutting off what this channel was playing. A file that
    // cannot be decoded plays nothing and gives false.
    bool start(const QString& path, bool loop);
    void stop();

    // True from start() until the sound has ended, failed or was stopped. A sound that outlives
    // its length by several seconds (a stuck media pipeline) counts as ended, so that nobody
    // waits for it forever; a warning with kSoundTakenAsEnded says so.
    bool isPlaying();

private:
    QString playableFile(const QString& path, const WavInfo& info);

    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;  // after the output it uses, so it goes first
    QElapsedTimer started_;
    qint64 limitMs_ = -1;                    // -1 while looping: no end to wait for
    std::unique_ptr<QTemporaryDir> copies_;  // 16-bit copies of files in other encodings
    QString lastCopy_;
    int copyCount_ = 0;
};
