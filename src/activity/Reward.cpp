#include "activity/Reward.h"

#include "core/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

int roundToInt(double value) { return static_cast<int>(roundHalfEven(value)); }

// The whole part of draw * span + low, kept in low..low + span - 1. The product is taken in double
// precision: in single precision the largest draw below 1 rounds up to the next whole number.
int scaledDraw(float draw, int span, int low) {
    const int value = static_cast<int>(std::floor(static_cast<double>(draw) * span + low));
    return std::clamp(value, low, low + span - 1);
}

double degrees(double d) { return d * std::numbers::pi / 180.0; }

}  // namespace

StarVerdict starVerdict(int incorrectMoves, int stepCount) {
    if (incorrectMoves <= 0) return {5, QStringLiteral("aobj_reward5.wav")};
    if (incorrectMoves <= stepCount) return {4, QStringLiteral("aobj_reward4.wav")};
    return {3, QStringLiteral("aobj_reward3.wav")};
}

QString rewardSongFile(float draw) { return QStringLiteral("aobj_reward%1_song.wav").arg(scaledDraw(draw, 3, 3)); }

RewardPlan planReward(int rewardMode, int incorrectMoves, int stepCount, const RandomDraw& random) {
    if (rewardMode == kRewardOff) return {0, QString(), kRewardVeryGood};
    const StarVerdict verdict = starVerdict(incorrectMoves, stepCount);
    return {verdict.stars, rewardSongFile(random()), verdict.verdictFile};
}

std::array<QPoint, 6> pentagram(QPoint centre, int radius) {
    const double i = radius;
    const double x = centre.x();
    const double s = centre.y();
    const double sin36 = std::sin(degrees(36)), cos36 = std::cos(degrees(36));
    const double sin18 = std::sin(degrees(18)), cos18 = std::cos(degrees(18));
    const QPoint top(centre.x(), centre.y() - radius);
    return {top,
            QPoint(roundToInt(x - i * sin36), roundToInt(s + i * cos36)),
            QPoint(roundToInt(x + i * cos18), roundToInt(s - i * sin18)),
            QPoint(roundToInt(x - i * cos18), roundToInt(s - i * sin18)),
            QPoint(roundToInt(x + i * sin36), roundToInt(s + i * cos36)),
            top};
}

std::vector<StarDrawing> layOutStars(QSize surface, int stars, const RandomDraw& random) {
    std::vector<StarDrawing> out;
    if (stars <= 0) return out;
    const int spacing = roundToInt(surface.width() / static_cast<double>(stars + 1));
    const int middle = roundToInt(surface.height() / 2.0);
    const int outline = roundToInt(spacing / 2.0 - 10);
    for (int u = 1; u <= stars; ++u) {
        StarDrawing star;
        star.centre = QPoint(u * spacing, middle);
        RingColour colour{scaledDraw(random(), 206, 50), scaledDraw(random(), 206, 50), scaledDraw(random(), 206, 50)};
        for (int radius = outline; radius >= 1; --radius) {
            colour = {std::max(colour.red - 1, 0), std::max(colour.green - 1, 0), std::max(colour.blue - 1, 0)};
            star.rings.push_back({radius, colour, pentagram(star.centre, radius)});
        }
        out.push_back(std::move(star));
    }
    return out;
}

QPoint centredOn(QSize screen, QSize picture) {
    return QPoint(roundToInt((screen.width() - picture.width()) / 2.0),
                  roundToInt((screen.height() - picture.height()) / 2.0));
}
