#pragma once

#include <QAudioDevice>  // before the format: the multimedia headers need it first
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <memory>

#include "platform/PlaybackDevice.h"
#include "platform/WavFile.h"

class QAudioSource;

// Records from the default microphone into memory. save() ends the recording and writes it as
// 16-bit 22050 Hz mono, whatever the microphone delivered.
class QtWaveRecorder : public WaveRecorder {
public:
    QtWaveRecorder();
    ~QtWaveRecorder() override;

    Status start() override;
    Status save(const QString& path) override;
    void close() override;
    float level() override;
    float peak() override;

private:
    // Takes in the samples that arrived since the last look.
    void measure();

    std::unique_ptr<QAudioSource> source_;
    QByteArray recorded_;
    QBuffer sink_;
    QAudioFormat format_;
    qsizetype measured_ = 0;  // bytes of recorded_ already measured
    float level_ = 0.0f;
    float peak_ = 0.0f;
};

// The largest sample of 16-bit PCM, 0 to 1 of full scale.
float peakOf(const PcmAudio& audio);

// Samples in any of the microphone's sample formats, as 16-bit PCM of the same rate and channels.
PcmAudio pcmFromBytes(const QByteArray& bytes, const QAudioFormat& format);
