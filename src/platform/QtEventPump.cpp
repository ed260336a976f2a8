#include "platform/QtEventPump.h"

#include <QCoreApplication>

QtEventPump::QtEventPump() {
    tick_.setInterval(5);
    tick_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick_, &QTimer::timeout, [this] {
        if (waitsSinceTick_ == 0) tick_.stop();
        waitsSinceTick_ = 0;
    });
}

void QtEventPump::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventPump::waitEvents() {
    ++waitsSinceTick_;
    if (!tick_.isActive()) tick_.start();
    // The one-argument form blocks until an event (at worst the tick) arrives; the form with a
    // time limit, like a plain processEvents(), returns at once and would make the loop spin.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
