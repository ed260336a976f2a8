#include "students/SpeedSteps.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(SpeedSteps, CalibrationTriesHundredsThenThousandsThenTensOfThousands) {
    std::vector<std::int64_t> values{0};
    CalibrationStep step;
    while (values.back() < 130000) {
        step = nextCalibrationStep(step);
        values.push_back(step.value);
    }
    std::vector<std::int64_t> expected;
    for (std::int64_t v = 0; v <= 2000; v += 100) expected.push_back(v);
    for (std::int64_t v = 3000; v <= 100000; v += 1000) expected.push_back(v);
    for (std::int64_t v = 110000; v <= 130000; v += 10000) expected.push_back(v);
    EXPECT_EQ(values, expected);
    EXPECT_EQ(expected.size(), 21u + 98u + 3u);
}

TEST(SpeedSteps, CalibrationStopsGrowingAtTheLargestSpeed) {
    CalibrationStep step{2147480000, 10000};
    step = nextCalibrationStep(step);
    EXPECT_EQ(step.value, 2147483647);
    EXPECT_EQ(nextCalibrationStep(step).value, 2147483647);
}

TEST(SpeedSteps, AMeasurementOfAQuarterSecondIsLongEnough) {
    EXPECT_TRUE(measurementTooFast(0.0));
    EXPECT_TRUE(measurementTooFast(0.2499));
    EXPECT_FALSE(measurementTooFast(0.25));
    EXPECT_EQ(kCalibrationMoves, 200);
}

}  // namespace
