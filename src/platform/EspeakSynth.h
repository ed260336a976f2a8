#pragma once

#include <QString>

#include "core/Result.h"
#include "platform/WavFile.h"

// How the synthesizer speaks.
struct SpeechVoice {
    QString language = QStringLiteral("en-us");
    int wordsPerMinute = 150;
    int pitch = 50;  // 0..99
};

// Speaks the text into memory: 22050 Hz, mono, 16-bit. The same text and voice always give the
// same samples. Safe to call from any thread.
Result<PcmAudio> synthesizeSpeech(const QString& text, const SpeechVoice& voice = {});
