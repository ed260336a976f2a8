#pragma once

#include <array>

// The angles of the reward's stars: for every whole degree 0..360 the angle in radians
// (degree x 3.1415926 / 180), its sine and its cosine.
namespace activity {

struct AngleTables {
    std::array<double, 361> angle{};
    std::array<double, 361> sine{};
    std::array<double, 361> cosine{};
};

AngleTables init_arrays();

}  // namespace activity
