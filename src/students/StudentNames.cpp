#include "students/StudentNames.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("StudentNames", text); }

const QString kOptionExtension = QStringLiteral(".lgn");

bool allowedInName(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u' ' || u == u'_' ||
           u == u'\'';
}

bool onlyBlanks(const QString& name) {
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c == u' '; });
}

}  // namespace

QString validateStudentName(const QString& name) {
    if (onlyBlanks(name)) return tr(QT_TRANSLATE_NOOP("StudentNames", "An entry is required"));
    if (name.front() == u' ') return tr(QT_TRANSLATE_NOOP("StudentNames", "A valid entry cannot start with a space"));
    if (name.back() == u' ') return tr(QT_TRANSLATE_NOOP("StudentNames", "A valid entry cannot end with a space"));
    if (!std::all_of(name.begin(), name.end(), allowedInName)) {
        return tr(QT_TRANSLATE_NOOP(
            "StudentNames", "A valid entry can only contain letters, numbers, spaces, single quotes or underscores"));
    }
    return {};
}

QString checkNewStudentName(const QString& name, const QStringList& existing) {
    if (QString problem = validateStudentName(name); !problem.isEmpty()) return problem;
    if (existing.contains(name, Qt::CaseInsensitive)) {
        return tr(QT_TRANSLATE_NOOP("StudentNames", "A student by this name exists already, please enter a new name"));
    }
    return {};
}

QStringList rosterNames(const QStringList& optionFileNames) {
    QStringList names;
    for (const QString& file : optionFileNames) {
        if (file.size() > kOptionExtension.size() && file.endsWith(kOptionExtension, Qt::CaseSensitive)) {
            names.append(file.chopped(kOptionExtension.size()));
        }
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return names;
}
