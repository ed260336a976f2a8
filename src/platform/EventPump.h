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

    // One pass of a wait that nothing the user does may interrupt (a sound that blocks a
    // teacher's screen): like waitEvents, windows repaint and timers run, but no handler of a
    // key, click or touch runs. Such input is kept, in order, for later.
    virtual void waitEventsHoldingInput() = 0;

    // Ends a run of waitEventsHoldingInput passes: the input kept meanwhile is handled by the
    // next pass of any kind, the application's own event loop included.
    virtual void releaseInput() = 0;

    // Waits in waitEventsHoldingInput passes until done() holds (asked before each pass), then
    // releases the input kept meanwhile.
    void waitWithoutInput(const std::function<bool()>& done) {
        while (!done()) waitEventsHoldingInput();
        releaseInput();
    }
};
