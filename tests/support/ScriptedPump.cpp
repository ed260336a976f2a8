#include "ScriptedPump.h"

#include "FakeClock.h"

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

void ScriptedPump::pass(bool isWait) {
    if (doPasses + waitPasses > maxPasses) {
        std::fprintf(stderr, "ScriptedPump: %ld passes; a waiting loop never ended\n", maxPasses);
        std::abort();
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (script) script(isWait);
}
