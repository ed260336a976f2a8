#include "activity/ActivitySound.h"

#include "app/Globvars.h"
#include "audio/MultimediaCommands.h"
#include "audio/Sound.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");
constexpr float kSecondsPerDay = 86400.0f;

bool validSlot(int slot) { return slot >= 1 && slot <= kMaxSteps; }

// Seconds from then to now on the time of day, across midnight too.
float secondsSince(float then, float now) {
    const float elapsed = now - then;
    return elapsed < 0.0f ? elapsed + kSecondsPerDay : elapsed;
}

bool deviceIsPlaying() {
    QString reply(255, u' ');
    mciSendString(QStringLiteral("status soundfile mode "), reply);
    return modeFromReply(reply) == QStringLiteral("playing");
}

bool exitRequested() { return ExitRequested == 1 || ExitEarlyRequested == 1; }

}  // namespace

void ActivitySound::sequence_wave_start(const QString& waveName, const QString& loopArgument) {
    DirectSS1.stop();
    playWaveAsync(waveName, loopArgument);
}

void ActivitySound::sequence_wave_start_sync(const QString& waveName, const QString& /*loopArgument*/) {
    WaitingForSound = 1;
    DirectSS1.stop();
    platform::pump().doEvents();
    stopWave();

    mciSendString(QStringLiteral("close all"));
    mciSendString(QStringLiteral("open \"") + waveName + QStringLiteral("\" alias soundfile "));
    mciSendString(QStringLiteral("play soundfile"));
    // Each poll is one waiting pass of the event pump, so the window stays responsive and the
    // wait sleeps between polls. Any state but "playing" (a missing or unplayable file leaves
    // none at all) ends it, and so does either exit button.
    while (deviceIsPlaying() && !exitRequested()) platform::pump().waitEvents();

    mciSendString(QStringLiteral("close all"));
    platform::pump().doEvents();
    WaitingForSound = 0;
}

void ActivitySound::narrateStep(int slot) {
    if (StudentOptions.Narration != 1 || slot == LastNarratedPicture || !validSlot(slot)) return;
    LastNarratedPicture = static_cast<std::int16_t>(slot);
    const int step = SlotStep[slot];
    if (step < 0 || step > kMaxSteps) return;

    const QString& recording = Task.StepWaveFile[step];
    if (waveFileExists(recording)) {
        sequence_wave_start(recording, kDontLoop);
        return;
    }
    stopWave();
    DirectSS1.stop();
    const QString& phonetic = Task.StepPhonetic[step];
    DirectSS1.speak(isNone(phonetic) ? Task.StepDescription[step] : phonetic);
}

void ActivitySound::sayDoesntGoHere(int slot) {
    if (StudentOptions.Narration != 1 || !validSlot(slot)) return;
    const int step = SlotStep[slot];
    const QString recording = step >= 0 && step <= kMaxSteps ? Task.StepWaveFile[step] : QString();
    if (waveFileExists(recording)) {
        sequence_wave_start_sync(recording, kDontLoop);
        sequence_wave_start_sync(insertPath(QStringLiteral("aobj_doesnt_go_here.wav")), kDontLoop);
    } else {
        sequence_wave_start_sync(insertPath(QStringLiteral("aobj_this_doesnt_go_here.wav")), kDontLoop);
    }
}

void ActivitySound::remindToPress() {
    if (StudentOptions.PressReminder == 2) return;
    const float now = platform::clock().timer();
    if (secondsSince(LastActivityTime, now) <= StudentOptions.PressReminderSeconds) return;
    sequence_wave_start(QStringLiteral("aobj_press.wav"), kDontLoop);
    LastActivityTime = now;
    platform::pump().doEvents();
}
