#include "Tunes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ContentOutput.h"

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * M_PI;

// One partial of a struck sound: a multiple of the note's frequency, its loudness, and how fast
// it dies away (seconds to fall to about a third).
struct Partial {
    double ratio;
    double level;
    double decay;
};

// A struck or plucked sound made of partials, with a short attack so that it does not click.
struct Instrument {
    std::vector<Partial> partials;
    double attack = 0.004;
    double release = 0.03;  // fade at the end of the note's length
};

struct Note {
    double start;  // seconds
    double length;
    double frequency;
    double level;
};

double noteFrequency(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

class Mixer {
public:
    explicit Mixer(double seconds) : buffer_(static_cast<std::size_t>(seconds * kRate) + 1, 0.0) {}

    void play(const Instrument& instrument, const Note& note) {
        const auto first = static_cast<std::size_t>(note.start * kRate);
        const auto count = static_cast<std::size_t>(note.length * kRate);
        for (std::size_t i = 0; i < count && first + i < buffer_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            double envelope = std::min(1.0, t / instrument.attack);
            const double untilEnd = note.length - t;
            if (untilEnd < instrument.release) envelope *= untilEnd / instrument.release;
            double value = 0;
            for (const Partial& p : instrument.partials) {
                value += p.level * std::exp(-t / p.decay) * std::sin(kTwoPi * note.frequency * p.ratio * t);
            }
            buffer_[first + i] += note.level * envelope * value;
        }
    }

    // A little noise, made by a fixed sequence so that every build gives the same file.
    void addNoiseBurst(double start, double length, double level, double decay) {
        std::uint32_t state = 12345;
        const auto first = static_cast<std::size_t>(start * kRate);
        double low = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(length * kRate) && first + i < buffer_.size(); ++i) {
            state = state * 1664525u + 1013904223u;
            const double white = static_cast<double>(state >> 8) / (1u << 24) * 2 - 1;
            low += 0.25 * (white - low);  // soften it
            buffer_[first + i] += level * std::exp(-static_cast<double>(i) / kRate / decay) * low;
        }
    }

    PcmAudio finish(double peak) const {
        double loudest = 0;
        for (const double v : buffer_) loudest = std::max(loudest, std::abs(v));
        const double gain = loudest > 0 ? peak * 32767 / loudest : 0;
        PcmAudio audio;
        audio.sampleRate = kRate;
        audio.channels = 1;
        audio.samples.reserve(buffer_.size());
        for (const double v : buffer_) audio.samples.push_back(static_cast<std::int16_t>(std::lround(v * gain)));
        return audio;
    }

private:
    std::vector<double> buffer_;
};

// A soft, warm pluck for the melodies.
const Instrument kMarimba{{{1, 1.0, 0.45}, {2, 0.35, 0.18}, {3.9, 0.12, 0.06}}, 0.006, 0.04};
// Round low notes under the melodies.
const Instrument kBass{{{1, 1.0, 0.6}, {2, 0.25, 0.3}}, 0.01, 0.05};
// A bright bell for the stars.
const Instrument kBell{{{1, 1.0, 0.5}, {2.76, 0.45, 0.25}, {5.4, 0.25, 0.12}, {8.93, 0.1, 0.06}}, 0.002, 0.05};
// A brassy tone for the fanfare.
const Instrument kHorn{{{1, 1.0, 1.5}, {2, 0.6, 1.2}, {3, 0.4, 0.9}, {4, 0.2, 0.6}}, 0.03, 0.06};

// A melody written as (semitones from A4, beats) pairs; a pitch of 99 is a rest.
struct Step {
    int pitch;
    double beats;
};

void playLine(Mixer& mixer, const Instrument& instrument, const std::vector<Step>& line, double beat, double level,
              double start = 0.05) {
    double t = start;
    for (const Step& step : line) {
        if (step.pitch != 99) {
            mixer.play(instrument, {t, step.beats * beat + 0.25, noteFrequency(step.pitch), level});
        }
        t += step.beats * beat;
    }
}

double lineLength(const std::vector<Step>& line, double beat) {
    double beats = 0;
    for (const Step& step : line) beats += step.beats;
    return beats * beat;
}

// Semitones from A4 of some notes used below.
enum : int {
    C4 = -9,
    D4 = -7,
    E4 = -5,
    F4 = -4,
    G4 = -2,
    A4 = 0,
    Bb4 = 1,
    B4 = 2,
    C5 = 3,
    D5 = 5,
    E5 = 7,
    F5 = 8,
    G5 = 10,
    A5 = 12,
    Bb5 = 13,
    B5 = 14,
    C6 = 15,
    D6 = 17,
    E6 = 19,
    C3 = -21,
    F3 = -16,
    G3 = -14,
    A3 = -12,
    Bb3 = -11,
    D3 = -19,
    E3 = -17
};

PcmAudio song(const std::vector<Step>& melody, const std::vector<Step>& bass, const Instrument& lead, double beat) {
    Mixer mixer(lineLength(melody, beat) + 1.2);
    playLine(mixer, lead, melody, beat, 1.0);
    playLine(mixer, kBass, bass, beat, 0.55);
    return mixer.finish(0.8);
}

// Three short, different, cheerful tunes for the reward screen.
PcmAudio songThree() {
    const std::vector<Step> melody = {{C5, 0.5}, {E5, 0.5}, {G5, 0.5}, {C6, 1},   {G5, 0.5}, {C6, 0.5},
                                      {D6, 0.5}, {E6, 0.5}, {D6, 0.5}, {C6, 0.5}, {D6, 0.5}, {C6, 2}};
    const std::vector<Step> bass = {{C3, 2}, {G3, 1}, {C3, 1}, {F3, 1}, {G3, 1}, {C3, 2}};
    return song(melody, bass, kMarimba, 0.26);
}

PcmAudio songFour() {
    const std::vector<Step> melody = {{F4, 0.5}, {A4, 0.5}, {C5, 0.5}, {A4, 0.5}, {Bb4, 0.5}, {D5, 0.5},
                                      {C5, 1},   {A4, 0.5}, {C5, 0.5}, {F5, 0.5}, {E5, 0.5},  {F5, 2}};
    const std::vector<Step> bass = {{F3, 1}, {F3, 1}, {Bb3, 1}, {F3, 1}, {F3, 1}, {C3, 1}, {F3, 2}};
    return song(melody, bass, kMarimba, 0.24);
}

PcmAudio songFive() {
    const double third = 1.0 / 3;
    const std::vector<Step> melody = {{G4, third}, {G4, third}, {G4, third}, {D5, 1.5}, {B4, 0.5}, {D5, 1},
                                      {G5, third}, {G5, third}, {G5, third}, {B5, 0.5}, {A5, 0.5}, {G5, 2}};
    const std::vector<Step> bass = {{G3, 1}, {D3, 2}, {G3, 1}, {G3, 1}, {D3, 1}, {G3, 2}};
    return song(melody, bass, kHorn, 0.32);
}

PcmAudio starChime() {
    Mixer mixer(0.8);
    mixer.play(kBell, {0.0, 0.7, noteFrequency(E6), 0.8});
    mixer.play(kBell, {0.09, 0.7, noteFrequency(B5 + 12), 0.6});
    return mixer.finish(0.7);
}

// A soft "tock", like a card put down on a table.
PcmAudio dropClick() {
    Mixer mixer(0.09);
    mixer.play(Instrument{{{1, 1.0, 0.012}, {2.3, 0.4, 0.006}}, 0.002, 0.01}, {0.0, 0.085, 620, 1.0});
    mixer.play(Instrument{{{1, 1.0, 0.02}}, 0.002, 0.01}, {0.0, 0.085, 150, 0.7});
    mixer.addNoiseBurst(0.0, 0.03, 0.25, 0.006);
    return mixer.finish(0.5);
}

// A deep gong: inharmonic partials that ring for a few seconds, over a soft strike.
PcmAudio gong() {
    const Instrument body{{{1, 1.0, 1.6},
                           {1.47, 0.7, 1.3},
                           {2.09, 0.55, 1.0},
                           {2.56, 0.4, 0.8},
                           {3.18, 0.3, 0.6},
                           {4.2, 0.2, 0.4},
                           {5.43, 0.12, 0.25}},
                          0.012,
                          0.6};
    Mixer mixer(3.2);
    mixer.play(body, {0.0, 3.1, 98, 1.0});
    mixer.play(body, {0.0, 3.1, 98.7, 0.5});  // a second, slightly detuned body makes it shimmer
    mixer.addNoiseBurst(0.0, 0.12, 0.3, 0.03);
    return mixer.finish(0.8);
}

}  // namespace

PcmAudio growingTune(double seconds) {
    // A slow, rising pattern over C, F and G, repeated to fill the clip, fading at the end.
    const int pattern[] = {C5, E5, G5, E5, F5, A5, C6, A5, G5, B5, D6, B5, C6, G5, E5, C5};
    const double beat = 0.25;
    Mixer mixer(seconds);
    int i = 0;
    for (double t = 0.02; t + beat <= seconds - 0.3; t += beat, ++i) {
        const int pitch = pattern[i % 16];
        const double fade = std::min(1.0, (seconds - t) / 1.0);
        mixer.play(kMarimba, {t, beat + 0.3, noteFrequency(pitch), 0.7 * fade});
        if (i % 4 == 0) mixer.play(kBass, {t, 4 * beat, noteFrequency(pitch - 24), 0.4 * fade});
    }
    PcmAudio audio = mixer.finish(0.6);
    audio.samples.resize(static_cast<std::size_t>(std::lround(seconds * kRate)), 0);
    return audio;
}

Status writeTunes(ContentOutput& out) {
    const std::pair<const char*, PcmAudio> sounds[] = {
        {"aobj_drop_pic.wav", dropClick()},     {"aobj_reward_star.wav", starChime()},
        {"aobj_reward3_song.wav", songThree()}, {"aobj_reward4_song.wav", songFour()},
        {"aobj_reward5_song.wav", songFive()},  {"aobj_gong.wav", gong()},
    };
    for (const auto& [name, audio] : sounds) {
        if (Status s = out.writeWave(QString::fromUtf8(name), audio); !s) return s;
    }
    return {};
}
