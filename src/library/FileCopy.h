#pragma once

#include "core/Result.h"

#include <QCoreApplication>
#include <QString>

// The message shown when a copy fails (its source text; the message box shows its translation).
inline constexpr const char* kFileTransferFailed = QT_TRANSLATE_NOOP("FileCopy", "File transfer failed");

// Replaces destination with a copy of source (both paths). The destination is replaced
// atomically, so a failed copy leaves it as it was. Any failure (a missing or unreadable source,
// a destination that cannot be written) shows "File transfer failed" and is returned.
Status CopyFileQMX(const QString& source, const QString& destination);
