#include "library/DataFiles.h"

#include "library/FileIds.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

Status readLineAs(LineReader& reader, LineUse use, QString& out) {
    switch (use) {
    case LineUse::Whole: {
        auto line = reader.readWhole();
        if (!line) return Error{line.error()};
        out = std::move(*line);
        return {};
    }
    case LineUse::Field: {
        auto field = reader.readTextField();
        if (!field) return Error{field.error()};
        out = std::move(*field);
        return {};
    }
    case LineUse::Skip:
        return reader.skipLine();
    case LineUse::NotRead:
        break;
    }
    return {};
}

QString fileLabel(const QString& name) { return toStoredName(insertPath(name)); }

Error fileError(const QString& name, const QString& what) {
    return Error{fileLabel(name) + QStringLiteral(", ") + what};
}

Result<QByteArray> readDataFile(const QString& name) {
    if (isNone(name)) return Error{QStringLiteral("No file name was given.")};
    return platform::files().readAll(insertPath(name));
}

Status writeDataFile(const QString& name, const QByteArray& data) {
    if (isNone(name)) return Error{QStringLiteral("No file name was given.")};
    return platform::files().writeAtomic(insertPath(name), data);
}

Status checkFileId(const QString& id, const QString& what) {
    if (id.isEmpty()) return Error{QStringLiteral("%1 is empty and cannot be stored.").arg(what)};
    if (!isFileId(id)) return Error{QStringLiteral("%1 \"%2\" is not a number and cannot be stored.").arg(what, id)};
    return {};
}

Status checkStorable(const QString& value, LineUse readAs, const QString& what) {
    if (value.contains(u'\r') || value.contains(u'\n')) {
        return Error{QStringLiteral("%1 holds a line break and cannot be stored.").arg(what)};
    }
    if (readAs != LineUse::Field) return {};
    if (value.contains(u',')) {
        return Error{QStringLiteral("%1 \"%2\" holds a comma and cannot be stored.").arg(what, value)};
    }
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    if (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()))) {
        return Error{QStringLiteral("%1 \"%2\" starts or ends with a blank and cannot be stored.").arg(what, value)};
    }
    if (value.startsWith(u'"')) {
        return Error{QStringLiteral("%1 \"%2\" starts with a double quote and cannot be stored.").arg(what, value)};
    }
    return {};
}
