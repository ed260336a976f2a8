#include "WaveFixtures.h"

#include <QtEndian>

namespace {

void appendU16(QByteArray& out, quint16 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 2);
}

void appendU32(QByteArray& out, quint32 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 4);
}

void appendChunk(QByteArray& out, const char* id, const QByteArray& body) {
    out.append(id, 4);
    appendU32(out, static_cast<quint32>(body.size()));
    out.append(body);
    if (body.size() % 2 != 0) out.append('\0');
}

// Silent IMA ADPCM blocks: each starts with a zero predictor and step index, then zero nibbles.
QByteArray silentImaAdpcm(int blocks, int blockAlign) { return QByteArray(blocks * blockAlign, '\0'); }

}  // namespace

QByteArray waveBytes(quint16 formatTag, quint16 channels, quint32 sampleRate, quint16 bitsPerSample, quint16 blockAlign,
                     const QByteArray& fmtExtra, qint64 factFrames, const QByteArray& data) {
    QByteArray fmt;
    appendU16(fmt, formatTag);
    appendU16(fmt, channels);
    appendU32(fmt, sampleRate);
    // Bytes per second; IMA ADPCM packs 1017 samples into each block.
    appendU32(fmt, formatTag == 0x11 ? sampleRate * blockAlign / 1017 : sampleRate * blockAlign);
    appendU16(fmt, blockAlign);
    appendU16(fmt, bitsPerSample);
    fmt.append(fmtExtra);

    QByteArray body("WAVE");
    appendChunk(body, "fmt ", fmt);
    if (factFrames >= 0) {
        QByteArray fact;
        appendU32(fact, static_cast<quint32>(factFrames));
        appendChunk(body, "fact", fact);
    }
    appendChunk(body, "data", data);

    QByteArray file("RIFF");
    appendU32(file, static_cast<quint32>(body.size()));
    file.append(body);
    return file;
}

std::vector<WaveFixture> waveFixtures() {
    const QByteArray pcm16 = waveBytes(1, 1, 22050, 16, 2, {}, -1, QByteArray(22050, '\0'));

    // IMA ADPCM, 512-byte blocks of 1017 samples each, about half a second.
    constexpr int kBlocks = 11;
    QByteArray adpcmExtra;
    appendU16(adpcmExtra, 2);     // size of what follows
    appendU16(adpcmExtra, 1017);  // samples per block
    const QByteArray adpcm =
        waveBytes(0x11, 1, 22050, 4, 512, adpcmExtra, kBlocks * 1017, silentImaAdpcm(kBlocks, 512));

    QByteArray unknownExtra;
    appendU16(unknownExtra, 0);
    const QByteArray unknownCodec = waveBytes(0x7E57, 1, 22050, 16, 2, unknownExtra, 11025, QByteArray(22050, 'x'));

    return {
        {QStringLiteral("empty.wav"), QByteArray(), false, 0.0},
        {QStringLiteral("truncated_header.wav"), pcm16.left(30), false, 0.0},
        {QStringLiteral("text.wav"), QByteArray("Wash hands, then dry them.\r\nNot a sound at all.\r\n"), false, 0.0},
        {QStringLiteral("unknown_codec.wav"), unknownCodec, false, 0.0},
        {QStringLiteral("pcm8_mono_11025.wav"), waveBytes(1, 1, 11025, 8, 1, {}, -1, QByteArray(5513, '\x80')), true,
         0.5},
        {QStringLiteral("stereo_44100.wav"), waveBytes(1, 2, 44100, 16, 4, {}, -1, QByteArray(44100 * 2, '\0')), true,
         0.5},
        {QStringLiteral("ima_adpcm.wav"), adpcm, true, kBlocks * 1017 / 22050.0},
    };
}
