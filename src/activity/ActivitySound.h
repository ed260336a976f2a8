#pragma once

#include "audio/SpeechControl.h"

#include <QString>

#include <cstdint>

// What the activity window says: prompts, chained sentences, step narration with speech when a
// step has no recording, the "doesn't go here" sentence and the idle reminder. The activity
// window owns one; the flags it shares with the loops are in Globvars (WaitingForSound,
// ExitRequested, ExitEarlyRequested).
class ActivitySound {
public:
    // Silences speech, then starts the wave without waiting (a missing file is reported).
    void sequence_wave_start(const QString& waveName, const QString& loopArgument);

    // Plays the wave through the multimedia interface and returns when it has ended, or at once
    // when an exit flag is set, or when the file is missing or unplayable (silently). Events run
    // meanwhile and WaitingForSound is 1 for the whole call. Chain calls to speak a sentence.
    // The loop argument is accepted for symmetry and ignored.
    void sequence_wave_start_sync(const QString& waveName, const QString& loopArgument = QStringLiteral("DONT_LOOP"));

    // Narrates the step shown in a top-row slot, unless narration is off or that slot was the
    // last one narrated: its recording, or else its spoken text through speech.
    void narrateStep(int slot);

    // The sentence for a wrong picture: the step's recording followed by "doesn't go here, try
    // again", or "This doesn't go here, try again" when the step has none. Silent with
    // narration off.
    void sayDoesntGoHere(int slot);

    // Called on every pass of a wait for a switch: plays aobj_press.wav once PressReminderSeconds
    // have gone by since LastActivityTime, unless PressReminder is 2.
    void remindToPress();

    // The slot narrated last; -1 for none. The board and every move into a box clear it.
    std::int16_t LastNarratedPicture = -1;

    // Time of day (seconds since midnight) of the last scan step or reminder.
    float LastActivityTime = 0.0f;

    // The window's speech control.
    SpeechControl DirectSS1;
};
