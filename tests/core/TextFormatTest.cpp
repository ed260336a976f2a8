#include "core/TextFormat.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* in;
    const char* out;
};

TEST(TextFormat, EscapeAmpersandsDoublesEveryOne) {
    const TextCase cases[] = {
        {"", ""},
        {"Salt & pepper", "Salt && pepper"},
        {"&&", "&&&&"},
        {"&start", "&&start"},
        {"end&", "end&&"},
        {"no ampersand", "no ampersand"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escapeAmpersands(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    }
}

TEST(TextFormat, QuoteTextAddsOnlyMissingQuotes) {
    const TextCase cases[] = {
        {"plain", "\"plain\""},
        {"\"already\"", "\"already\""},
        {"\"open", "\"open\""},
        {"close\"", "\"close\""},
        {"in \"side\" quotes", "\"in \"side\" quotes\""},  // inner quotes are not doubled
        {"C:/My Files/temp.wav", "\"C:/My Files/temp.wav\""},
        {"", "\"\""},
        {"\"", "\"\""},  // a lone quote still becomes a quoted empty text, never one quote
    };
    for (const auto& c : cases) {
        EXPECT_EQ(quoteText(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    }
}

TEST(TextFormat, NumbersCarrySignPositionAndTrailingBlank) {
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, " 0 "}, {1, " 1 "}, {2, " 2 "}, {-1, "-1 "}, {32767, " 32767 "}, {-32768, "-32768 "},
        {999999999, " 999999999 "}, {-2147483648LL, "-2147483648 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.value), QByteArray(c.text)) << c.value;
    }
    EXPECT_EQ(numberLine(4), QByteArray(" 4 \r\n"));
    EXPECT_EQ(textLine(QStringLiteral("Brushing teeth")), QByteArray("Brushing teeth\r\n"));
}

TEST(TextFormat, RoundsHalvesToEven) {
    const struct {
        double in;
        std::int16_t out;
    } cases[] = {
        {0.5, 0},     {1.5, 2},     {2.5, 2},     {3.5, 4},       {-0.5, 0},        {-1.5, -2},
        {-2.5, -2},   {0.49, 0},    {0.51, 1},    {2.4999, 2},    {-2.6, -3},       {7.0, 7},
        {32767.4, 32767}, {40000.0, 32767}, {-40000.0, -32768},  // saturates instead of wrapping
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundToInt16(c.in), c.out) << c.in;
    }
}

TEST(TextFormat, DecodesUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(decodeText(QByteArray("Caf\xc3\xa9")), QStringLiteral("Café"));
    // Not valid UTF-8: é as one byte, the euro sign and curly quotes of Windows-1252.
    EXPECT_EQ(decodeText(QByteArray("Caf\xe9")), QStringLiteral("Café"));
    EXPECT_EQ(decodeText(QByteArray("\x80 5")), QStringLiteral("€ 5"));
    EXPECT_EQ(decodeText(QByteArray("\x93quoted\x94")), QStringLiteral("“quoted”"));
    EXPECT_EQ(decodeText(QByteArray("plain ascii")), QStringLiteral("plain ascii"));
    EXPECT_EQ(decodeText(QByteArray()), QString());
}

}  // namespace
