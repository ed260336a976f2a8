#include "core/LineReader.h"

#include <gtest/gtest.h>

namespace {

TEST(LineReader, WholeLinesKeepEverything) {
    LineReader r(QByteArray("  Salt, pepper \"and\" more  \r\nsecond\r\n\r\nlast"));
    EXPECT_EQ(*r.readWhole(), QStringLiteral("  Salt, pepper \"and\" more  "));
    EXPECT_EQ(*r.readWhole(), QStringLiteral("second"));
    EXPECT_EQ(*r.readWhole(), QString());
    EXPECT_EQ(r.lineNumber(), 4);
    EXPECT_EQ(*r.readWhole(), QStringLiteral("last"));  // no line end after the last line
    EXPECT_TRUE(r.atEnd());
    auto past = r.readWhole();
    ASSERT_FALSE(past.ok());
    EXPECT_TRUE(past.error().startsWith(QStringLiteral("line 5:"))) << past.error().toStdString();
}

TEST(LineReader, AcceptsLoneLineFeedsAndCarriageReturns) {
    LineReader r(QByteArray("one\ntwo\rthree\r\n"));
    EXPECT_EQ(*r.readWhole(), QStringLiteral("one"));
    EXPECT_EQ(*r.readWhole(), QStringLiteral("two"));
    EXPECT_EQ(*r.readWhole(), QStringLiteral("three"));
    EXPECT_TRUE(r.atEnd());
}

TEST(LineReader, TextFieldsStopAtCommaOrQuote) {
    const struct {
        const char* line;
        const char* field;
    } cases[] = {
        {"generated_pic_123.stp", "generated_pic_123.stp"},
        {"   leading blanks", "leading blanks"},
        {"trailing blanks   ", "trailing blanks"},
        {"\"quoted, with comma\" ignored", "quoted, with comma"},
        {"a,b", "a"},
        {"", ""},
        {"None", "None"},
    };
    for (const auto& c : cases) {
        LineReader r(QByteArray(c.line) + "\r\n");
        EXPECT_EQ(*r.readTextField(), QString::fromUtf8(c.field)) << c.line;
    }
}

TEST(LineReader, CommaInAFieldLineShiftsLaterFields) {
    // The second field read comes from the rest of the first line, not from the next line.
    LineReader r(QByteArray("first,second\r\nthird\r\n"));
    EXPECT_EQ(*r.readTextField(), QStringLiteral("first"));
    EXPECT_EQ(*r.readTextField(), QStringLiteral("second"));
    EXPECT_EQ(*r.readTextField(), QStringLiteral("third"));
}

TEST(LineReader, NumbersWithBlanksCommasAndLineEnds) {
    LineReader r(QByteArray(" 2 \r\n-1 \r\n   7   \r\n3,4\r\n5 6\r\n+8\r\n"));
    for (const std::int64_t expected : {2, -1, 7, 3, 4, 5, 6, 8}) {
        auto n = r.readNumber();
        ASSERT_TRUE(n.ok()) << n.error().toStdString();
        EXPECT_EQ(*n, expected);
    }
    EXPECT_TRUE(r.atEnd());
}

TEST(LineReader, BadNumbersNameTheLineAndTheProblem) {
    const struct {
        const char* bytes;
        const char* error;
    } cases[] = {
        {" 1 \r\nx\r\n", "line 2: 'x' is not a number"},
        {" 1 \r\n\r\n", "line 2: the line is empty, a number belongs here"},
        {" 1 \r\n", "line 2: the file ends here, a number is missing"},
        {" 1 \r\n12x\r\n", "line 2: '12x' is not a number"},
        {" 1 \r\n-\r\n", "line 2: '-' is not a number"},
        {" 1 \r\n1.5\r\n", "line 2: '1.5' is not a number"},
        {" 1 \r\n99999999999999999999\r\n", "line 2: 99999999999999999999 is too large"},
    };
    for (const auto& c : cases) {
        LineReader r{QByteArray(c.bytes)};
        ASSERT_TRUE(r.readNumber().ok());
        auto n = r.readNumber();
        ASSERT_FALSE(n.ok()) << c.bytes;
        EXPECT_EQ(n.error(), QString::fromUtf8(c.error));
    }
}

TEST(LineReader, SixteenAndThirtyTwoBitLimits) {
    LineReader r(QByteArray("32767\r\n-32768\r\n32768\r\n2147483647\r\n2147483648\r\n"));
    EXPECT_EQ(*r.readInt16(), 32767);
    EXPECT_EQ(*r.readInt16(), -32768);
    auto over = r.readInt16();
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.error(), QStringLiteral("line 3: 32768 does not fit (-32768 to 32767)"));
    EXPECT_EQ(*r.readInt32(), 2147483647);
    EXPECT_FALSE(r.readInt32().ok());
}

TEST(LineReader, DamagedBytesNeverCrash) {
    QByteArray nul("\0\0\0\r\n", 5);
    LineReader r(nul);
    auto n = r.readNumber();
    ASSERT_FALSE(n.ok());
    EXPECT_EQ(n.error(), QStringLiteral("line 1: '\\0\\0\\0' is not a number"));

    const QByteArray huge(40000, 'A');
    LineReader h(huge + "\r\n");
    auto longNumber = h.readNumber();
    ASSERT_FALSE(longNumber.ok());
    EXPECT_LT(longNumber.error().size(), 120);  // the message stays readable
    LineReader w(huge);
    EXPECT_EQ(w.readWhole()->size(), 40000);
}

}  // namespace
