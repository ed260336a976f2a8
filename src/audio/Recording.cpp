#include "audio/Recording.h"

#include "core/TextFormat.h"
#include "audio/MultimediaCommands.h"
#include "platform/Services.h"

void startRecording() {
    mciSendString(QStringLiteral("close all"));
    mciSendString(QStringLiteral("open new type waveaudio alias capture"));
    mciSendString(QStringLiteral("set capture bitspersample 16"));
    mciSendString(QStringLiteral("set capture samplespersec 22050"));
    mciSendString(QStringLiteral("set capture channels 1"));
    mciSendString(QStringLiteral("record capture"));
}

void stopRecording(const QString& path) {
    mciSendString(QStringLiteral("save capture ") + quoteText(path));
    platform::pump().doEvents();
    mciSendString(QStringLiteral("close capture"));
}
