#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <vector>

// What the reward screen shows and plays once a task is solved, and where it draws the stars.
// The window plays the sounds, draws the rings and waits; everything it decides comes from here.

inline const QString kRewardCheckPicture = QStringLiteral("aobj_check.jpg");
inline const QString kRewardStarSound = QStringLiteral("aobj_reward_star.wav");
inline const QString kRewardVeryGood = QStringLiteral("aobj_very_good.wav");
inline constexpr int kRewardOff = 2;  // RewardMode: check mark and "Very good." only

// A random draw in [0, 1) (the platform clock's rnd()).
using RandomDraw = std::function<float()>;

// Stars by wrong placements: none 5, up to the step count 4, more 3; with the verdict recording.
struct StarVerdict {
    int stars = 0;
    QString verdictFile;  // aobj_reward5.wav, aobj_reward4.wav or aobj_reward3.wav
    bool operator==(const StarVerdict&) const = default;
};
StarVerdict starVerdict(int incorrectMoves, int stepCount);

// One of the three songs, chosen by a draw in [0, 1): aobj_reward3_song.wav to aobj_reward5_song.wav.
QString rewardSongFile(float draw);

// What the reward plays, in order: the song, then the verdict; then one star sound per star.
// With the reward off there is no song and no star, and the verdict is "Very good.".
struct RewardPlan {
    int stars = 0;
    QString songFile;     // empty when the reward is off
    QString verdictFile;  // played after the song
    bool operator==(const RewardPlan&) const = default;
};
// Draws once from random for the song when the reward is on.
RewardPlan planReward(int rewardMode, int incorrectMoves, int stepCount, const RandomDraw& random);

// A colour of a star's ring; each component 0..255.
struct RingColour {
    int red = 0, green = 0, blue = 0;
    bool operator==(const RingColour&) const = default;
};

// One ring of a star: the five lines of a pentagram as a closed path (top, lower left, right,
// left, lower right, top), drawn in one colour.
struct StarRing {
    int radius = 0;
    RingColour colour;
    std::array<QPoint, 6> path{};
};

// One star: its rings from the outline inward, each a shade darker than the one before.
struct StarDrawing {
    QPoint centre;
    std::vector<StarRing> rings;
};

// The pentagram of radius around centre, every point rounded to the nearest pixel (halves to even).
std::array<QPoint, 6> pentagram(QPoint centre, int radius);

// The stars on a surface of the given size (pixels), left to right across its middle line, spaced
// width / (stars + 1) apart. Each star's starting colour takes three draws from random (red, green,
// blue, each 50..255), drawn star by star as the stars are drawn.
std::vector<StarDrawing> layOutStars(QSize surface, int stars, const RandomDraw& random);

// Top left corner that centres a picture of size picture on a screen of size screen.
QPoint centredOn(QSize screen, QSize picture);
