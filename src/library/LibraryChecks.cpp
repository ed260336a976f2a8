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

// A step name as the activity would open it, as a stored name: "p1.stp" and the path of p1.stp
// in AppFolder are the same picture.
bool namesPicture(const QString& stepName, const QString& storedPicture) {
    return toStoredName(insertPath(stepName)) == storedPicture;
}

// True when some field of the lines of bytes after the first four names the picture.
bool anyLaterFieldIs(const QByteArray& bytes, const QString& storedPicture) {
    LineReader reader(bytes);
    for (int line = 1; line <= 4; ++line) {
        if (!reader.skipLine()) return false;
    }
    while (!reader.atEnd()) {
        auto field = reader.readTextField();
        if (field && namesPicture(*field, storedPicture)) return true;
    }
    return false;
}

bool taskListsPicture(const QString& taskFile, const QString& storedPicture) {
    auto bytes = readDataFile(taskFile);
    if (!bytes) return true;
    // The step lines read exactly as the activity reads them, so a picture counts as used
    // whenever a task would load it.
    auto task = parseTask(*bytes, TaskReaders::useCheck);
    if (!task) return anyLaterFieldIs(*bytes, storedPicture);
    for (int step = 1; step <= task->StepCount; ++step) {
        if (namesPicture(task->StepFileName[step], storedPicture)) return true;
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
    if (isNone(stored)) return false;
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
