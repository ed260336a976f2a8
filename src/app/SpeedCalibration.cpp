#include "app/SpeedCalibration.h"

#include "app/Killtime.h"
#include "platform/Services.h"

#include <algorithm>

bool measurementTooFast(double value, const SpeedMeasurement& measurement) {
    const double start = platform::clock().monotonicSeconds();
    for (int i = 0; i < kCalibrationMoves; ++i) {
        measurement.movePicture();
        if (measurement.delay) {
            measurement.delay(value);
        } else {
            killtime(value);
        }
    }
    platform::pump().doEvents();
    return platform::clock().monotonicSeconds() - start < kCalibrationSeconds;
}

double nextSpeedIncrement(double value, double increment) {
    if (value >= 100000) return 10000;
    if (value >= 2000 && increment < 1000) return 1000;
    return increment;
}

double calibrateSpeed(const SpeedCalibration& calibration) {
    double value = 0;
    double increment = 100;
    const auto show = [&calibration](double v) {
        if (calibration.showValue) calibration.showValue(v);
    };
    while (!(calibration.stopRequested && calibration.stopRequested())) {
        show(value);
        if (calibration.placePicture) calibration.placePicture();
        platform::pump().doEvents();
        if (!measurementTooFast(value, calibration.measurement) || value >= kLargestSpeed) break;
        increment = nextSpeedIncrement(value, increment);
        value = std::min(value + increment, kLargestSpeed);
        show(value);
        platform::pump().doEvents();
    }
    return value;
}
