#pragma once

#include <QString>

// The simple sound player used by every window: prompts that need no waiting, and blocking
// playback on the teacher's screens.
//
// fileName is a full path or a bare name (looked up in the working directory). loopArgument is
// "LOOP" or "DONT_LOOP". A missing file shows "Could't find file " followed by the name as it
// was passed, and nothing plays.

// Plays the file and returns when it has ended. It never loops: a blocking loop would never
// return, so "LOOP" plays it once. The window repaints meanwhile, but a click or key press
// waits until the sound has ended.
void playWave(const QString& fileName, const QString& loopArgument);

// Starts the file and returns at once; a sound already started this way is cut off.
void playWaveAsync(const QString& fileName, const QString& loopArgument);

// Cuts off any sound started by playWaveAsync by playing the short com_stop.wav.
void stopWave();

// True when the name (full, or bare in the working directory) is an existing file.
bool waveFileExists(const QString& fileName);
