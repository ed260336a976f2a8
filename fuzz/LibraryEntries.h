#pragma once

// The library's readers as fuzz entry points. Each takes the bytes of a file and returns an empty
// text when the reader behaved, or what went wrong: a message that does not name a line, a
// record that does not survive being written and read again, readers that disagree about a
// line they read the same way. The fuzz targets abort on a non-empty answer; an ordinary test
// replays the seed corpus through the same functions.

#include "core/TextFormat.h"
#include "library/Categories.h"
#include "library/PathHelpers.h"
#include "library/PictureFile.h"
#include "library/ReviewWord.h"
#include "library/TaskFile.h"

#include <QSet>

namespace fuzzentry {

template <typename R>
QString unclearError(const Result<R>& r, const char* reader) {
    if (r || r.error().startsWith(QStringLiteral("line "))) return {};
    return QStringLiteral("%1: message without its line: %2").arg(QString::fromUtf8(reader), r.error());
}

// Text decoding drops a byte order mark at the start of a line, so a value that begins with
// one (it is invisible) reads back without it.
inline QString withoutLeadingBom(QString text) {
    while (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

// What a record looks like after a write and a read: empty optional values are "None".
inline TaskRecord asWritten(TaskRecord t) {
    t.TaskVideoFile = noneIfEmpty(t.TaskVideoFile);
    for (int s = 1; s <= t.StepCount; ++s) t.StepFileName[s] = noneIfEmpty(t.StepFileName[s]);
    t.TaskIntroFile = noneIfEmpty(t.TaskIntroFile);
    return t;
}

inline StepRecord asWritten(StepRecord p) {
    p.StepPhonetic = noneIfEmpty(p.StepPhonetic);
    p.StepWaveFile = noneIfEmpty(p.StepWaveFile);
    return p;
}

// Both records alike but for leading byte order marks.
inline bool sameText(TaskRecord a, TaskRecord b) {
    for (TaskRecord* t : {&a, &b}) {
        for (QString* text : {&t->TaskTitle, &t->TaskCategory, &t->TaskVideoFile, &t->TaskId, &t->TaskIntroFile}) {
            *text = withoutLeadingBom(*text);
        }
        for (QString& step : t->StepFileName) step = withoutLeadingBom(step);
    }
    return a == b;
}

inline bool sameText(StepRecord a, StepRecord b) {
    for (StepRecord* p : {&a, &b}) {
        for (QString* text : {&p->PictureCategory, &p->StepDescription, &p->StepPhonetic, &p->StepPictureFile,
                              &p->StepWaveFile, &p->PictureId}) {
            *text = withoutLeadingBom(*text);
        }
    }
    return a == b;
}

}  // namespace fuzzentry

inline QString fuzzTaskReaders(const QByteArray& bytes) {
    using fuzzentry::unclearError;
    const struct {
        const char* name;
        TaskReadPlan plan;
    } readers[] = {{"activity", TaskReaders::activity},   {"list", TaskReaders::list},
                   {"editor", TaskReaders::editor},       {"duplicate check", TaskReaders::duplicateCheck},
                   {"use check", TaskReaders::useCheck}, {"deletion", TaskReaders::deletion}};
    auto editor = parseTask(bytes, TaskReaders::editor);
    for (const auto& r : readers) {
        auto task = parseTask(bytes, r.plan);
        if (QString why = unclearError(task, r.name); !why.isEmpty()) return why;
        if (task && editor && r.plan.title == LineUse::Whole && task->TaskTitle != editor->TaskTitle) {
            return QStringLiteral("%1 and editor read different titles").arg(QString::fromUtf8(r.name));
        }
    }
    if (!editor) return {};
    auto written = formatTask(*editor);
    if (!written) return {};  // refused: values that would not read back
    auto again = parseTask(*written, TaskReaders::editor);
    if (!again) return QStringLiteral("a written task does not read back: ") + again.error();
    if (!fuzzentry::sameText(*again, fuzzentry::asWritten(*editor))) return QStringLiteral("a written task reads back changed");
    return {};
}

inline QString fuzzPictureReaders(const QByteArray& bytes) {
    using fuzzentry::unclearError;
    const struct {
        const char* name;
        PictureReadPlan plan;
    } readers[] = {{"activity", PictureReaders::activity}, {"list", PictureReaders::list},
                   {"preview", PictureReaders::preview},   {"editor", PictureReaders::editor},
                   {"deletion", PictureReaders::deletion}};
    auto editor = parsePicture(bytes, PictureReaders::editor);
    for (const auto& r : readers) {
        auto picture = parsePicture(bytes, r.plan);
        if (QString why = unclearError(picture, r.name); !why.isEmpty()) return why;
        if (picture && editor && r.plan.description == LineUse::Whole &&
            picture->StepDescription != editor->StepDescription) {
            return QStringLiteral("%1 and editor read different descriptions").arg(QString::fromUtf8(r.name));
        }
    }
    if (!editor) return {};
    auto written = formatPicture(*editor);
    if (!written) return {};
    auto again = parsePicture(*written, PictureReaders::editor);
    if (!again) return QStringLiteral("a written picture does not read back: ") + again.error();
    if (!fuzzentry::sameText(*again, fuzzentry::asWritten(*editor))) return QStringLiteral("a written picture reads back changed");
    return {};
}

// Reads the list, then adds its first line (or "Cooking") the way saving a category does: the
// table must come out sorted, without repeats, holding every old entry and the new one.
inline QString fuzzCategoryList(const QByteArray& bytes) {
    auto lines = parseCategoryList(bytes);
    if (QString why = fuzzentry::unclearError(lines, "category list"); !why.isEmpty()) return why;
    if (!lines) return {};
    CategoryTable.fill(QString());
    const qsizetype kept = std::min<qsizetype>(lines->size(), kMaxCategories);
    for (qsizetype i = 0; i < kept; ++i) CategoryTable[i + 1] = lines->at(i);
    const QString added = lines->isEmpty() ? QStringLiteral("Cooking") : lines->front() + QStringLiteral("x");
    const int n = insertSortedUnique(added);
    QSet<QString> expected(lines->begin(), lines->begin() + kept);
    if (expected.size() < kMaxCategories) expected.insert(added);
    if (n != expected.size()) return QStringLiteral("%1 entries after adding, %2 expected").arg(n).arg(expected.size());
    for (int i = 1; i <= n; ++i) {
        if (!expected.contains(CategoryTable[i])) return QStringLiteral("entry %1 came from nowhere").arg(i);
        if (i > 1 && QString::compare(CategoryTable[i - 1], CategoryTable[i], Qt::CaseSensitive) >= 0) {
            return QStringLiteral("entries %1 and %2 are out of order or repeated").arg(i - 1).arg(i);
        }
    }
    for (int i = n + 1; i <= kMaxCategories; ++i) {
        if (!CategoryTable[i].isEmpty()) return QStringLiteral("entry %1 after the end is not empty").arg(i);
    }
    return {};
}

inline QString fuzzReviewWord(const QByteArray& bytes) {
    auto word = parseReviewWord(bytes);
    if (QString why = fuzzentry::unclearError(word, "review word"); !why.isEmpty()) return why;
    if (!word || word->trimmed().isEmpty()) return {};
    auto again = parseReviewWord(textLine(*word));
    if (!again || fuzzentry::withoutLeadingBom(*again) != fuzzentry::withoutLeadingBom(*word)) {
        return QStringLiteral("the review word does not read back");
    }
    return {};
}
