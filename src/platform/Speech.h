#pragma once

#include <QString>

// Whether the speech engine can speak on this computer, and if not, what is missing.
struct SpeechEngineCheck {
    enum class Problem {
        None,           // everything is there
        HelperMissing,  // the program's speech helper cannot be started
        EngineMissing,  // the engine's library or its data is missing
        NoVoice,        // the engine has no voice for the language the program speaks
        Failed,         // something else went wrong; the detail says what
    };
    Problem problem = Problem::None;
    QString detail;  // the engine's own message when there is a problem
};

// Text to speech.
class Speech {
public:
    virtual ~Speech() = default;

    // Starts speaking the text and returns at once; speech already running is cut off.
    virtual void speak(const QString& text) = 0;
    virtual void stop() = 0;
    virtual bool isSpeaking() = 0;

    // Finds out whether speech works here (it may take a moment). A service that cannot tell
    // says that nothing is missing.
    virtual SpeechEngineCheck checkEngine() { return {}; }
};
