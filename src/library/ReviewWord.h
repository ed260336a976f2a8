#pragma once

#include "core/Result.h"

#include <QString>

// "aobj_review_word.txt": one line, the word shown at the top of the screen during the review
// lesson.
inline const QString kReviewWordFile = QStringLiteral("aobj_review_word.txt");

// The first line of a review word file's bytes, whole; no line at all is an error.
Result<QString> parseReviewWord(const QByteArray& bytes);

// The first line of the file, whole. A missing or empty file is an error.
Result<QString> readReviewWord();

// Stores the word exactly as typed. A word that is blank once its leading and trailing blanks
// are removed, or that holds a line break, is refused.
Status writeReviewWord(const QString& word);
