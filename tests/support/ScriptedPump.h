#pragma once

#include "platform/EventPump.h"

#include <QEventLoop>

#include <functional>

class FakeClock;

// The event pump of tests: runs Qt's pending events without ever blocking, then the test's
// script, which may look at state, move the fake clock or send real key and mouse events.
class ScriptedPump : public EventPump {
public:
    void doEvents() override;
    void waitEvents() override;
    // Runs Qt's pending events without the user's input (Qt keeps it), then the script as for
    // a waiting pass; holdingInput is true while the script runs.
    void waitEventsHoldingInput() override;
    void releaseInput() override;

    // Called once per pass, after pending events ran. isWait tells which kind of pass it was
    // (a pass that holds input back is a waiting pass).
    std::function<void(bool isWait)> script;
    bool holdingInput = false;

    // When set, every waiting pass moves this clock forward by waitTick seconds, as real time
    // passes while a real waiting pass blocks.
    FakeClock* clock = nullptr;
    double waitTick = 0.005;

    // A safety net for tests: after this many passes the pump aborts the test program, so a
    // loop that never ends fails instead of hanging.
    long maxPasses = 10'000'000;

    long doPasses = 0;
    long waitPasses = 0;  // holding passes included
    long heldPasses = 0;
    long releases = 0;

private:
    void pass(bool isWait, QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);
};
