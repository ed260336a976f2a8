#include "library/LibraryChecks.h"

#include "app/Globvars.h"
#include "core/LineReader.h"
#include "library/DataFiles.h"
#include "library/FileIds.h"
#include "library/PathHelpers.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "platform/Services.h"

namespace {

QStringList filesWithExtension(const QString& extension) {
    return platform::files().list(AppFolder, QStringLiteral("*") + extension);
}

// True when some line of bytes after the first four equals name exactly.
bool anyLaterLineIs(const QByteArray& bytes, const QString& name) {
    LineReader reader(bytes);
    for (int line = 1; line <= 4; ++line) {
        if (!reader.skipLine()) return false;
    }
    while (!reader.atEnd()) {
        auto line = reader.readWhole();
        if (line && *line == name) return true;
    }
    return false;
}

bool taskListsPicture(const QString& taskFile, const QString& pictureFile) {
    auto bytes = readDataFile(taskFile);
    if (!bytes) return true;
    auto task = parseTask(*bytes, TaskReaders::useCheck);
    if (!task) return anyLaterLineIs(*bytes, pictureFile);
    for (int step = 1; step <= task->StepCount; ++step) {
        if (task->StepFileName[step] == pictureFile) return true;
    }
    return false;
}

}  // namespace

QStringList taskFileNames() { return filesWithExtension(kTaskFileExtension); }

QStringList pictureFileNames() { return filesWithExtension(kPictureFileExtension); }

bool findDuplicateTask(const QString& ownFile, const QString& category, const QString& title, std::int16_t count) {
    const QString own = toStoredName(insertPath(ownFile));
    for (const QString& name : taskFileNames()) {
        if (name == own) continue;
        auto task = readTaskFile(name, TaskReaders::duplicateCheck);
        if (task && task->TaskCategory == category && task->TaskTitle == title && task->StepCount == count) return true;
    }
    return false;
}

bool isPictureInUse(const QString& pictureFile) {
    const QString stored = toStoredName(insertPath(pictureFile));
    for (const QString& name : taskFileNames()) {
        if (taskListsPicture(name, stored)) return true;
    }
    return false;
}

bool findDuplicatePicture(const QString& ownFile, const QString& category, const QString& description) {
    const QString own = toStoredName(insertPath(ownFile));
    for (const QString& name : pictureFileNames()) {
        if (name == own) continue;
        auto picture = readPictureFile(name, PictureReaders::duplicateCheck);
        if (picture && picture->PictureCategory == category && picture->StepDescription == description) return true;
    }
    return false;
}
