#include "students/SpeedSteps.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

namespace {

TEST(SpeedSteps, FasterAndSlower) {
    struct Case {
        std::int64_t value, faster, slower;
    };
    const Case cases[] = {
        {100, 90, 200},
        {10, 9, 20},
        {101, 1, 201},
        {1, 0, 2},
        {9, 8, 10},
        {11, 1, 21},
        {99, 89, 109},
        {1000, 900, 2000},
        {1001, 1, 2001},
        {123456, 23456, 223456},
        {999999999, 899999999, 1099999999},
        {10000000000, 9000000000, 10000000000},
        {10000000001, 10000000001, 10000000001},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(speedFaster(c.value), (SpeedChange{c.faster, QString()})) << c.value;
        EXPECT_EQ(speedSlower(c.value), c.slower) << c.value;
    }
}

TEST(SpeedSteps, NoFasterThanNothing) {
    EXPECT_EQ(speedFaster(0), (SpeedChange{0, QStringLiteral("Can't go any faster")}));
    EXPECT_EQ(speedFaster(-40), (SpeedChange{0, QStringLiteral("Can't go any faster")}));
    EXPECT_EQ(speedSlower(0), 1);
}

TEST(SpeedSteps, TheSpeedBoxReadAsANumber) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"", 0},
        {"250", 250},
        {"  250", 250},
        {"12ab", 12},
        {"ab", 0},
        {"-5", 0},
        {"99999999999999999999999", INT64_MAX},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(speedFromText(QString::fromLatin1(text)), value) << text;
}

}  // namespace
