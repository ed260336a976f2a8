#include "students/ProgramType.h"

#include "app/Globvars.h"
#include "core/LineReader.h"
#include "core/ShippedFiles.h"
#include "platform/Services.h"

#include <QDir>

Result<std::int16_t> parseProgramType(const QByteArray& bytes) {
    LineReader reader(bytes);
    return reader.readInt16();
}

Status loadEdition() {
    const QString path = QDir(AppFolder).filePath(kProgramTypeFile);
    const auto bytes = platform::files().readAll(path);
    if (!bytes) return Error{bytes.error()};
    const auto edition = parseProgramType(*bytes);
    if (!edition) return Error{path + QStringLiteral(", ") + edition.error()};
    Edition = *edition;
    return {};
}
