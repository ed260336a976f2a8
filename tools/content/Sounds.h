#pragma once

#include <QString>
#include <vector>

#include "core/Result.h"
#include "platform/WavFile.h"

class ContentOutput;

// One of the standard prompts the activity speaks: its file and its exact words.
struct Prompt {
    QString file;
    QString words;
};

// The 22 standard prompts in the order of the prompt-recording screen; the video prompt's words
// depend on the edition (1 Kestrel, otherwise Larkin).
std::vector<Prompt> standardPrompts(int edition);

// The voice of everything the generator says: clear, a little slower than usual.
Result<PcmAudio> speak(const QString& text);

// Silence of an exact number of sample frames at 22050 Hz.
PcmAudio silence(long frames);

// The standard prompts and their "_bak" copies, the switch reminder, the pauses and the stop
// sound.
Status writePromptSounds(ContentOutput& out, int edition);
