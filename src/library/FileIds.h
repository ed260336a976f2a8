#pragma once

#include <QString>

#include <cstdint>

// Ids and the names of the files the program makes. An id is drawn in 111111111 to
// 111111111 + 999999999 - 1 and written as decimal digits without sign or blanks; task ids and
// picture ids are drawn the same way but are unique only among the files of their own kind.

inline const QString kTaskFilePrefix = QStringLiteral("generated_task_");
inline const QString kTaskFileExtension = QStringLiteral(".tsk");
inline const QString kPictureFilePrefix = QStringLiteral("generated_pic_");
inline const QString kPictureFileExtension = QStringLiteral(".stp");

// "generated_task_" + id + ".tsk"
QString generatedTaskFileName(const QString& id);
// "generated_pic_" + id + ".stp"
QString generatedPictureFileName(const QString& id);
// A picture's recorded narration: "pic_" + id + ".wav"
QString narrationFileName(const QString& pictureId);
// A task's recorded introduction: "intro_" + id + ".wav"
QString introFileName(const QString& taskId);

// True when the text can serve to build a file name: one or more decimal digits, nothing else.
bool isFileId(const QString& text);

struct NewFileId {
    std::int64_t id = 0;
    QString idText;    // the decimal form
    QString fileName;  // prefix + idText + extension, not yet in AppFolder
};

// Draws ids (the generator seeded once from the time of day) until prefix + id + extension
// names no file in AppFolder.
NewFileId newFileId(const QString& prefix, const QString& extension);
