#pragma once

#include "platform/PlaybackDevice.h"

// Playback devices over Qt Multimedia and recorders on the default microphone.
class QtAudioDevices : public AudioDevices {
public:
    std::unique_ptr<PlaybackDevice> openPlayback(const QString& path) override;
    std::unique_ptr<WaveRecorder> openRecorder() override;
};
