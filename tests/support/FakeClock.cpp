#include "FakeClock.h"

#include <cmath>

float FakeClock::timer() {
    const double t = start.time().msecsSinceStartOfDay() / 1000.0 + elapsed_;
    return static_cast<float>(std::fmod(t, 86400.0));
}

QString FakeClock::formatNow(const QString& pattern) {
    return start.addMSecs(static_cast<qint64>(elapsed_ * 1000.0)).toString(pattern);
}

float FakeClock::rnd() {
    if (!scriptedDraws.empty()) {
        const float r = scriptedDraws.front();
        scriptedDraws.pop_front();
        return r;
    }
    return std::uniform_real_distribution<float>(0.0f, 1.0f)(generator_);
}

void FakeClock::setTimeOfDay(double secondsSinceMidnight) {
    start.setTime(QTime(0, 0));
    start = start.addMSecs(static_cast<qint64>(secondsSinceMidnight * 1000.0));
    elapsed_ = 0.0;
}
