#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxColours = 255;  // one more index is kept for transparency

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

// The colour a pixel keeps after dropping the lowest `drop` bits of each channel (the middle of
// the dropped range, so that the picture does not get darker).
QRgb reduced(QRgb colour, int drop) {
    if (drop == 0) return colour & 0xFFFFFF;
    const int mask = 0xFF & ~((1 << drop) - 1);
    const int half = 1 << (drop - 1);
    auto channel = [&](int value) { return std::min(255, (value & mask) + half); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour))) & 0xFFFFFF;
}

bool opaqueEnough(QRgb pixel) { return qAlpha(pixel) >= 128; }

// The palette: every colour of the picture when there are few enough, otherwise the colours
// with fewer bits per channel. Sorted, so that the same picture always gives the same file.
std::map<QRgb, int> buildPalette(const QImage& image, int* drop) {
    for (*drop = 0; *drop < 8; ++*drop) {
        std::map<QRgb, int> colours;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (opaqueEnough(line[x])) colours.emplace(reduced(line[x], *drop), 0);
            }
        }
        if (static_cast<int>(colours.size()) <= kMaxColours) {
            int index = 0;
            for (auto& entry : colours) entry.second = index++;
            return colours;
        }
    }
    return {};
}

QString gifError(int code) {
    const char* text = GifErrorString(code);
    return text ? QString::fromUtf8(text) : QStringLiteral("error %1").arg(code);
}

}  // namespace

Result<QByteArray> encodeGif(const QImage& source) {
    if (source.isNull()) return Error{QStringLiteral("the picture is empty")};
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    int drop = 0;
    const std::map<QRgb, int> palette = buildPalette(image, &drop);
    const int transparent = static_cast<int>(palette.size());

    std::vector<GifColorType> colours(256, GifColorType{0, 0, 0});
    for (const auto& [rgb, index] : palette) {
        colours[index] = GifColorType{static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
                                      static_cast<GifByteType>(qBlue(rgb))};
    }

    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendBytes, &error));
    if (!gif) return Error{gifError(error)};
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(256, colours.data()),
                                                                   GifFreeMapObject);
    EGifSetGifVersion(gif.get(), true);  // GIF89a: needed for the transparency block
    if (EGifPutScreenDesc(gif.get(), image.width(), image.height(), 8, transparent, map.get()) == GIF_ERROR) {
        return Error{gifError(gif->Error)};
    }
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparent};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, image.width(), image.height(), false, nullptr) == GIF_ERROR) {
        return Error{gifError(gif->Error)};
    }
    std::vector<GifPixelType> row(image.width());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x] =
                static_cast<GifPixelType>(opaqueEnough(line[x]) ? palette.at(reduced(line[x], drop)) : transparent);
        }
        if (EGifPutLine(gif.get(), row.data(), image.width()) == GIF_ERROR) return Error{gifError(gif->Error)};
    }
    GifFileType* finished = gif.release();
    if (EGifCloseFile(finished, &error) == GIF_ERROR) return Error{gifError(error)};
    return bytes;
}
