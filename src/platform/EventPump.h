#pragma once

#include <functional>

// "Let pending window events run", in the two kinds the program needs.
class EventPump {
public:
    virtual ~EventPump() = default;

    // Handles what is pending and returns at once. Every animation step calls it; the calibrated
    // delay loop sets their pace, so this must never block.
    virtual void doEvents() = 0;

    // One pass of a loop that waits for the student, a sound or a clip: blocks until the next
    // event or a short tick (a few milliseconds), so that such a loop never spins the processor.
    virtual void waitEvents() = 0;
};
