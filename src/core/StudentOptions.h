#pragma once

#include <array>
#include <cstdint>

// One student's options: how the activity behaves for that student. Every field is a signed
// 16-bit integer except AnimationSpeed. The values' meanings are listed with each field; a value
// outside them is kept as read, and the code that uses a field treats it as the first listed.
struct StudentOptionsRecord {
    std::int16_t AccessMethod = 0;       // 1 two-switch scan, 2 click/touch, 3 timed scan, 4 drag, 5 carry
    std::int16_t ScanInterval = 0;       // seconds between scan steps (method 3)
    std::int16_t BackgroundColor = 0;    // 1..6, index into BackgroundColors
    std::int16_t AudioInstructions = 0;  // 1 on, 2 off
    std::int16_t RewardMode = 0;         // 1 show reward screen, 2 not
    std::int16_t PictureTitles = 0;      // 1 show titles over pictures, 2 not
    std::int16_t Narration = 0;          // 1 on, 2 off
    std::int16_t VideoBeforeTask = 0;    // 1 play clip before each task, 2 not
    std::int16_t VideoButton = 0;        // 1 show the video button, 2 hide
    std::int16_t ReviewBeforeTask = 0;   // 1 play review before each task, 2 not
    std::int16_t ReviewButton = 0;       // 1 show the review button, 2 hide
    std::int16_t BoxStyle = 0;           // 1 numbered boxes, 2 plain border
    std::int32_t AnimationSpeed = 0;     // delay count per glide step; negative: not calibrated
    std::int16_t LayoutDirection = 0;    // 1 left to right, 2 top to bottom, 3 right to left
    std::int16_t FeedbackMode = 0;       // 1 judge when all are placed, 2 judge each placement
    std::int16_t ShuffleMode = 0;        // 1 random, 2 never in order, 3 always in order
    std::int16_t Reserved1 = 0;
    std::int16_t Reserved2 = 0;
    std::int16_t PressReminder = 0;         // 2 no idle reminder, anything else: remind
    std::int16_t PressReminderSeconds = 0;  // idle seconds before the reminder
    std::int16_t Reserved3 = 0;
    std::int16_t Reserved4 = 0;
    // JumpStart[N][p] == 1: in a task of N steps the computer places step p in advance.
    // Only N = 2..10, p = 1..N is meaningful and stored.
    std::array<std::array<std::int16_t, 11>, 11> JumpStart{};
    // StepFilter[N] == 1: tasks of N steps (2..10) are listed on the task selection window.
    std::array<std::int16_t, 11> StepFilter{};

    bool operator==(const StudentOptionsRecord&) const = default;
};
