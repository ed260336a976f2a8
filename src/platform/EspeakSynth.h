#pragma once

#include <QString>

#include "core/Result.h"
#include "platform/Speech.h"
#include "platform/WavFile.h"

// How the synthesizer speaks.
struct SpeechVoice {
    QString language = QStringLiteral("en-us");
    int wordsPerMinute = 150;
    int pitch = 50;  // 0..99
};

// The helper program that speaks one text (stepwick-speak), and how long one text may take
// before the helper is ended.
struct SpeechHelper {
    QString program;
    int limitMs = 30000;
};

// stepwick-speak beside the running executable, or, for programs of the build tree that live in
// folders of their own (tests, benchmarks, tools), in ../bin beside the program.
SpeechHelper defaultSpeechHelper();

// Speaks the text into memory: 22050 Hz, mono, 16-bit. The same text and voice always give the
// same samples. Safe to call from any thread, also from several at once: each text is spoken by
// a helper process of its own.
Result<PcmAudio> synthesizeSpeech(const QString& text, const SpeechVoice& voice = {});
Result<PcmAudio> synthesizeSpeech(const QString& text, const SpeechVoice& voice, const SpeechHelper& helper);

// Whether speech works on this computer: the helper can be started, the engine and its data are
// installed, and it has the voice. Speaks one word into memory to find out (a few milliseconds).
SpeechEngineCheck checkSpeechEngine(const SpeechVoice& voice = {}, const SpeechHelper& helper = defaultSpeechHelper());
