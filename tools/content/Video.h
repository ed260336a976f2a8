#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

#include "core/Result.h"

class ContentOutput;

// The clip of the "Planting a seed" example task.
inline const QString kDemoVideoFile = QStringLiteral("demo_planting_a_seed.avi");

// A motion-JPEG AVI file: every frame a JPEG picture, and optionally a 16-bit mono PCM sound
// track interleaved with it. Media players (GStreamer's avidemux and jpegdec among them) play
// such files.
struct AviClip {
    int width = 0;
    int height = 0;
    int framesPerSecond = 10;
    std::vector<QByteArray> jpegFrames;
    int sampleRate = 22050;
    std::vector<std::int16_t> sound;  // may be empty
};
QByteArray encodeAvi(const AviClip& clip);

// Draws and writes the demo clip: a seed planted, watered and growing.
Status writeDemoVideo(ContentOutput& out);
