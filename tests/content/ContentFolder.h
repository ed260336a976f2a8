#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "platform/WavFile.h"

// The default content the build made, and small readers the content tests share.
inline QString contentFolder() { return QStringLiteral(STEPWICK_CONTENT_BUILD_DIR); }
inline QString contentPath(const QString& name) { return QDir(contentFolder()).filePath(name); }

// The loudest sample, as a fraction of full scale.
inline double peakOf(const PcmAudio& audio) {
    int peak = 0;
    for (const std::int16_t s : audio.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak / 32768.0;
}
