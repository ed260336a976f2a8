#include "WarningLog.h"

#include <QtGlobal>
#include <mutex>

namespace {

std::mutex guard;
QStringList warnings;
QtMessageHandler previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    QtMessageHandler next = nullptr;
    {
        const std::lock_guard lock(guard);
        if (type == QtWarningMsg) warnings.append(message);
        next = previous;
    }
    if (next) next(type, context, message);
}

}  // namespace

WarningLog::WarningLog() {
    const std::lock_guard lock(guard);
    warnings.clear();
    previous = qInstallMessageHandler(collect);
}

WarningLog::~WarningLog() {
    qInstallMessageHandler(previous);
    const std::lock_guard lock(guard);
    previous = nullptr;
    warnings.clear();
}

QStringList WarningLog::containing(const QString& text) const {
    const std::lock_guard lock(guard);
    return warnings.filter(text);
}
