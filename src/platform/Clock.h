#pragma once

#include <QString>

// Time of day, formatted dates and the random generator.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since midnight, single precision (the resolution the stored times rely on).
    virtual float timer() = 0;

    // Seconds on a clock that never jumps back, for intervals that must survive midnight.
    virtual double monotonicSeconds() = 0;

    // The current date and time in a QDateTime::toString pattern ("yyyy-MM-dd hh:mm:ss").
    virtual QString formatNow(const QString& pattern) = 0;

    // Seeds the random generator from the time of day.
    virtual void randomize() = 0;

    // Uniform in [0, 1), single precision.
    virtual float rnd() = 0;
};
