#pragma once

#include "app/Globvars.h"
#include "core/Result.h"

#include <QString>
#include <QStringList>

// The category list "aobj_categories.txt": suggestions for the category boxes of the task and
// picture editors, one per line, sorted by exact comparison (capitals before small letters),
// no line twice, at most 1000 lines. Tasks and pictures keep their own category text.

inline const QString kCategoryListFile = QStringLiteral("aobj_categories.txt");

// Adds text to CategoryTable in its sorted place unless it is there already, and returns the new
// number of entries. The table comes out sorted by exact comparison without repeats. An empty
// text is not added; when the table is full a new text is not added either.
int insertSortedUnique(const QString& text);

// The non-empty lines of a category list's bytes, in file order.
Result<QStringList> parseCategoryList(const QByteArray& bytes);

// The lines of the category list in file order. A missing list is an empty list; empty lines
// are passed over.
Result<QStringList> readCategoryList();

// Makes sure the category list holds category. The list is read, the category put in its
// sorted place and the list written back (atomically) only if it changed. A list that cannot be
// read, or that is full, is left as it is and the problem reported.
Status saveCategory(const QString& category);
