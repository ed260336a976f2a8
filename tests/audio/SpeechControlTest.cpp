#include "TestPlatform.h"

#include "audio/SpeechControl.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A speech engine that fails on every call.
class BrokenSpeech : public Speech {
public:
    void speak(const QString&) override { throw std::runtime_error("no voice"); }
    void stop() override { throw std::runtime_error("no voice"); }
    bool isSpeaking() override { return false; }
};

TEST(SpeechControl, SpeaksAndStopsThroughThePlatformSpeech) {
    TestPlatform p;
    SpeechControl control;
    control.speak(QStringLiteral("Wash your hands"));
    control.stop();
    control.speak(QStringLiteral("   "));  // nothing to say
    EXPECT_EQ(p.speech.spoken, QStringList{QStringLiteral("Wash your hands")});
    EXPECT_EQ(p.speech.stops, 1);
}

TEST(SpeechControl, EngineErrorsAreIgnored) {
    TestPlatform p;
    BrokenSpeech broken;
    Services s = platform::services();
    s.speech = &broken;
    platform::installServices(s);

    SpeechControl control;
    EXPECT_NO_THROW(control.speak(QStringLiteral("Brush your teeth")));
    EXPECT_NO_THROW(control.stop());
}

}  // namespace
