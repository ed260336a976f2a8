#pragma once

// Switches reach the activity as keys: the scan switch as Space, the select switch as Enter.
namespace activity {

inline constexpr int kScanKeyCode = 32;
inline constexpr int kSelectKeyCode = 13;

// The key code the switch handling sees for a Qt key: 32 for Space, 13 for Return and for the
// keypad's Enter alike, 0 for every other key.
int switchKeyCode(int qtKey);

}  // namespace activity
