#include "library/FileIds.h"

#include "app/Globvars.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

#include <cmath>

namespace {
constexpr double kIdBase = 111111111.0;
constexpr double kIdSpan = 999999999.0;
}  // namespace

QString generatedTaskFileName(const QString& id) { return kTaskFilePrefix + id + kTaskFileExtension; }

QString generatedPictureFileName(const QString& id) { return kPictureFilePrefix + id + kPictureFileExtension; }

QString narrationFileName(const QString& pictureId) {
    return QStringLiteral("pic_") + pictureId + QStringLiteral(".wav");
}

QString introFileName(const QString& taskId) { return QStringLiteral("intro_") + taskId + QStringLiteral(".wav"); }

bool isFileId(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

NewFileId newFileId(const QString& prefix, const QString& extension) {
    platform::clock().randomize();
    for (;;) {
        const float r = platform::clock().rnd();
        const auto id = static_cast<std::int64_t>(std::floor(static_cast<double>(r) * kIdSpan + kIdBase));
        const QString idText = QString::number(id);
        const QString fileName = prefix + idText + extension;
        if (!platform::files().exists(AppFolder + kPathSeparator + fileName)) return {id, idText, fileName};
    }
}
