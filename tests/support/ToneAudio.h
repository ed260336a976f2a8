#pragma once

#include <cmath>
#include <numbers>

#include "platform/WavFile.h"

// A sine tone, the same on every channel, for sound fixtures.
inline PcmAudio toneAudio(double seconds, int sampleRate = 22050, int channels = 1, double hertz = 440.0,
                          double amplitude = 8000.0) {
    PcmAudio audio;
    audio.sampleRate = sampleRate;
    audio.channels = channels;
    const auto frames = static_cast<std::size_t>(std::lround(seconds * sampleRate));
    audio.samples.reserve(frames * static_cast<std::size_t>(channels));
    for (std::size_t f = 0; f < frames; ++f) {
        const double v = amplitude * std::sin(2 * std::numbers::pi * hertz * static_cast<double>(f) / sampleRate);
        for (int c = 0; c < channels; ++c) audio.samples.push_back(static_cast<std::int16_t>(std::lround(v)));
    }
    return audio;
}

// Root mean square of the samples: 0 for silence.
inline double rmsOf(const PcmAudio& audio) {
    if (audio.samples.empty()) return 0;
    double sum = 0;
    for (const auto s : audio.samples) sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(audio.samples.size()));
}
