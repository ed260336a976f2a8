#pragma once

#include "platform/ScreenMetrics.h"

class QtScreenMetrics : public ScreenMetrics {
public:
    QRect geometry() override;
    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
};
