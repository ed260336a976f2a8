#pragma once

#include "platform/EventPump.h"

#include <QTimer>

// The event pump over Qt's event loop. A repeating 5 ms timer lives as long as the pump, so a
// waiting pass that blocks for "more events" wakes at least every 5 ms: loops that poll a
// sound or a clock stay responsive, and an idle wait costs about 1% of a core instead of 100%.
class QtEventPump : public EventPump {
public:
    QtEventPump();
    void doEvents() override;
    void waitEvents() override;

private:
    QTimer tick_;
};
