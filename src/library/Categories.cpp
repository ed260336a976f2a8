#include "library/Categories.h"

#include "core/LineReader.h"
#include "core/TextFormat.h"
#include "library/DataFiles.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

#include <utility>

namespace {

int entryCount() {
    int n = 0;
    while (n < kMaxCategories && !CategoryTable[n + 1].isEmpty()) ++n;
    return n;
}

bool exactlyLess(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseSensitive) < 0; }

// Selection sort of entries 1..n; the first of equal entries stays first.
void sortEntries(int n) {
    for (int i = 1; i < n; ++i) {
        int smallest = i;
        for (int k = i + 1; k <= n; ++k) {
            if (exactlyLess(CategoryTable[k], CategoryTable[smallest])) smallest = k;
        }
        if (smallest != i) std::swap(CategoryTable[i], CategoryTable[smallest]);
    }
}

// Removes every entry that equals the one after it; returns the new count.
int removeRepeats(int n) {
    int i = 1;
    while (i < n) {
        if (CategoryTable[i] == CategoryTable[i + 1]) {
            for (int k = i; k < n; ++k) CategoryTable[k] = std::move(CategoryTable[k + 1]);
            CategoryTable[n].clear();
            --n;
        } else {
            ++i;
        }
    }
    return n;
}

QStringList tableEntries(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i) out.append(CategoryTable[i]);
    return out;
}

}  // namespace

int insertSortedUnique(const QString& text) {
    // Sorting and removing repeats first leaves room in a full table that holds repeats (a list
    // edited by hand), and gives a well-made table exactly what inserting first would.
    int n = entryCount();
    sortEntries(n);
    n = removeRepeats(n);
    if (text.isEmpty() || n == kMaxCategories) return n;
    CategoryTable[n + 1] = text;
    sortEntries(n + 1);
    return removeRepeats(n + 1);
}

Result<QStringList> parseCategoryList(const QByteArray& bytes) {
    LineReader reader(bytes);
    QStringList lines;
    while (!reader.atEnd()) {
        auto line = reader.readWhole();
        if (!line) return Error{line.error()};
        if (!line->isEmpty()) lines.append(std::move(*line));
    }
    return lines;
}

Result<QStringList> readCategoryList() {
    if (!platform::files().exists(insertPath(kCategoryListFile))) return QStringList();
    return readParsedFile(kCategoryListFile, parseCategoryList);
}

Status saveCategory(const QString& category) {
    if (category.isEmpty()) return {};
    if (Status s = checkStorable(category, LineUse::Whole, QStringLiteral("The category")); !s) return s;
    auto before = readCategoryList();
    if (!before) return Error{before.error()};
    if (before->size() > kMaxCategories) {
        return fileError(kCategoryListFile, QStringLiteral("the list holds more than %1 categories; \"%2\" was not added.")
                                                .arg(kMaxCategories)
                                                .arg(category));
    }
    CategoryTable.fill(QString());
    for (int i = 0; i < before->size(); ++i) CategoryTable[i + 1] = before->at(i);
    const QStringList after = tableEntries(insertSortedUnique(category));
    if (!after.contains(category)) {
        return fileError(kCategoryListFile, QStringLiteral("the list is full (%1 categories); \"%2\" was not added.")
                                                .arg(kMaxCategories)
                                                .arg(category));
    }
    if (after == *before) return {};
    QByteArray data;
    for (const QString& line : after) data += textLine(line);
    return writeDataFile(kCategoryListFile, data);
}
