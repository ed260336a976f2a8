#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Wave files of the kinds a classroom computer collects: damaged ones that must be refused
// quietly, and unusual but valid ones that must play.
struct WaveFixture {
    QString name;  // file name, ending in .wav
    QByteArray bytes;
    bool playable;   // false: cannot be decoded at all
    double seconds;  // length when playable
};

// empty, truncated header, text, unknown codec; 8-bit mono 11025 Hz, 16-bit stereo 44.1 kHz,
// IMA ADPCM mono 22050 Hz.
std::vector<WaveFixture> waveFixtures();

// A RIFF/WAVE file: a "fmt " chunk (the common fields, then fmtExtra), a "fact" chunk holding
// factFrames when it is not negative, and a "data" chunk.
QByteArray waveBytes(quint16 formatTag, quint16 channels, quint32 sampleRate, quint16 bitsPerSample, quint16 blockAlign,
                     const QByteArray& fmtExtra, qint64 factFrames, const QByteArray& data);
