#include "library/FileCopy.h"

#include "platform/Services.h"

Status CopyFileQMX(const QString& source, const QString& destination) {
    Status copied = platform::files().copy(source, destination);
    if (!copied) platform::messages().ok(QCoreApplication::translate("FileCopy", kFileTransferFailed));
    return copied;
}
