#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>

// The screen's size, in pixels and in twips (1440 per inch).
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;

    // The whole primary screen, in logical pixels.
    virtual QRect geometry() = 0;
    QSize sizePixels() { return geometry().size(); }

    // 1440 / logical dots per inch: 15 at 96 dpi.
    virtual double twipsPerPixelX() = 0;
    virtual double twipsPerPixelY() = 0;

    QSizeF sizeTwips() {
        const QSize px = sizePixels();
        return {px.width() * twipsPerPixelX(), px.height() * twipsPerPixelY()};
    }
};
