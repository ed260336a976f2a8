#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Line ending of every file the program writes.
inline constexpr char kCrLf[] = "\r\n";

// The text with every "&" doubled, so that a label shows the ampersand instead of taking it as
// an access-key mark.
QString escapeAmpersands(const QString& text);

// The text with a double quote put in front unless it already begins with one, and one at the
// end unless it already ends with one. Inner quotes are left alone.
QString quoteText(const QString& text);

// A number as the data files store it: a sign position (blank or minus), the digits, and a
// trailing blank. 4 -> " 4 ", -1 -> "-1 ".
QByteArray formatNumber(std::int64_t value);

// A number line: formatNumber followed by CR LF.
QByteArray numberLine(std::int64_t value);

// A text line: the text as UTF-8 followed by CR LF.
QByteArray textLine(const QString& text);

// Rounds to the nearest integer, halves to the even one (0.5 -> 0, 1.5 -> 2, 2.5 -> 2,
// -0.5 -> 0), saturating at the limits of a 16-bit integer.
std::int16_t roundToInt16(double value);

// Rounds halves to even without narrowing.
double roundHalfEven(double value);

// Text from file bytes: UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252 (the code
// page of files made on older classroom computers).
QString decodeText(const QByteArray& bytes);

// Text as the program writes it.
inline QByteArray encodeText(const QString& text) { return text.toUtf8(); }
