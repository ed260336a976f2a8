#pragma once

#include <QString>
#include <QStringList>

// Collects the warnings Qt reports (from any thread) while it lives, and passes them on to the
// handler that was there before. One at a time.
class WarningLog {
public:
    WarningLog();
    ~WarningLog();
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;

    // The warnings so far that contain the text.
    QStringList containing(const QString& text) const;
};
