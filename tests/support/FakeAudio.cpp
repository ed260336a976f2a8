#include "FakeAudio.h"

#include "FakeClock.h"

#include "platform/Services.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>

void FakeWavePlayer::playSync(const QString& path, bool loop) {
    log.append(QStringLiteral("sync ") + path + (loop ? QStringLiteral(" loop") : QString()));
    current.clear();
    const auto listed = durations.find(path);
    const double seconds = listed == durations.end() ? 0.0 : listed->second;
    const double start = clock_.monotonicSeconds();
    playingSync = path;
    platform::pump().waitWithoutInput(
        [&] { return playingSync != path || clock_.monotonicSeconds() - start >= seconds; });
    playingSync.clear();
}

void FakeWavePlayer::playAsync(const QString& path, bool loop) {
    log.append(QStringLiteral("async ") + path + (loop ? QStringLiteral(" loop") : QString()));
    current = path;
}

void FakeWavePlayer::stop() {
    log.append(QStringLiteral("stop"));
    current.clear();
    playingSync.clear();
}

class FakePlaybackDevice : public PlaybackDevice {
public:
    FakePlaybackDevice(FakeAudioDevices& owner, QString path, double duration)
        : owner_(owner), alive_(owner.alive_), path_(std::move(path)), duration_(duration) {
        ++owner_.openDevices;
    }
    ~FakePlaybackDevice() override {
        if (!*alive_) return;
        --owner_.openDevices;
        owner_.log.append(QStringLiteral("close ") + path_);
    }
    void play() override {
        if (!*alive_) return;
        owner_.log.append(QStringLiteral("play ") + path_);
        started_ = owner_.clock_.monotonicSeconds();
        playing_ = true;
    }
    void stop() override {
        if (!*alive_) return;
        owner_.log.append(QStringLiteral("stop ") + path_);
        playing_ = false;
    }
    QString mode() override {
        if (!*alive_) return QStringLiteral("stopped");
        if (playing_ && owner_.clock_.monotonicSeconds() - started_ >= duration_) playing_ = false;
        return playing_ ? QStringLiteral("playing") : QStringLiteral("stopped");
    }

private:
    FakeAudioDevices& owner_;
    std::shared_ptr<bool> alive_;
    QString path_;
    double duration_;
    double started_ = 0.0;
    bool playing_ = false;
};

std::unique_ptr<PlaybackDevice> FakeAudioDevices::openPlayback(const QString& path) {
    const auto listed = durations.find(path);
    if (undecodable.contains(path) || (listed == durations.end() && !QFileInfo(path).isFile())) {
        log.append(QStringLiteral("open failed ") + path);
        return nullptr;
    }
    log.append(QStringLiteral("open ") + path);
    const double duration = listed != durations.end() ? listed->second : defaultDuration;
    return std::make_unique<FakePlaybackDevice>(*this, path, duration);
}

namespace {
class FakeRecorder : public WaveRecorder {
public:
    FakeRecorder(FakeAudioDevices& devices, std::shared_ptr<bool> alive)
        : devices_(devices), alive_(std::move(alive)) {}
    Status start() override {
        if (!*alive_) return Error{QStringLiteral("The recorder is gone.")};
        devices_.log.append(QStringLiteral("record"));
        recording_ = devices_.hasMicrophone;
        if (!recording_) return Error{QStringLiteral("No microphone was found.")};
        return {};
    }
    Status save(const QString& path) override {
        if (!*alive_) return Error{QStringLiteral("The recorder is gone.")};
        devices_.log.append(QStringLiteral("save ") + path);
        if (!recording_) return Error{QStringLiteral("Nothing was recorded, so %1 was not written.").arg(path)};
        // A failed write leaves the file as it was, as the real recorder's does.
        if (!devices_.saveProblem.isEmpty()) return Error{devices_.saveProblem};
        if (!writeToneWav(path, 0.5, devices_.recordedLevel))
            return Error{QStringLiteral("%1 cannot be written.").arg(path)};
        return {};
    }
    void close() override {
        if (!*alive_) return;
        devices_.log.append(QStringLiteral("close recorder"));
        recording_ = false;
    }
    float level() override { return *alive_ && recording_ ? devices_.recordedLevel : 0.0f; }
    float peak() override { return *alive_ && recording_ ? devices_.recordedLevel : 0.0f; }

private:
    FakeAudioDevices& devices_;
    std::shared_ptr<bool> alive_;
    bool recording_ = false;
};

class FakeMediaPlayer : public MediaPlayer {
public:
    FakeMediaPlayer(FakeClock& clock, FakeMediaPlayers& players) : clock_(clock), players_(players), log_(players.log) {
        duration_ = players.clipDuration;
    }
    Status load(const QString& path) override {
        log_.append(QStringLiteral("load ") + path);
        state_ = State::Stopped;
        path_ = path;
        if (!QFileInfo(path).isFile()) return Error{QStringLiteral("The clip %1 does not exist.").arg(path)};
        return {};
    }
    void play() override {
        log_.append(QStringLiteral("play"));
        if (state_ != State::Paused) {
            started_ = clock_.monotonicSeconds();
            duration_ = players_.clipDuration;
        } else {
            started_ += clock_.monotonicSeconds() - pausedAt_;  // a pause does not use up the clip
        }
        state_ = State::Playing;
    }
    void pause() override {
        log_.append(QStringLiteral("pause"));
        if (state_ == State::Playing) {
            state_ = State::Paused;
            pausedAt_ = clock_.monotonicSeconds();
        }
    }
    void stop() override {
        log_.append(QStringLiteral("stop"));
        state_ = State::Stopped;
    }
    State state() override {
        if (state_ == State::Playing && players_.failing.count(path_) != 0) state_ = State::Failed;
        if (state_ == State::Playing && !isLoading() && clock_.monotonicSeconds() - started_ >= duration_)
            state_ = State::Stopped;
        return state_;
    }
    QString errorString() override {
        const auto it = players_.failing.find(path_);
        return state_ == State::Failed && it != players_.failing.end() ? it->second : QString();
    }
    bool isLoading() override { return state_ == State::Playing && players_.stalling.contains(path_); }
    void setDisplay(QWidget* window, const QRect& r) override {
        log_.append(window == nullptr
                        ? QStringLiteral("display none")
                        : QStringLiteral("display %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    }

private:
    FakeClock& clock_;
    FakeMediaPlayers& players_;
    QStringList& log_;
    QString path_;
    double duration_;
    double started_ = 0.0;
    double pausedAt_ = 0.0;
    State state_ = State::Stopped;
};
}  // namespace

std::unique_ptr<WaveRecorder> FakeAudioDevices::openRecorder() { return std::make_unique<FakeRecorder>(*this, alive_); }

bool FakeAudioDevices::addWave(const QString& path, double seconds) {
    durations[path] = seconds;
    return writeSilentWav(path, seconds);
}

std::unique_ptr<MediaPlayer> FakeMediaPlayers::create() { return std::make_unique<FakeMediaPlayer>(clock_, *this); }

bool writeSilentWav(const QString& path, double seconds) { return writeToneWav(path, seconds, 0.0f); }

bool writeToneWav(const QString& path, double seconds, float amplitude) {
    const quint32 rate = 22050;
    const quint32 samples = static_cast<quint32>(seconds * rate);
    const quint32 dataBytes = samples * 2;
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char*>(&v), 4);
    };
    auto u16 = [&wav](quint16 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char*>(&v), 2);
    };
    wav.append("RIFF");
    u32(36 + dataBytes);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(dataBytes);
    // A 440 Hz tone of that amplitude (0 to 1 of full scale); silence for 0.
    for (quint32 i = 0; i < samples; ++i) {
        const double value = amplitude * 32767.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / rate);
        u16(static_cast<quint16>(static_cast<qint16>(std::lround(value))));
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(wav) == wav.size();
}
