#include "platform/QtScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QScreen* primary() { return QGuiApplication::primaryScreen(); }
}  // namespace

QRect QtScreenMetrics::geometry() {
    QScreen* s = primary();
    return s != nullptr ? s->geometry() : QRect(0, 0, 1024, 768);
}

double QtScreenMetrics::twipsPerPixelX() {
    QScreen* s = primary();
    const double dpi = s != nullptr ? s->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double QtScreenMetrics::twipsPerPixelY() {
    QScreen* s = primary();
    const double dpi = s != nullptr ? s->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}
