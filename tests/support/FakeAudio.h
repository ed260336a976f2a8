#pragma once

#include "platform/MediaPlayer.h"
#include "platform/PlaybackDevice.h"
#include "platform/WavePlayer.h"

#include <QSet>
#include <QStringList>

#include <map>
#include <memory>

class FakeClock;

// The simple player: records "sync PATH", "async PATH" (with " loop" when looping) and "stop".
// A synchronous sound listed in durations lasts that long on the fake clock, waited for as the
// real player waits (EventPump::waitWithoutInput); any other ends at once.
class FakeWavePlayer : public WavePlayer {
public:
    explicit FakeWavePlayer(FakeClock& clock) : clock_(clock) {}
    void playSync(const QString& path, bool loop) override;
    void playAsync(const QString& path, bool loop) override;
    void stop() override;

    QStringList log;
    QString current;      // the asynchronous sound still sounding, empty when none
    QString playingSync;  // the synchronous sound being waited for, empty when none
    std::map<QString, double> durations;

private:
    FakeClock& clock_;
};

// Playback devices whose sounds last a set time on the fake clock, and a recorder that writes
// a short WAV file: a tone of recordedLevel, which is also what it hears meanwhile. Every action goes to log: "open
// PATH", "play PATH", "stop PATH", "close PATH", "record", "save PATH", "close recorder".
//
// A device may outlive its FakeAudioDevices (a test that ends with a device still open in a
// process-wide interface); it then does nothing and reports "stopped".
class FakeAudioDevices : public AudioDevices {
public:
    explicit FakeAudioDevices(FakeClock& clock) : clock_(clock) {}
    ~FakeAudioDevices() override { *alive_ = false; }
    FakeAudioDevices(const FakeAudioDevices&) = delete;
    FakeAudioDevices& operator=(const FakeAudioDevices&) = delete;

    std::unique_ptr<PlaybackDevice> openPlayback(const QString& path) override;
    std::unique_ptr<WaveRecorder> openRecorder() override;

    // Writes a silent WAV of that length at path and lets it play for as long. False when the
    // file cannot be written.
    bool addWave(const QString& path, double seconds);

    // Seconds a file plays; files not listed play defaultDuration. A path listed here opens even
    // when no such file exists on disk; any other path must exist.
    std::map<QString, double> durations;
    double defaultDuration = 1.0;
    QSet<QString> undecodable;  // open fails, as for a file that is not a usable WAV
    bool hasMicrophone = true;
    float recordedLevel = 0.5f;  // 0 to 1 of full scale; 0 records silence
    QString saveProblem;         // when set, saving fails with it and writes nothing

    QStringList log;
    int openDevices = 0;  // playback devices not yet destroyed

private:
    friend class FakePlaybackDevice;
    FakeClock& clock_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Clips that play for a set time on the fake clock.
class FakeMediaPlayers : public MediaPlayers {
public:
    explicit FakeMediaPlayers(FakeClock& clock) : clock_(clock) {}
    std::unique_ptr<MediaPlayer> create() override;

    double clipDuration = 3.0;
    // Clips that fail once asked to play, with the player's reason, and clips that stay loading.
    std::map<QString, QString> failing;
    QSet<QString> stalling;
    QStringList log;  // "load PATH", "play", "pause", "stop", "display X,Y WxH" / "display none"

private:
    FakeClock& clock_;
};

// Writes a valid 16-bit 22050 Hz mono WAV of the given length (silence).
bool writeSilentWav(const QString& path, double seconds);
// The same holding a 440 Hz tone of that amplitude (0 to 1 of full scale).
bool writeToneWav(const QString& path, double seconds, float amplitude);
