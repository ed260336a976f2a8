#pragma once

#include "core/LineReader.h"
#include "core/Result.h"

#include <QByteArray>
#include <QString>

// What the task, picture and list files have in common: how a reader takes each line, how a
// file is named in a message, and what a writer may put on a line.

// How a reader takes one line of a file.
enum class LineUse {
    Whole,    // every character up to the line end
    Field,    // a comma-delimited (or quoted) field
    Skip,     // read whole and ignored
    NotRead,  // the reader stops before this line
};

// Reads one line the way use says into out. Skip and NotRead leave out as it was.
Status readLineAs(LineReader& reader, LineUse use, QString& out);

// The name a message shows for a data file: its stored name (bare for files in AppFolder).
QString fileLabel(const QString& name);

// "label, what" for a problem inside a file.
Error fileError(const QString& name, const QString& what);

// The bytes of a data file given by its stored name or path.
Result<QByteArray> readDataFile(const QString& name);

// Reads a data file and hands its bytes to parse (which returns Result<Record>); a parse error
// gets the file's name in front.
template <typename Parse>
auto readParsedFile(const QString& name, Parse parse) -> decltype(parse(QByteArray())) {
    auto bytes = readDataFile(name);
    if (!bytes) return Error{bytes.error()};
    auto record = parse(*bytes);
    if (!record) return fileError(name, record.error());
    return record;
}

// An id goes into file names ("generated_task_" + id + ".tsk", "pic_" + id + ".wav"): it must
// be one or more decimal digits. An empty id would be part of every file name. what names the
// id in the message.
Status checkFileId(const QString& id, const QString& what);

// Replaces a data file given by its stored name or path with data, atomically.
Status writeDataFile(const QString& name, const QByteArray& data);

// A value may go on a line only if it holds no line end; a value that some reader takes as a
// field must also hold no comma, must not start with a double quote and must not start or end
// with a blank, or it would not read back as written. what names the value in the message.
Status checkStorable(const QString& value, LineUse readAs, const QString& what);
