#include "library/ReviewWord.h"

#include "core/LineReader.h"
#include "core/TextFormat.h"
#include "library/DataFiles.h"

Result<QString> parseReviewWord(const QByteArray& bytes) {
    LineReader reader(bytes);
    if (reader.atEnd()) return Error{QStringLiteral("line 1: the file is empty, the review word is missing")};
    return reader.readWhole();
}

Result<QString> readReviewWord() { return readParsedFile(kReviewWordFile, parseReviewWord); }

Status writeReviewWord(const QString& word) {
    if (word.trimmed().isEmpty()) return Error{QStringLiteral("The review word cannot be blank.")};
    if (Status s = checkStorable(word, LineUse::Whole, QStringLiteral("The review word")); !s) return s;
    return writeDataFile(kReviewWordFile, textLine(word));
}
