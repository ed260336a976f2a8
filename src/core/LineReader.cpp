#include "core/LineReader.h"

#include "core/TextFormat.h"

#include <limits>

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Damaged files can hold anything; keep messages readable.
QString shortened(const QString& text) {
    constexpr int kMax = 40;
    QString out = text.size() > kMax ? text.left(kMax) + QStringLiteral("...") : text;
    out.replace(QChar(0), QStringLiteral("\\0"));
    return out;
}
}  // namespace

LineReader::LineReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

bool LineReader::atEnd() const { return pos_ >= bytes_.size(); }

bool LineReader::atLineEnd() const {
    return atEnd() || bytes_[pos_] == '\r' || bytes_[pos_] == '\n';
}

// CR LF, a lone LF or a lone CR all end a line.
void LineReader::consumeLineEnd() {
    if (atEnd()) {
        // A last line without its line end still counts as a line.
        if (!pastLastLine_) ++line_;
        pastLastLine_ = true;
        return;
    }
    if (bytes_[pos_] == '\r') {
        ++pos_;
        if (!atEnd() && bytes_[pos_] == '\n') ++pos_;
    } else if (bytes_[pos_] == '\n') {
        ++pos_;
    } else {
        return;
    }
    ++line_;
}

void LineReader::skipBlanks() {
    while (!atEnd() && isBlank(bytes_[pos_])) ++pos_;
}

Error LineReader::error(const QString& what) const {
    return Error{QStringLiteral("line %1: %2").arg(line_).arg(what)};
}

Result<QString> LineReader::readWhole() {
    if (atEnd()) return error(QStringLiteral("the file ends here, a line is missing"));
    const qsizetype start = pos_;
    while (!atLineEnd()) ++pos_;
    const QByteArray raw = bytes_.mid(start, pos_ - start);
    consumeLineEnd();
    return decodeText(raw);
}

Status LineReader::skipLine() {
    auto line = readWhole();
    if (!line) return Error{line.error()};
    return {};
}

Result<QString> LineReader::readTextField() {
    if (atEnd()) return error(QStringLiteral("the file ends here, a line is missing"));
    skipBlanks();
    QByteArray raw;
    if (!atEnd() && bytes_[pos_] == '"') {
        ++pos_;
        const qsizetype start = pos_;
        while (!atLineEnd() && bytes_[pos_] != '"') ++pos_;
        raw = bytes_.mid(start, pos_ - start);
        if (!atEnd() && bytes_[pos_] == '"') ++pos_;
        // Whatever follows the closing quote up to the separator is dropped.
        while (!atLineEnd() && bytes_[pos_] != ',') ++pos_;
    } else {
        const qsizetype start = pos_;
        while (!atLineEnd() && bytes_[pos_] != ',') ++pos_;
        raw = bytes_.mid(start, pos_ - start);
        while (!raw.isEmpty() && isBlank(raw.back())) raw.chop(1);
    }
    if (!atEnd() && bytes_[pos_] == ',') {
        ++pos_;
    } else {
        consumeLineEnd();
    }
    return decodeText(raw);
}

Result<std::int64_t> LineReader::readNumber() {
    // A byte order mark that an editor put before a file's first number is not part of it. Texts
    // keep it, so that whatever a text holds reads back as written.
    if (pos_ == 0 && bytes_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
    skipBlanks();
    if (atEnd()) return error(QStringLiteral("the file ends here, a number is missing"));
    if (atLineEnd()) return error(QStringLiteral("the line is empty, a number belongs here"));
    const qsizetype start = pos_;
    while (!atLineEnd() && !isBlank(bytes_[pos_]) && bytes_[pos_] != ',') ++pos_;
    const QByteArray token = bytes_.mid(start, pos_ - start);

    bool valid = !token.isEmpty();
    qsizetype i = 0;
    if (valid && (token[0] == '-' || token[0] == '+')) i = 1;
    if (i >= token.size()) valid = false;
    for (qsizetype k = i; valid && k < token.size(); ++k) {
        if (token[k] < '0' || token[k] > '9') valid = false;
    }
    bool fits = false;
    const qlonglong value = valid ? token.toLongLong(&fits, 10) : 0;
    if (!valid) {
        return error(QStringLiteral("'%1' is not a number").arg(shortened(decodeText(token))));
    }
    if (!fits) {
        return error(QStringLiteral("%1 is too large").arg(shortened(decodeText(token))));
    }
    skipBlanks();
    if (!atEnd() && bytes_[pos_] == ',') {
        ++pos_;
    } else if (atLineEnd()) {
        consumeLineEnd();
    }
    return static_cast<std::int64_t>(value);
}

Result<std::int16_t> LineReader::readInt16() {
    const int line = line_;
    auto n = readNumber();
    if (!n) return Error{n.error()};
    if (*n < std::numeric_limits<std::int16_t>::min() || *n > std::numeric_limits<std::int16_t>::max()) {
        return Error{QStringLiteral("line %1: %2 does not fit (-32768 to 32767)").arg(line).arg(*n)};
    }
    return static_cast<std::int16_t>(*n);
}

Result<std::int32_t> LineReader::readInt32() {
    const int line = line_;
    auto n = readNumber();
    if (!n) return Error{n.error()};
    if (*n < std::numeric_limits<std::int32_t>::min() || *n > std::numeric_limits<std::int32_t>::max()) {
        return Error{QStringLiteral("line %1: %2 does not fit (-2147483648 to 2147483647)").arg(line).arg(*n)};
    }
    return static_cast<std::int32_t>(*n);
}
