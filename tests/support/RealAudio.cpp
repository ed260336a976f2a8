#include "RealAudio.h"

#include "app/Globvars.h"

namespace {

class DeadlinePump : public EventPump {
public:
    DeadlinePump(EventPump& real, double seconds) : real_(real), limitMs_(static_cast<qint64>(seconds * 1000)) {
        started_.start();
    }
    void doEvents() override { real_.doEvents(); }
    void waitEvents() override {
        real_.waitEvents();
        checkDeadline();
    }
    void waitEventsHoldingInput() override {
        real_.waitEventsHoldingInput();
        checkDeadline();
    }
    void releaseInput() override { real_.releaseInput(); }
    void restart() { started_.start(); }
    int hits = 0;
    long passes = 0;

private:
    void checkDeadline() {
        ++passes;
        if (started_.hasExpired(limitMs_)) {
            ++hits;
            ExitRequested = 1;
        }
    }

private:
    EventPump& real_;
    qint64 limitMs_;
    QElapsedTimer started_;
};

}  // namespace

struct RealAudio::Impl {
    Impl(TestPlatform& p, double seconds)
        : real(p.path(QStringLiteral("printed"))),
          pump(*real.services().pump, seconds),
          previous(platform::services()) {}
    RealServices real;
    DeadlinePump pump;
    Services previous;
};

RealAudio::RealAudio(TestPlatform& p, double deadlineSeconds) : impl_(std::make_unique<Impl>(p, deadlineSeconds)) {
    const Services& real = impl_->real.services();
    Services s = impl_->previous;
    s.pump = &impl_->pump;
    s.clock = real.clock;
    s.wave = real.wave;
    s.audio = real.audio;
    s.speech = real.speech;
    platform::installServices(s);
}

RealAudio::~RealAudio() { platform::installServices(impl_->previous); }

bool RealAudio::available() const {
    const Services& real = impl_->real.services();
    return real.wave != nullptr && real.audio != nullptr && real.speech != nullptr;
}

void RealAudio::restartDeadline() { impl_->pump.restart(); }

int RealAudio::deadlineHits() const { return impl_->pump.hits; }

long RealAudio::waitingPasses() const { return impl_->pump.passes; }
