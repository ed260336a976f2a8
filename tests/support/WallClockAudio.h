#pragma once

#include <QElapsedTimer>
#include <QString>
#include <memory>

#include "platform/PlaybackDevice.h"

// What a device was asked about its state, and what it answered.
struct ModeAnswers {
    int playing = 0;
    int notPlaying = 0;
};

// Sounds that play for a set time of the wall clock and then report endState, with nothing behind
// them: what is left to watch (or measure) is the wait itself.
class WallClockDevices : public AudioDevices {
public:
    WallClockDevices(qint64 milliseconds, QString endState = QStringLiteral("stopped"))
        : length_(milliseconds), endState_(std::move(endState)) {}
    std::unique_ptr<PlaybackDevice> openPlayback(const QString&) override {
        return std::make_unique<Device>(length_, endState_, answers);
    }
    std::unique_ptr<WaveRecorder> openRecorder() override { return nullptr; }

    ModeAnswers answers;

private:
    class Device : public PlaybackDevice {
    public:
        Device(qint64 length, const QString& endState, ModeAnswers& answers)
            : length_(length), endState_(endState), answers_(answers) {}
        void play() override { started_.start(); }
        void stop() override { started_.invalidate(); }
        QString mode() override {
            if (started_.isValid() && !started_.hasExpired(length_)) {
                ++answers_.playing;
                return QStringLiteral("playing");
            }
            ++answers_.notPlaying;
            return endState_;
        }

    private:
        qint64 length_;
        QString endState_;
        ModeAnswers& answers_;
        QElapsedTimer started_;
    };

    qint64 length_;
    QString endState_;
};
