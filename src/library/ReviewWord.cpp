#include "library/ReviewWord.h"

#include "core/LineReader.h"
#include "core/TextFormat.h"
#include "library/DataFiles.h"

#include <QCoreApplication>

Result<QString> parseReviewWord(const QByteArray& bytes) {
    LineReader reader(bytes);
    if (reader.atEnd())
        return Error{
            QCoreApplication::translate("ReviewWord", "line 1: the file is empty, the review word is missing")};
    return reader.readWhole();
}

Result<QString> readReviewWord() { return readParsedFile(kReviewWordFile, parseReviewWord); }

Status writeReviewWord(const QString& word) {
    if (word.trimmed().isEmpty())
        return Error{QCoreApplication::translate("ReviewWord", "The review word cannot be blank.")};
    if (Status s = checkStorable(word, LineUse::Whole, QCoreApplication::translate("ReviewWord", "The review word"));
        !s)
        return s;
    return writeDataFile(kReviewWordFile, textLine(word));
}
