#include "app/Killtime.h"
#include "app/SpeedCalibration.h"

#include "TestPlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Killtime, CountsPastTheValue) {
    const struct {
        double n;
        double additions;
    } cases[] = {{0, 1}, {2.5, 3}, {-1, 1}, {-0.5, 1}, {0.99, 1}, {1, 2}, {100000, 100001}};
    for (const auto& c : cases) EXPECT_EQ(killtime(c.n), c.additions) << c.n;
}

// A computer on the fake clock: each move of the picture costs moveSeconds, each count of the
// delay countSeconds.
struct FakeComputer {
    FakeComputer(TestPlatform& platform, double move, double count)
        : p(platform), moveSeconds(move), countSeconds(count) {}
    TestPlatform& p;
    double moveSeconds;
    double countSeconds;
    std::vector<double> shown;
    int moves = 0;
    int passesDuringMeasurement = 0;

    SpeedCalibration calibration() {
        SpeedCalibration c;
        c.measurement.movePicture = [this] {
            ++moves;
            p.clock.advance(moveSeconds);
        };
        c.measurement.delay = [this](double n) {
            const double counts = n < 0 ? 1 : static_cast<double>(static_cast<long long>(n)) + 1;
            p.clock.advance(counts * countSeconds);
            return counts;
        };
        c.showValue = [this](double v) { shown.push_back(v); };
        return c;
    }
};

TEST(SpeedCalibration, OneMeasurementIs200MovesAgainstAQuarterSecond) {
    TestPlatform p;
    FakeComputer computer{p, 0.001, 0.0};
    SpeedMeasurement m = computer.calibration().measurement;
    std::vector<double> delays;
    m.delay = [&delays](double n) {
        delays.push_back(n);
        return n;
    };
    EXPECT_TRUE(measurementTooFast(700, m));
    EXPECT_EQ(delays, std::vector<double>(kCalibrationMoves, 700));
    computer.moves = 0;
    // 200 moves of 1 ms: 0.2 s, too fast; of 1.3 ms: 0.26 s, not too fast.
    EXPECT_TRUE(measurementTooFast(0, m));
    EXPECT_EQ(computer.moves, kCalibrationMoves);
    computer.moveSeconds = 0.0013;
    EXPECT_FALSE(measurementTooFast(0, m));
    // Events run once per measurement, after the moves.
    EXPECT_EQ(p.pump.doPasses, 3);
}

TEST(SpeedCalibration, StepsUpBy100Then1000Then10000) {
    TestPlatform p;
    // 200 * (10 us + v * 10 ns) reaches 0.25 s at v = 124000; the first value tried past it is
    // 130000.
    FakeComputer computer{p, 0.00001, 0.00000001};
    EXPECT_EQ(calibrateSpeed(computer.calibration()), 130000);

    std::vector<double> tried;
    for (size_t i = 0; i < computer.shown.size(); i += 2) tried.push_back(computer.shown[i]);
    ASSERT_GE(tried.size(), 5u);
    EXPECT_EQ(std::vector<double>(tried.begin(), tried.begin() + 3), (std::vector<double>{0, 100, 200}));
    const auto after = [&tried](double v) {
        for (size_t i = 0; i + 1 < tried.size(); ++i) {
            if (tried[i] == v) return tried[i + 1];
        }
        return -1.0;
    };
    EXPECT_EQ(after(1900), 2000);
    EXPECT_EQ(after(2000), 3000);
    EXPECT_EQ(after(3000), 4000);
    EXPECT_EQ(after(99000), 100000);
    EXPECT_EQ(after(100000), 110000);
    EXPECT_EQ(after(110000), 120000);
    EXPECT_EQ(tried.back(), 130000);
    // Every value tried is shown before its measurement; each step up shows the new value.
    EXPECT_EQ(computer.shown.size(), tried.size() * 2 - 1);
}

TEST(SpeedCalibration, ASlowComputerEndsAtOnceWithZero) {
    TestPlatform p;
    FakeComputer computer{p, 0.002, 0.0};
    EXPECT_EQ(calibrateSpeed(computer.calibration()), 0);
    EXPECT_EQ(computer.shown, std::vector<double>{0});
    EXPECT_EQ(computer.moves, kCalibrationMoves);
}

TEST(SpeedCalibration, AStopEndsItWithTheValueShownLast) {
    TestPlatform p;
    FakeComputer computer{p, 0.00001, 0.00000001};
    SpeedCalibration c = computer.calibration();
    int placed = 0;
    c.placePicture = [&placed] { ++placed; };
    // Stop is pressed while the third step up (to 300) is on the screen.
    c.stopRequested = [&computer] { return computer.shown.size() >= 6; };
    EXPECT_EQ(calibrateSpeed(c), 300);
    EXPECT_EQ(placed, 3);
    EXPECT_EQ(computer.moves, 3 * kCalibrationMoves);
}

TEST(SpeedCalibration, AQuarterSecondExactlyIsLongEnough) {
    TestPlatform p;
    FakeComputer computer{p, 0.25 / kCalibrationMoves, 0.0};
    EXPECT_FALSE(measurementTooFast(0, computer.calibration().measurement));
    computer.moveSeconds = 0.2499 / kCalibrationMoves;
    EXPECT_TRUE(measurementTooFast(0, computer.calibration().measurement));
}

TEST(SpeedCalibration, NeverGoesBeyondTheLargest32BitSpeed) {
    TestPlatform p;
    // Nothing this computer does takes any time: every measurement is too fast.
    FakeComputer computer{p, 0.0, 0.0};
    EXPECT_EQ(calibrateSpeed(computer.calibration()), kLargestSpeed);
    ASSERT_GE(computer.shown.size(), 3u);
    EXPECT_EQ(computer.shown[computer.shown.size() - 3], 2147480000);
    EXPECT_EQ(computer.shown.back(), kLargestSpeed);
    EXPECT_EQ(kLargestSpeed, 2147483647);
}

}  // namespace
