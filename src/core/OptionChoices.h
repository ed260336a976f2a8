#pragma once

#include <cstdint>

// Option files may hold values outside the listed choices (typed by hand, or from a newer
// program); they are kept as read. Code that uses a field asks for the choice through here,
// which gives the first listed choice for anything unknown and so never indexes out of bounds.

inline constexpr int kAccessMethodChoices = 5;
inline constexpr int kBackgroundColorChoices = 6;
inline constexpr int kLayoutDirectionChoices = 3;
inline constexpr int kShuffleModeChoices = 3;
inline constexpr int kOnOffChoices = 2;  // AudioInstructions, RewardMode, PictureTitles, ...

// value when it is one of 1..choices, otherwise 1.
constexpr std::int16_t knownChoice(std::int16_t value, int choices) {
    return value >= 1 && value <= choices ? value : std::int16_t{1};
}
