#pragma once

#include <memory>

#include "platform/SoundChannel.h"
#include "platform/WavePlayer.h"

// The simple player over Qt Multimedia.
class QtWavePlayer : public WavePlayer {
public:
    void playSync(const QString& path, bool loop) override;
    void playAsync(const QString& path, bool loop) override;
    void stop() override;

    // True while a sound of this player is sounding.
    bool isPlaying();

private:
    SoundChannel& channel();

    std::unique_ptr<SoundChannel> channel_;  // made on first use: the media framework is slow to start
    unsigned sound_ = 0;                     // counts the sounds started, so a wait knows when its own was replaced
};
