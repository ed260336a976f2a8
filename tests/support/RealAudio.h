#pragma once

#include "TestPlatform.h"

#include "platform/Services.h"

#include <QElapsedTimer>

#include <memory>

// The real sound players, speech, event pump and clock of this machine over a TestPlatform
// (whose files, messages and AppFolder stay). A waiting loop that runs past the deadline (from
// the start, or from the last restartDeadline) gets ExitRequested set, so a wait that never ends
// fails its test instead of hanging it.
class RealAudio {
public:
    explicit RealAudio(TestPlatform& p, double deadlineSeconds = 20.0);
    ~RealAudio();
    RealAudio(const RealAudio&) = delete;
    RealAudio& operator=(const RealAudio&) = delete;

    // False when this build has no real players (the test should be skipped).
    bool available() const;

    void restartDeadline();

    // Waiting passes that ran into the deadline.
    int deadlineHits() const;

    // Waiting passes so far.
    long waitingPasses() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
