#pragma once

#include <QString>

// Text to speech.
class Speech {
public:
    virtual ~Speech() = default;

    // Starts speaking the text and returns at once; speech already running is cut off.
    virtual void speak(const QString& text) = 0;
    virtual void stop() = 0;
    virtual bool isSpeaking() = 0;
};
