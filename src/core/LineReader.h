#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Reads the data files' lines in the two ways they are read: a whole line, or a field. A field
// read consumes its separator (a comma or the line end), so a comma inside a line read as fields
// shifts every later field read of the same file, as it always has.
//
// Errors carry "line N: what is wrong"; the caller puts the file name in front.
class LineReader {
public:
    explicit LineReader(QByteArray bytes);

    bool atEnd() const;

    // 1-based number of the line the next read starts on.
    int lineNumber() const { return line_; }

    // Everything up to the line end, unchanged (blanks, commas, quotes included), decoded.
    Result<QString> readWhole();

    // Reads and ignores a whole line.
    Status skipLine();

    // A text field: leading blanks skipped; a quoted field runs to the next quote, any other to
    // the next comma or line end (trailing blanks dropped).
    Result<QString> readTextField();

    // A number field: leading blanks skipped, then a decimal integer that ends at a blank, a
    // comma or the line end. Numbers on one line may be separated by blanks.
    Result<std::int64_t> readNumber();

    // readNumber, checked to fit a signed 16-bit or 32-bit field.
    Result<std::int16_t> readInt16();
    Result<std::int32_t> readInt32();

private:
    bool atLineEnd() const;
    void consumeLineEnd();
    void skipBlanks();
    Error error(const QString& what) const;

    QByteArray bytes_;
    qsizetype pos_ = 0;
    int line_ = 1;
    bool pastLastLine_ = false;
};
