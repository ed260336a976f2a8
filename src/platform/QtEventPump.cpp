#include "platform/QtEventPump.h"

#include <QAbstractEventDispatcher>
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

void QtEventPump::waitEvents() { wait(QEventLoop::WaitForMoreEvents); }

void QtEventPump::waitEventsHoldingInput() {
    // Qt keeps the input events it does not deliver in its queues.
    wait(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
}

void QtEventPump::releaseInput() {
    // The window system's event source is dispatched only after a wake-up, and the held passes
    // used up the one that came with the input: without a new one, the kept clicks would wait for
    // the next event of the window system (a mouse move, say) before anything handled them.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void QtEventPump::wait(QEventLoop::ProcessEventsFlags flags) {
    ++waitsSinceTick_;
    if (!tick_.isActive()) tick_.start();
    // The one-argument form blocks until an event (at worst the tick) arrives; the form with a
    // time limit, like a plain processEvents(), returns at once and would make the loop spin.
    QCoreApplication::processEvents(flags);
}
