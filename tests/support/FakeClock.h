#pragma once

#include "platform/Clock.h"

#include <QDateTime>

#include <deque>
#include <random>

// A clock that moves only when a test (or the scripted pump) moves it.
class FakeClock : public Clock {
public:
    float timer() override;
    double monotonicSeconds() override { return elapsed_; }
    QString formatNow(const QString& pattern) override;
    void randomize() override { ++randomizeCalls; }
    // Scripted draws first, then a fixed-seed generator.
    float rnd() override;

    // Moves time forward by seconds (time of day wraps at midnight).
    void advance(double seconds) { elapsed_ += seconds; }
    void setTimeOfDay(double secondsSinceMidnight);

    QDateTime start = QDateTime(QDate(2026, 3, 14), QTime(9, 30, 0));
    std::deque<float> scriptedDraws;
    int randomizeCalls = 0;

private:
    double elapsed_ = 0.0;
    std::mt19937 generator_{12345};
};
