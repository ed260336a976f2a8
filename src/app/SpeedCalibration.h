#pragma once

#include <functional>

// The measurement that finds AnimationSpeed on this computer: the delay value at which 200
// one-unit moves of a picture, each followed by killtime(value), take at least a quarter of a
// second. The first-run calibration and "Reset Speed" of the options window both run it on a
// picture of their own.

inline constexpr int kCalibrationMoves = 200;
inline constexpr double kCalibrationSeconds = 0.25;
// The largest value AnimationSpeed (a 32-bit number) can hold; the calibration goes no higher.
inline constexpr double kLargestSpeed = 2147483647;

// What a measurement does to the screen. The clock and the event pump are the platform's.
struct SpeedMeasurement {
    // Moves the calibration picture one unit (a twip) to the right.
    std::function<void()> movePicture;
    // The delay after each move; killtime unless a test gives another.
    std::function<double(double)> delay;
};

// One measurement: notes the time, makes the 200 moves with the delay value after each, lets
// pending events run, and returns true when less than kCalibrationSeconds have passed. The
// time comes from the monotonic clock, so a measurement across midnight counts as well.
bool measurementTooFast(double value, const SpeedMeasurement& measurement);

// The increment after a measurement at value was too fast: 100 at first, 1000 once the value is
// at least 2000, 10000 once it is at least 100000; it never shrinks again.
double nextSpeedIncrement(double value, double increment);

struct SpeedCalibration {
    SpeedMeasurement measurement;
    // Shows the value about to be tried (and, after a step up, the new value).
    std::function<void(double value)> showValue;
    // Puts the calibration picture where each measurement starts (optional).
    std::function<void()> placePicture;
    // Asked before each measurement: true ends the calibration with the value shown last
    // (optional; the first-run calibration runs to its end).
    std::function<bool()> stopRequested;
};

// From 0 upwards, one measurement per value, until a measurement is no longer too fast (or a
// stop is asked for, or kLargestSpeed was measured and still too fast); returns the value shown
// last: the one measured last, unless a stop came after a step up. The last step up stops at
// kLargestSpeed. Events run before each measurement and after each step up, so the window shows
// every value tried.
double calibrateSpeed(const SpeedCalibration& calibration);
