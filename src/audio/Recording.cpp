#include "audio/Recording.h"

#include "audio/MultimediaCommands.h"
#include "core/TextFormat.h"
#include "platform/Services.h"

void startRecording() {
    mciSendString(QStringLiteral("close all"));
    mciSendString(QStringLiteral("open new type waveaudio alias capture"));
    mciSendString(QStringLiteral("set capture bitspersample 16"));
    mciSendString(QStringLiteral("set capture samplespersec 22050"));
    mciSendString(QStringLiteral("set capture channels 1"));
    mciSendString(QStringLiteral("record capture"));
}

namespace {

const QString kCapture = QStringLiteral("capture");

}  // namespace

RecordingResult stopRecording(const QString& path) {
    RecordingResult result;
    result.recorded = multimedia().isRecording(kCapture);
    result.saved = mciSendString(QStringLiteral("save capture ") + quoteText(path)) == MciOk;
    if (WaveRecorder* recorder = multimedia().recorder(kCapture)) result.peak = recorder->peak();
    platform::pump().doEvents();
    mciSendString(QStringLiteral("close capture"));
    return result;
}

void discardRecording() { mciSendString(QStringLiteral("close capture")); }

float recordingLevel() {
    WaveRecorder* recorder = multimedia().recorder(kCapture);
    return recorder == nullptr ? 0.0f : recorder->level();
}
