#pragma once

#include <QString>

// Recording from the microphone through the multimedia interface, under the alias capture.
// The file is 16-bit, 22050 Hz, mono. Without a microphone nothing is written and nothing is
// said: the teacher simply hears no recording when playing it back.

// Closes every multimedia device, then opens a new recording and starts it.
void startRecording();

// What became of a recording.
struct RecordingResult {
    bool recorded = false;  // the microphone recorded (false: none, or it could not be opened)
    bool saved = false;     // the file was written (false also when the write failed)
    float peak = 0.0f;      // the loudest sample of the recording, 0 to 1 of full scale
};

// Saves what was recorded so far to path (blanks allowed), lets pending events run once, then
// releases the recording. The file is replaced only once it is whole: a failed save leaves it as
// it was.
RecordingResult stopRecording(const QString& path);

// Releases the recording without saving it.
void discardRecording();

// How loud the microphone of the running recording is now, 0 to 1 of full scale; 0 when no
// recording runs.
float recordingLevel();
