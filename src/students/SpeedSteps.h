#pragma once

#include <QString>

#include <cstdint>

// The rules of the animation speed: the delay count between two steps of a gliding picture
// (larger is slower). The measurement that finds a starting value is app/SpeedCalibration.h.

// "Faster": the value less one step, where the step is 1 up to 10, and otherwise the power of ten
// just below the value (10 for 11..100, 100 for 101..1000, ... up to 10^10); nothing above 10^10.
// Below 0 the value is 0 and message says "Can't go any faster".
struct SpeedChange {
    std::int64_t value = 0;
    QString message;  // empty unless the teacher must be told something
    bool operator==(const SpeedChange&) const = default;
};
SpeedChange speedFaster(std::int64_t value);

// "Slower": the value plus one step, where the step is 1 below 10, and otherwise the power of ten
// at or just below the value (10 for 10..99, 100 for 100..999, ... up to 10^9); nothing from
// 10^10 on.
std::int64_t speedSlower(std::int64_t value);

// The number at the start of a speed box's text, as the box's value is read: leading blanks
// skipped, then digits; anything else (or nothing) ends it. "" -> 0, " 250" -> 250, "12ab" -> 12.
// Saturates at the largest 64-bit value.
std::int64_t speedFromText(const QString& text);
