#include "platform/SystemClock.h"

#include <QDateTime>
#include <QTime>

SystemClock::SystemClock()
    : generator_(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay())) {
    elapsed_.start();
}

float SystemClock::timer() { return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0); }

double SystemClock::monotonicSeconds() { return elapsed_.nsecsElapsed() / 1e9; }

QString SystemClock::formatNow(const QString& pattern) { return QDateTime::currentDateTime().toString(pattern); }

void SystemClock::randomize() {
    // Seeded from the time of day, to the millisecond.
    generator_.seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

float SystemClock::rnd() {
    // 24 random bits give every single-precision value in [0, 1) with a 2^-24 step; never 1.
    return static_cast<float>(generator_() >> 8) / 16777216.0f;
}
