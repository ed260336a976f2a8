#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

#include <random>

class SystemClock : public Clock {
public:
    SystemClock();
    float timer() override;
    double monotonicSeconds() override;
    QString formatNow(const QString& pattern) override;
    void randomize() override;
    float rnd() override;

private:
    QElapsedTimer elapsed_;
    std::mt19937 generator_;
};
