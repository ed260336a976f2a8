#pragma once

#include "core/Result.h"

#include <QString>

// The message shown when a copy fails.
inline const QString kFileTransferFailed = QStringLiteral("File transfer failed");

// Replaces destination with a copy of source (both paths). The destination is replaced
// atomically, so a failed copy leaves it as it was. Any failure (a missing or unreadable source,
// a destination that cannot be written) shows "File transfer failed" and is returned.
Status CopyFileQMX(const QString& source, const QString& destination);
