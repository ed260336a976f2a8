#include "ScriptedPump.h"

#include "FakeClock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

void ScriptedPump::doEvents() {
    ++doPasses;
    pass(false);
}

void ScriptedPump::waitEvents() {
    ++waitPasses;
    if (clock != nullptr) clock->advance(waitTick);
    pass(true);
}

void ScriptedPump::waitEventsHoldingInput() {
    ++waitPasses;
    ++heldPasses;
    if (clock != nullptr) clock->advance(waitTick);
    holdingInput = true;
    pass(true, QEventLoop::ExcludeUserInputEvents);
    holdingInput = false;
}

void ScriptedPump::releaseInput() {
    ++releases;
    // As in the real pump: the held passes used up the wake-up that came with the input.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void ScriptedPump::pass(bool isWait, QEventLoop::ProcessEventsFlags flags) {
    if (doPasses + waitPasses > maxPasses) {
        std::fprintf(stderr, "ScriptedPump: %ld passes; a waiting loop never ended\n", maxPasses);
        std::abort();
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(flags);
    if (script) script(isWait);
}
