#pragma once

#include "core/Result.h"

#include <QString>

#include <memory>

// A wave file opened for playback whose progress can be polled.
class PlaybackDevice {
public:
    virtual ~PlaybackDevice() = default;

    virtual void play() = 0;
    virtual void stop() = 0;

    // "playing" while the sound runs, "stopped" once it has ended or was stopped; other words
    // ("not ready", "paused") for other states.
    virtual QString mode() = 0;
};

// A recording from the default microphone.
class WaveRecorder {
public:
    virtual ~WaveRecorder() = default;

    // Starts recording. An error when there is no microphone or it cannot be opened.
    virtual Status start() = 0;

    // Writes what was recorded so far as a 16-bit, 22050 Hz, mono WAV file (converting from
    // whatever the microphone delivers). An error when nothing was recorded or the write failed.
    virtual Status save(const QString& path) = 0;

    virtual void close() = 0;

    // How loud the microphone is now: the largest sample (0 to 1 of full scale) of what arrived
    // since the last call, or the last such figure when nothing new arrived. 0 when not recording.
    virtual float level() = 0;

    // The largest sample (0 to 1 of full scale) of the whole recording so far; 0 when nothing was
    // recorded.
    virtual float peak() = 0;
};

// Opens playback devices and recorders.
class AudioDevices {
public:
    virtual ~AudioDevices() = default;

    // Null when the file does not exist or cannot be decoded.
    virtual std::unique_ptr<PlaybackDevice> openPlayback(const QString& path) = 0;

    virtual std::unique_ptr<WaveRecorder> openRecorder() = 0;
};
