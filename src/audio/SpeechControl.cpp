#include "audio/SpeechControl.h"

#include "platform/Services.h"

#include <exception>

void SpeechControl::speak(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    try {
        platform::speech().speak(text);
    } catch (const std::exception&) {
        // A speech engine that fails leaves the student without the spoken text, nothing more.
    }
}

void SpeechControl::stop() {
    try {
        platform::speech().stop();
    } catch (const std::exception&) {
    }
}
