#include "Sounds.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ContentOutput.h"
#include "platform/EspeakSynth.h"

namespace {

constexpr int kRate = 22050;
// Speech is brought to this peak, so that every prompt is about as loud as the next.
constexpr double kSpeechPeak = 0.85 * 32767;

void normalise(PcmAudio& audio, double peak) {
    int loudest = 0;
    for (const std::int16_t s : audio.samples) loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    if (loudest == 0) return;
    const double gain = peak / loudest;
    for (std::int16_t& s : audio.samples) {
        s = static_cast<std::int16_t>(std::clamp(std::lround(s * gain), -32767L, 32767L));
    }
}

}  // namespace

std::vector<Prompt> standardPrompts(int edition) {
    const QString video =
        edition == 1 ? QStringLiteral("Let's see a video about") : QStringLiteral("Let's read a story");
    return {
        {QStringLiteral("aobj_access_1.wav"),
         QStringLiteral("Press the first switch to move from picture to picture.  Press the second switch to choose "
                        "the picture")},
        {QStringLiteral("aobj_access_2.wav"),
         QStringLiteral("Click on the picture, or touch the picture with a touch window to select it.")},
        {QStringLiteral("aobj_access_3.wav"),
         QStringLiteral("Press the switch when it gets to the picture that you want to select")},
        {QStringLiteral("aobj_access_4.wav"), QStringLiteral("Drag and Drop the picture to a part of the sequence")},
        {QStringLiteral("aobj_access_5.wav"),
         QStringLiteral("Click on the picture to pick it up. move the mouse to move the picture. click again to drop "
                        "it.")},
        {QStringLiteral("aobj_how_did.wav"), QStringLiteral("Lets see how you did.")},
        {QStringLiteral("aobj_this_doesnt_go_here.wav"), QStringLiteral("This doesn't go here, try again")},
        {QStringLiteral("aobj_doesnt_go_here.wav"), QStringLiteral("doesn't go here, try again")},
        {QStringLiteral("aobj_keep_trying.wav"), QStringLiteral("Keep trying, you can do it")},
        {QStringLiteral("aobj_lets_learn.wav"), QStringLiteral("Let's learn about")},
        {QStringLiteral("aobj_first_is.wav"), QStringLiteral("first is")},
        {QStringLiteral("aobj_next_is.wav"), QStringLiteral("next is")},
        {QStringLiteral("aobj_your_turn.wav"), QStringLiteral("Now it is your turn")},
        {QStringLiteral("aobj_reward3.wav"), QStringLiteral("Good job, you get 3 stars")},
        {QStringLiteral("aobj_reward4.wav"), QStringLiteral("Excellent, you get 4 stars")},
        {QStringLiteral("aobj_reward5.wav"), QStringLiteral("Perfect, you get 5 stars")},
        {QStringLiteral("aobj_video.wav"), video},
        {QStringLiteral("aobj_arrange.wav"), QStringLiteral("Put the pictures in the correct order for")},
        {QStringLiteral("aobj_very_good.wav"), QStringLiteral("Very good.")},
        {QStringLiteral("aobj_next_activity.wav"), QStringLiteral("Next task")},
        {QStringLiteral("aobj_same_activity.wav"), QStringLiteral("Same task again")},
        {QStringLiteral("aobj_activity_selection.wav"), QStringLiteral("Task selection menu")},
    };
}

Result<PcmAudio> speak(const QString& text) {
    Result<PcmAudio> audio = synthesizeSpeech(text, SpeechVoice{QStringLiteral("en-us"), 140, 48});
    if (!audio) return Error{QStringLiteral("\"%1\" cannot be spoken: %2").arg(text, audio.error())};
    PcmAudio mono = audio->sampleRate == kRate && audio->channels == 1 ? std::move(*audio) : toMono22050(*audio);
    normalise(mono, kSpeechPeak);
    return mono;
}

PcmAudio silence(long frames) {
    PcmAudio audio;
    audio.sampleRate = kRate;
    audio.channels = 1;
    audio.samples.assign(static_cast<std::size_t>(frames), 0);
    return audio;
}

Status writePromptSounds(ContentOutput& out, int edition) {
    for (const Prompt& prompt : standardPrompts(edition)) {
        const Result<PcmAudio> audio = speak(prompt.words);
        if (!audio) return Error{audio.error()};
        // The copy is what "Revert to the Original Recording" brings back.
        for (const QString& name : QStringList{prompt.file, prompt.file + QStringLiteral("_bak")}) {
            if (Status s = out.writeWave(name, *audio); !s) return s;
        }
    }
    const Result<PcmAudio> press = speak(QStringLiteral("Press the switch."));
    if (!press) return Error{press.error()};
    if (Status s = out.writeWave(QStringLiteral("aobj_press.wav"), *press); !s) return s;
    if (Status s = out.writeWave(QStringLiteral("aobj_silence_1sec.wav"), silence(kRate)); !s) return s;
    if (Status s = out.writeWave(QStringLiteral("aobj_silence_half_sec.wav"), silence(kRate / 2)); !s) return s;
    // Played to cut off whatever is sounding: as short as a sound can usefully be.
    return out.writeWave(QStringLiteral("com_stop.wav"), silence(kRate / 200));
}
