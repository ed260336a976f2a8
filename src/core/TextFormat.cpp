#include "core/TextFormat.h"

#include <QStringDecoder>

#include <cmath>
#include <limits>

QString escapeAmpersands(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&&"));
    return out;
}

QString quoteText(const QString& text) {
    QString out = text;
    const QChar quote = QLatin1Char('"');
    if (!out.startsWith(quote)) out.prepend(quote);
    // A lone quote both begins and ends the text once the first one is in front.
    if (!out.endsWith(quote) || out.size() == 1) out.append(quote);
    return out;
}

QByteArray formatNumber(std::int64_t value) {
    QByteArray out = value < 0 ? QByteArray() : QByteArray(" ");
    out += QByteArray::number(static_cast<qlonglong>(value));
    out += ' ';
    return out;
}

QByteArray numberLine(std::int64_t value) { return formatNumber(value) + kCrLf; }

QByteArray textLine(const QString& text) { return encodeText(text) + kCrLf; }

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t roundToInt16(double value) {
    if (std::isnan(value)) return 0;
    const double r = roundHalfEven(value);
    if (r <= std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    if (r >= std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(r);
}

namespace {
// Windows-1252 0x80..0x9F; the rest of the byte range is Latin-1. Unassigned bytes map to the
// same code point, as Windows itself does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return out;
}
}  // namespace

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return decodeCp1252(bytes);
}
