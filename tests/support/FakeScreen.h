#pragma once

#include "platform/ScreenMetrics.h"

class FakeScreen : public ScreenMetrics {
public:
    QRect geometry() override { return rect; }
    double twipsPerPixelX() override { return twipsPerPixel; }
    double twipsPerPixelY() override { return twipsPerPixel; }

    QRect rect{0, 0, 1024, 768};
    double twipsPerPixel = 15.0;
};
