#pragma once

#include "core/Result.h"

#include <QRect>
#include <QString>

#include <memory>

class QWidget;

// A video clip shown inside a window.
class MediaPlayer {
public:
    enum class State { Stopped, Playing, Paused };

    virtual ~MediaPlayer() = default;

    // Loads the clip; an error naming it when the file does not exist.
    virtual Status load(const QString& path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual State state() = 0;

    // Shows the picture in this rectangle (pixels) of the window; hides it when window is null.
    virtual void setDisplay(QWidget* window, const QRect& rect) = 0;
};

class MediaPlayers {
public:
    virtual ~MediaPlayers() = default;
    virtual std::unique_ptr<MediaPlayer> create() = 0;
};
