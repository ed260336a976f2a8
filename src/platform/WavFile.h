#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/Result.h"

// Sampled sound in memory, 16-bit, interleaved when there is more than one channel.
struct PcmAudio {
    int sampleRate = 22050;
    int channels = 1;
    std::vector<std::int16_t> samples;  // interleaved

    std::int64_t frames() const;
    double seconds() const;
};

// What a wave file holds, without reading its samples.
struct WavInfo {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;  // 0 for compressed encodings
    std::int64_t frames = 0;
    QString format;  // "PCM_16", "PCM_U8", "IMA_ADPCM", ...
};

// Opens the file as sound and describes it. An error for a missing, empty, truncated or
// non-audio file.
Result<WavInfo> probeWav(const QString& path);

// Decodes any encoding the sound library understands into 16-bit samples.
Result<PcmAudio> readWav(const QString& path);

// Mixes down to one channel and resamples to 22050 Hz (linear interpolation).
PcmAudio toMono22050(const PcmAudio& in);

// Writes a 16-bit PCM WAV file: to a sibling first, then renamed over the target.
Status writeWav(const QString& path, const PcmAudio& audio);

// The same in another encoding, named as WavInfo::format names it ("PCM_U8", "IMA_ADPCM", ...).
Status writeWavAs(const QString& path, const PcmAudio& audio, const QString& format);
