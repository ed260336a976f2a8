#include "students/SpeedSteps.h"

#include <QCoreApplication>

#include <limits>

namespace {

constexpr std::int64_t kPowersOfTen[] = {10,      100,      1000,      10000,      100000,
                                         1000000, 10000000, 100000000, 1000000000, 10000000000};

}  // namespace

SpeedChange speedFaster(std::int64_t value) {
    std::int64_t step = 0;
    if (value <= 10) {
        step = 1;
    } else {
        // 10^k for 10^k < value <= 10^(k+1), k = 1..9.
        for (int k = 0; k + 1 < static_cast<int>(std::size(kPowersOfTen)); ++k) {
            if (kPowersOfTen[k] < value && value <= kPowersOfTen[k + 1]) step = kPowersOfTen[k];
        }
    }
    const std::int64_t faster = value - step;
    if (faster < 0) return {0, QCoreApplication::translate("SpeedSteps", "Can't go any faster")};
    return {faster, QString()};
}

std::int64_t speedSlower(std::int64_t value) {
    std::int64_t step = 0;
    if (value < 10) {
        step = 1;
    } else {
        // 10^k for 10^k <= value < 10^(k+1), k = 1..9.
        for (int k = 0; k + 1 < static_cast<int>(std::size(kPowersOfTen)); ++k) {
            if (kPowersOfTen[k] <= value && value < kPowersOfTen[k + 1]) step = kPowersOfTen[k];
        }
    }
    if (value > std::numeric_limits<std::int64_t>::max() - step) return std::numeric_limits<std::int64_t>::max();
    return value + step;
}

std::int64_t speedFromText(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ') ++at;
    std::int64_t value = 0;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        const int digit = text[at].unicode() - u'0';
        if (value > (kMax - digit) / 10) return kMax;
        value = value * 10 + digit;
    }
    return value;
}
