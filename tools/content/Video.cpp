#include "Video.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ContentOutput.h"
#include "Drawing.h"
#include "Tunes.h"
#include "platform/WavFile.h"

namespace {

// Little-endian RIFF writing with sizes filled in when a chunk or list is closed.
class RiffWriter {
public:
    QByteArray bytes;

    void fourcc(const char* code) { bytes.append(code, 4); }
    void u16(std::uint32_t v) {
        for (int i = 0; i < 2; ++i) bytes.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    // Starts a chunk ("RIFF" and "LIST" take a type); returns where its size goes.
    qsizetype open(const char* id, const char* type = nullptr) {
        fourcc(id);
        const qsizetype sizeAt = bytes.size();
        u32(0);
        if (type) fourcc(type);
        return sizeAt;
    }
    void close(qsizetype sizeAt) {
        const auto size = static_cast<std::uint32_t>(bytes.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i) bytes[sizeAt + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
        if (size % 2 != 0) bytes.append('\0');  // chunks start on even offsets
    }
    void chunk(const char* id, const QByteArray& data) {
        const qsizetype at = open(id);
        bytes.append(data);
        close(at);
    }
};

constexpr std::uint32_t kHasIndex = 0x10;
constexpr std::uint32_t kInterleaved = 0x100;
constexpr std::uint32_t kKeyFrame = 0x10;

struct IndexEntry {
    const char* id;
    std::uint32_t offset;
    std::uint32_t size;
};

QByteArray soundBytes(const std::vector<std::int16_t>& sound, std::size_t from, std::size_t to) {
    QByteArray data;
    data.reserve(static_cast<qsizetype>(2 * (to - from)));
    for (std::size_t i = from; i < to && i < sound.size(); ++i) {
        const auto v = static_cast<std::uint16_t>(sound[i]);
        data.append(static_cast<char>(v & 0xFF));
        data.append(static_cast<char>(v >> 8));
    }
    return data;
}

void writeStreamHeaders(RiffWriter& w, const AviClip& clip, std::uint32_t largestFrame) {
    const qsizetype videoList = w.open("LIST", "strl");
    const qsizetype strh = w.open("strh");
    w.fourcc("vids");
    w.fourcc("MJPG");
    w.u32(0);  // flags
    w.u32(0);  // priority and language
    w.u32(0);  // initial frames
    w.u32(1);  // scale
    w.u32(static_cast<std::uint32_t>(clip.framesPerSecond));
    w.u32(0);  // start
    w.u32(static_cast<std::uint32_t>(clip.jpegFrames.size()));
    w.u32(largestFrame);
    w.u32(0xFFFFFFFF);  // quality: default
    w.u32(0);           // sample size: varies
    w.u16(0);
    w.u16(0);
    w.u16(static_cast<std::uint32_t>(clip.width));
    w.u16(static_cast<std::uint32_t>(clip.height));
    w.close(strh);
    const qsizetype strf = w.open("strf");
    w.u32(40);
    w.u32(static_cast<std::uint32_t>(clip.width));
    w.u32(static_cast<std::uint32_t>(clip.height));
    w.u16(1);   // planes
    w.u16(24);  // bits per pixel once decoded
    w.fourcc("MJPG");
    w.u32(static_cast<std::uint32_t>(clip.width * clip.height * 3));
    for (int i = 0; i < 4; ++i) w.u32(0);
    w.close(strf);
    w.close(videoList);
    if (clip.sound.empty()) return;

    const qsizetype audioList = w.open("LIST", "strl");
    const qsizetype ash = w.open("strh");
    w.fourcc("auds");
    w.u32(0);  // no handler for PCM
    w.u32(0);
    w.u32(0);
    w.u32(0);
    w.u32(1);                                            // scale: one sample ...
    w.u32(static_cast<std::uint32_t>(clip.sampleRate));  // ... per 1/rate seconds
    w.u32(0);
    w.u32(static_cast<std::uint32_t>(clip.sound.size()));
    w.u32(static_cast<std::uint32_t>(2 * clip.sampleRate / clip.framesPerSecond + 2));
    w.u32(0xFFFFFFFF);
    w.u32(2);  // bytes per sample
    w.u32(0);
    w.u32(0);
    w.close(ash);
    const qsizetype asf = w.open("strf");
    w.u16(1);  // PCM
    w.u16(1);  // mono
    w.u32(static_cast<std::uint32_t>(clip.sampleRate));
    w.u32(static_cast<std::uint32_t>(2 * clip.sampleRate));
    w.u16(2);
    w.u16(16);
    w.u16(0);
    w.close(asf);
    w.close(audioList);
}

}  // namespace

QByteArray encodeAvi(const AviClip& clip) {
    std::uint32_t largestFrame = 0;
    for (const QByteArray& f : clip.jpegFrames)
        largestFrame = std::max(largestFrame, static_cast<std::uint32_t>(f.size()));
    const std::uint32_t streams = clip.sound.empty() ? 1 : 2;

    RiffWriter w;
    const qsizetype riff = w.open("RIFF", "AVI ");
    const qsizetype hdrl = w.open("LIST", "hdrl");
    const qsizetype avih = w.open("avih");
    w.u32(static_cast<std::uint32_t>(1000000 / clip.framesPerSecond));
    w.u32(static_cast<std::uint32_t>(largestFrame * clip.framesPerSecond + 2 * clip.sampleRate));
    w.u32(0);
    w.u32(kHasIndex | kInterleaved);
    w.u32(static_cast<std::uint32_t>(clip.jpegFrames.size()));
    w.u32(0);
    w.u32(streams);
    w.u32(largestFrame);
    w.u32(static_cast<std::uint32_t>(clip.width));
    w.u32(static_cast<std::uint32_t>(clip.height));
    for (int i = 0; i < 4; ++i) w.u32(0);
    w.close(avih);
    writeStreamHeaders(w, clip, largestFrame);
    w.close(hdrl);

    std::vector<IndexEntry> index;
    const qsizetype movi = w.open("LIST", "movi");
    const qsizetype moviType = movi + 4;  // index offsets count from the list's type
    const std::size_t n = clip.jpegFrames.size();
    for (std::size_t i = 0; i < n; ++i) {
        index.push_back({"00dc", static_cast<std::uint32_t>(w.bytes.size() - moviType),
                         static_cast<std::uint32_t>(clip.jpegFrames[i].size())});
        w.chunk("00dc", clip.jpegFrames[i]);
        if (clip.sound.empty()) continue;
        // The sound that belongs to this frame's time, so that picture and sound stay together.
        const std::size_t from = i * clip.sound.size() / n;
        const std::size_t to = (i + 1) * clip.sound.size() / n;
        const QByteArray data = soundBytes(clip.sound, from, to);
        index.push_back(
            {"01wb", static_cast<std::uint32_t>(w.bytes.size() - moviType), static_cast<std::uint32_t>(data.size())});
        w.chunk("01wb", data);
    }
    w.close(movi);

    const qsizetype idx1 = w.open("idx1");
    for (const IndexEntry& e : index) {
        w.fourcc(e.id);
        w.u32(kKeyFrame);
        w.u32(e.offset);
        w.u32(e.size);
    }
    w.close(idx1);
    w.close(riff);
    return w.bytes;
}

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kFps = 10;
constexpr double kSeconds = 6.0;

double ease(double from, double to, double t) {
    const double k = std::clamp(t, 0.0, 1.0);
    return from + (to - from) * (k * k * (3 - 2 * k));
}

// Between 0 and 1 while t runs from start to end.
double phase(double t, double start, double end) { return std::clamp((t - start) / (end - start), 0.0, 1.0); }

void drawPot(QPainter& p) {
    QPainterPath pot;
    pot.moveTo(230, 300);
    pot.lineTo(410, 300);
    pot.lineTo(385, 420);
    pot.lineTo(255, 420);
    pot.closeSubpath();
    drawing::fillOutlined(p, pot, QColor(205, 92, 52), QColor(120, 50, 25), 4);
    p.setPen(QPen(QColor(120, 50, 25), 4));
    p.setBrush(QColor(214, 110, 70));
    p.drawRoundedRect(QRectF(220, 284, 200, 30), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(93, 64, 55));
    p.drawEllipse(QRectF(232, 280, 176, 16));  // the soil
}

void drawWateringCan(QPainter& p) {
    p.save();
    p.translate(150, 95);
    p.rotate(45);  // tipped, so the spout points down at the pot
    const QColor outline(27, 94, 32);
    QPainterPath spout;
    spout.moveTo(60, 30);
    spout.lineTo(118, -12);
    spout.lineTo(124, -4);
    spout.lineTo(66, 44);
    spout.closeSubpath();
    drawing::fillOutlined(p, spout, QColor(67, 160, 71), outline, 3);
    QPainterPath rose;  // the sprinkler head
    rose.addEllipse(QPointF(123, -9), 9, 12);
    drawing::fillOutlined(p, rose, QColor(129, 199, 132), outline, 3);
    p.setPen(QPen(outline, 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-40, -30, 80, 70), 30 * 16, 120 * 16);  // the handle
    QPainterPath body;
    body.addRoundedRect(QRectF(-45, 0, 110, 70), 12, 12);
    drawing::fillOutlined(p, body, QColor(67, 160, 71), outline, 3);
    p.restore();
}

QImage frame(double t) {
    QImage image = drawing::canvas(kWidth, kHeight, Qt::white);
    QPainter p(&image);
    drawing::smooth(p);
    drawing::fillGradient(p, QRectF(0, 0, kWidth, 400), QColor(129, 212, 250), QColor(225, 245, 254));
    p.fillRect(QRectF(0, 400, kWidth, 80), QColor(104, 159, 56));

    // The sun comes up while the seed is watered.
    const double sunY = ease(230, 40, phase(t, 2.4, 4.0));
    drawing::drawEmoji(p, QRectF(490, sunY, 110, 110), QStringLiteral("☀️"));

    // The plant grows out of the soil, then flowers (the sunflower brings its own stem).
    const double grow = phase(t, 3.6, 5.0);
    const double bloom = phase(t, 5.0, 5.6);
    if (bloom > 0) {
        const double h = 170 + 60 * bloom;
        drawing::drawEmoji(p, QRectF(320 - h / 2, 294 - h, h, h), QStringLiteral("🌻"));
    } else if (grow > 0) {
        const double h = 40 + 130 * grow;
        drawing::drawEmoji(p, QRectF(320 - h / 2, 294 - h, h, h), QStringLiteral("🌱"));
    }
    drawPot(p);

    // A seed falls into the pot.
    if (t < 1.4) {
        const double y = ease(40, 262, phase(t, 0.2, 1.3));
        drawing::drawEmoji(p, QRectF(300, y, 40, 40), QStringLiteral("🫘"));
    }
    // Water pours from a watering can.
    const double pour = phase(t, 1.4, 3.4);
    if (pour > 0 && pour < 1) {
        drawWateringCan(p);
        for (int d = 0; d < 3; ++d) {
            const double drop = std::fmod(t * 1.6 + d / 3.0, 1.0);
            drawing::drawEmoji(p, QRectF(232 + 8 * drop, 186 + 80 * drop, 26, 26), QStringLiteral("💧"));
        }
    }

    p.fillRect(QRectF(0, 430, kWidth, 50), QColor(0, 0, 0, 150));
    drawing::drawFittedText(p, QRectF(10, 432, kWidth - 20, 46), QStringLiteral("Planting a seed"), Qt::white, 34);
    return image;
}

Result<QByteArray> jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(85);
    if (!writer.write(image)) return Error{writer.errorString()};
    return bytes;
}

}  // namespace

Status writeDemoVideo(ContentOutput& out) {
    AviClip clip;
    clip.width = kWidth;
    clip.height = kHeight;
    clip.framesPerSecond = kFps;
    const int frames = static_cast<int>(kSeconds * kFps);
    for (int i = 0; i < frames; ++i) {
        const Result<QByteArray> bytes = jpeg(frame(static_cast<double>(i) / kFps));
        if (!bytes) return Error{QStringLiteral("%1, frame %2: %3").arg(kDemoVideoFile).arg(i).arg(bytes.error())};
        clip.jpegFrames.push_back(*bytes);
    }
    const PcmAudio tune = growingTune(kSeconds);
    clip.sampleRate = tune.sampleRate;
    clip.sound = tune.samples;
    return out.writeBytes(kDemoVideoFile, encodeAvi(clip));
}
