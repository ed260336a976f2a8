#include "audio/MediaPath.h"

#include "platform/Services.h"

#include <QDir>

QString absoluteMediaPath(const QString& name) {
    if (name.isEmpty() || QDir::isAbsolutePath(name)) return name;
    return QDir(platform::files().currentDir()).filePath(name);
}
