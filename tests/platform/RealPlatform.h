#pragma once

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>

#include "platform/Services.h"

// Installs the real services for one test, with a temporary folder for files and printouts.
class RealPlatform {
public:
    RealPlatform() : previous_(platform::services()), real_(folder.filePath(QStringLiteral("printed"))) {
        platform::installServices(real_.services());
    }
    ~RealPlatform() { platform::installServices(previous_); }
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    QString path(const QString& name) const { return folder.filePath(name); }

    // Pumps waiting passes until done() holds; returns the seconds it took, or -1 after the limit.
    static double waitUntil(const std::function<bool()>& done, double limitSeconds = 15.0) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (!done()) {
            if (elapsed.elapsed() > limitSeconds * 1000) return -1;
            platform::pump().waitEvents();
        }
        return static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
    }

    QTemporaryDir folder;

private:
    Services previous_;
    RealServices real_;
};
