#pragma once

// How many steps a task has: 2 to 10. Step tables run 1..kMaxSteps with entry 0 unused.
inline constexpr int kMaxSteps = 10;
inline constexpr int kMinStepCount = 2;
inline constexpr int kMaxStepCount = kMaxSteps;
