#include "RealAudio.h"
#include "TestPlatform.h"

#include "audio/MultimediaCommands.h"
#include "audio/Recording.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

TEST(RealRecording, WithoutAMicrophoneTheRecordingEndsAndNothingIsWritten) {
    TestPlatform p;
    RealAudio real(p);
    if (!real.available()) GTEST_SKIP() << "this build has no real sound players";
    const bool microphone = [] {
        const auto recorder = platform::audioDevices().openRecorder();
        const bool started = recorder && recorder->start();
        if (recorder) recorder->close();
        return started;
    }();
    if (microphone) GTEST_SKIP() << "this machine has a microphone";
    const QString target = p.path(QStringLiteral("step narration.wav"));

    startRecording();
    stopRecording(target);

    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(p.messages.texts.isEmpty());
    EXPECT_EQ(multimedia().openDeviceCount(), 0);
}

}  // namespace
