#include "ContentOutput.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>

#include "GifWriter.h"
#include "core/TextFormat.h"
#include "platform/Services.h"

namespace {
// High enough that lettering stays crisp, low enough to keep the folder small.
constexpr int kJpegQuality = 92;
}  // namespace

ContentOutput::ContentOutput(QString folder) : folder_(std::move(folder)) {}

QString ContentOutput::path(const QString& name) const {
    return QDir(folder_).filePath(name);
}

Status ContentOutput::writeBytes(const QString& name, const QByteArray& bytes) {
    return platform::files().writeAtomic(path(name), bytes);
}

Status ContentOutput::writeLines(const QString& name, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += textLine(line);
    return writeBytes(name, bytes);
}

Status ContentOutput::writeImage(const QString& name, const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image)) {
        return Error{QStringLiteral("%1 cannot be encoded: %2").arg(name, writer.errorString())};
    }
    pictures_.push_back({name, image, library_});
    return writeBytes(name, bytes);
}

Status ContentOutput::writeJpeg(const QString& name, const QImage& image) {
    // JPEG has no transparency: flatten onto white first so that soft edges do not turn black.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    return writeImage(name, flat, "jpg", kJpegQuality);
}

Status ContentOutput::writeIcon(const QString& name, const QImage& image) {
    return writeImage(name, image.convertToFormat(QImage::Format_ARGB32), "ico", -1);
}

Status ContentOutput::writeGif(const QString& name, const QImage& image) {
    const Result<QByteArray> bytes = encodeGif(image);
    if (!bytes) return Error{QStringLiteral("%1 cannot be encoded: %2").arg(name, bytes.error())};
    pictures_.push_back({name, image, library_});
    return writeBytes(name, *bytes);
}

Status ContentOutput::writeWave(const QString& name, const PcmAudio& audio) {
    return writeWav(path(name), audio);
}
