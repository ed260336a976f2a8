#pragma once

#include <QByteArray>
#include <QImage>

#include "core/Result.h"

// A GIF file of the picture (Qt reads GIF but cannot write it). Pixels less than half opaque
// become the transparent colour; the others keep their colour, reduced to at most 255 colours.
Result<QByteArray> encodeGif(const QImage& image);
