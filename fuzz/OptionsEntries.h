#pragma once

// The option file reader as a fuzz entry point; see LibraryEntries.h.

#include "library/OptionsFile.h"

inline QString fuzzStudentOptions(const QByteArray& bytes) {
    auto options = parseStudentOptions(bytes);
    if (!options) {
        if (options.error().startsWith(QStringLiteral("line "))) return {};
        return QStringLiteral("message without its line: ") + options.error();
    }
    auto again = parseStudentOptions(formatStudentOptions(*options));
    if (!again) return QStringLiteral("written options do not read back: ") + again.error();
    if (*again != *options) return QStringLiteral("written options read back changed");
    return {};
}
