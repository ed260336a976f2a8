#pragma once

#include <QString>

// The speech control of a window: speaks a text in the background and stops. Speech is a
// fallback for missing recordings, so its errors are ignored: the activity goes on silently.
class SpeechControl {
public:
    // Starts speaking and returns at once; speech already running is cut off.
    void speak(const QString& text);
    void stop();
};
