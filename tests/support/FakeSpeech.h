#pragma once

#include "platform/Speech.h"

#include <QStringList>

// Records what was spoken. Speech "runs" until stop() or until the test says it ended.
class FakeSpeech : public Speech {
public:
    void speak(const QString& text) override {
        spoken.append(text);
        speaking = true;
    }
    void stop() override {
        ++stops;
        speaking = false;
    }
    bool isSpeaking() override { return speaking; }
    SpeechEngineCheck checkEngine() override {
        ++checks;
        return engine;
    }

    QStringList spoken;
    int stops = 0;
    bool speaking = false;
    SpeechEngineCheck engine;  // what checkEngine answers
    int checks = 0;
};
