#include "library/OptionsFile.h"

#include "app/Globvars.h"
#include "core/LineReader.h"
#include "core/TextFormat.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"
#include "library/DefaultOptions.h"

#include <optional>
#include <type_traits>

namespace {

const QString kTeacher = QStringLiteral("teacher");

// Calls visit on every stored value of the record, in file order.
template <typename Record, typename Visit>
void forEachStoredValue(Record& o, Visit&& visit) {
    visit(o.AccessMethod);
    visit(o.ScanInterval);
    visit(o.BackgroundColor);
    visit(o.AudioInstructions);
    visit(o.RewardMode);
    visit(o.PictureTitles);
    visit(o.Narration);
    visit(o.VideoBeforeTask);
    visit(o.VideoButton);
    visit(o.ReviewBeforeTask);
    visit(o.ReviewButton);
    visit(o.BoxStyle);
    visit(o.AnimationSpeed);
    visit(o.LayoutDirection);
    visit(o.FeedbackMode);
    visit(o.ShuffleMode);
    visit(o.Reserved1);
    visit(o.Reserved2);
    visit(o.PressReminder);
    visit(o.PressReminderSeconds);
    visit(o.Reserved3);
    visit(o.Reserved4);
    for (int n = 2; n <= 10; ++n) {
        for (int p = 1; p <= n; ++p) visit(o.JumpStart[n][p]);
    }
    for (int n = 2; n <= 10; ++n) visit(o.StepFilter[n]);
}

// The name must stay a file of AppFolder.
Status checkStudentName(const QString& fileName) {
    if (fileName.contains(kPathSeparator) || fileName.contains(QChar(0)) || fileName.startsWith(u'.')) {
        return Error{QStringLiteral("\"%1\" cannot be used as the name of an option file.").arg(fileName)};
    }
    return {};
}

Result<QString> optionsPath(const QString& studentName) {
    const QString fileName = studentOptionsFileName(studentName);
    if (Status s = checkStudentName(fileName); !s) return Error{s.error()};
    return QString(AppFolder + kPathSeparator + fileName);
}

Status writeOptions(const QString& path, const StudentOptionsRecord& options) {
    return platform::files().writeAtomic(path, formatStudentOptions(options));
}

}  // namespace

QString studentOptionsFileName(const QString& studentName) {
    const QString trimmed = studentName.trimmed();
    return (trimmed.isEmpty() ? kTeacher : trimmed) + QStringLiteral(".lgn");
}

QByteArray formatStudentOptions(const StudentOptionsRecord& options) {
    QByteArray out;
    out.reserve(kOptionLineCount * 6);
    forEachStoredValue(options, [&out](auto value) { out += numberLine(value); });
    return out;
}

Result<StudentOptionsRecord> parseStudentOptions(const QByteArray& bytes, StudentOptionsRecord base) {
    LineReader reader(bytes);
    std::optional<QString> problem;
    forEachStoredValue(base, [&](auto& field) {
        if (problem) return;
        using Field = std::remove_reference_t<decltype(field)>;
        auto value = [&reader] {
            if constexpr (std::is_same_v<Field, std::int32_t>) return reader.readInt32();
            else return reader.readInt16();
        }();
        if (value) {
            field = *value;
        } else {
            problem = value.error();
        }
    });
    if (problem) return Error{*problem};
    return base;
}

Status loadStudentOptions(const QString& studentName) {
    auto path = optionsPath(studentName);
    if (!path) return Error{path.error()};
    const QString fileName = getFileName(*path);
    if (fileName == kTeacher + QStringLiteral(".lgn") && !platform::files().exists(*path)) {
        StudentOptions = defaultStudentOptions();
        return writeOptions(*path, StudentOptions);
    }
    auto bytes = platform::files().readAll(*path);
    if (!bytes) return Error{bytes.error()};
    auto options = parseStudentOptions(*bytes, StudentOptions);
    if (!options) return Error{fileName + QStringLiteral(", ") + options.error()};
    StudentOptions = *options;
    return {};
}

Status saveStudentOptions(const QString& studentName) {
    auto path = optionsPath(studentName);
    if (!path) return Error{path.error()};
    return writeOptions(*path, StudentOptions);
}
