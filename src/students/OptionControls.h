#pragma once

#include "core/StudentOptions.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What the controls of the options window mean, without the window: the option groups (one
// button per value of a field), the speed box's value and the refusal of the jump-start panel.

// A group of option buttons: button i sets the field to i (1..captions.size()). The captions are
// translated in the context "FormOptions"; the background colours' captions are their names,
// which the window shows as the buttons' colour and gives as their accessible names.
struct OptionGroup {
    const char* name;  // "OptInputDevice"; its buttons are named "OptInputDevice1", ...
    std::int16_t StudentOptionsRecord::*field;
    std::vector<const char*> captions;
};

// Every group of the window, in the order of their panels.
const std::vector<OptionGroup>& optionGroups();

// The group of that name; aborts for a name that is not in the table (a programming error).
const OptionGroup& optionGroup(const char* name);

// The speed box holds at most this many digits, so that its value fits AnimationSpeed.
inline constexpr int kSpeedBoxDigits = 9;

// The speed box's text as AnimationSpeed: 1 to 9 digits and nothing else; otherwise none.
std::optional<std::int32_t> speedBoxValue(const QString& text);

// "The Animation Speed must be a number between 0 and 999999999"
QString speedBoxMessage();

// The ticks of the jump-start boxes: [N][p] for tasks of N = 2..10 steps, positions p = 1..N.
using JumpStartTicks = std::array<std::array<bool, 11>, 11>;

// For the smallest task length whose every box is ticked, "On N Tasks, every box is checked.
// This is not allowed"; the empty text when no length has every box ticked.
QString jumpStartRefusal(const JumpStartTicks& ticked);
