#pragma once

#include <QString>

// The simple sound player: one sound at a time. Starting a sound, or stop(), cuts off the sound
// that is playing. A file that cannot be decoded plays nothing (never a default sound).
class WavePlayer {
public:
    virtual ~WavePlayer() = default;

    // Plays the file to its end and returns then. Meanwhile windows repaint and timers run, but
    // no handler of the user's input: clicks and keys are handled once it has returned
    // (EventPump::waitWithoutInput).
    virtual void playSync(const QString& path, bool loop) = 0;

    // Starts the file and returns at once.
    virtual void playAsync(const QString& path, bool loop) = 0;

    virtual void stop() = 0;
};
