#pragma once

#include <QString>

// Recording from the microphone through the multimedia interface, under the alias capture.
// The file is 16-bit, 22050 Hz, mono. Without a microphone nothing is written and nothing is
// said: the teacher simply hears no recording when playing it back.

// Closes every multimedia device, then opens a new recording and starts it.
void startRecording();

// Saves what was recorded so far to path (blanks allowed), lets pending events run once, then
// releases the recording.
void stopRecording(const QString& path);
