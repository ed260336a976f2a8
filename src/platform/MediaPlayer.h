#pragma once

#include "core/Result.h"

#include <QRect>
#include <QString>

#include <memory>

class QWidget;

// A video clip shown inside a window.
class MediaPlayer {
public:
    // Playing also while a clip asked to play is still being opened or waits for data (see
    // isLoading). Failed: the clip cannot be played (not a video, a codec this machine lacks);
    // errorString() says why.
    enum class State { Stopped, Playing, Paused, Failed };

    virtual ~MediaPlayer() = default;

    // Loads the clip; an error naming it when the file does not exist.
    virtual Status load(const QString& path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual State state() = 0;
    // Why the clip cannot be played (State::Failed); empty otherwise.
    virtual QString errorString() { return {}; }
    // Playing, but no picture or sound yet: the clip is being opened, or the data stopped
    // coming (a network path that does not answer, a stalled decoder).
    virtual bool isLoading() { return false; }

    // Shows the picture in this rectangle (pixels) of the window; hides it when window is null.
    virtual void setDisplay(QWidget* window, const QRect& rect) = 0;
};

class MediaPlayers {
public:
    virtual ~MediaPlayers() = default;
    virtual std::unique_ptr<MediaPlayer> create() = 0;
};
