#pragma once

#include "platform/EventPump.h"

#include <functional>

class FakeClock;

// The event pump of tests: runs Qt's pending events without ever blocking, then the test's
// script, which may look at state, move the fake clock or send real key and mouse events.
class ScriptedPump : public EventPump {
public:
    void doEvents() override;
    void waitEvents() override;

    // Called once per pass, after pending events ran. isWait tells which kind of pass it was.
    std::function<void(bool isWait)> script;

    // When set, every waiting pass moves this clock forward by waitTick seconds, as real time
    // passes while a real waiting pass blocks.
    FakeClock* clock = nullptr;
    double waitTick = 0.005;

    // A safety net for tests: after this many passes the pump aborts the test program, so a
    // loop that never ends fails instead of hanging.
    long maxPasses = 10'000'000;

    long doPasses = 0;
    long waitPasses = 0;

private:
    void pass(bool isWait);
};
