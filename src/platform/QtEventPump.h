#pragma once

#include "platform/EventPump.h"

#include <QEventLoop>
#include <QTimer>

// The event pump over Qt's event loop. While a loop waits, a repeating 5 ms timer runs, so a
// waiting pass that blocks for "more events" wakes at least every 5 ms: loops that poll a sound
// or a clock stay responsive, and a wait costs about 1% of a core instead of 100%. The timer
// stops itself once no loop waits, so the idle program does not tick at all.
class QtEventPump : public EventPump {
public:
    QtEventPump();
    void doEvents() override;
    void waitEvents() override;
    void waitEventsHoldingInput() override;
    void releaseInput() override;

private:
    void wait(QEventLoop::ProcessEventsFlags flags);

    QTimer tick_;
    int waitsSinceTick_ = 0;
};
