#include "maintenance/WorkshopFiles.h"

#include "app/Globvars.h"
#include "library/FileIds.h"
#include "library/LibraryChecks.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("WorkshopFiles", text); }

// The id and the narration of a picture file, read as a deletion needs them.
constexpr PictureReadPlan kNarrationAndId{LineUse::Skip, LineUse::Skip,  LineUse::Skip,
                                          LineUse::Skip, LineUse::Field, LineUse::Field};

}  // namespace

QString inAppFolder(const QString& name) { return AppFolder + kPathSeparator + name; }

const QStringList& pictureEndings() {
    static const QStringList endings = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                        QStringLiteral("png"), QStringLiteral("gif")};
    return endings;
}

QStringList nameFiltersFor(const QStringList& endings) {
    QStringList filters;
    for (const QString& ending : endings) filters.append(QStringLiteral("*.") + ending);
    return filters;
}

bool hasEnding(const QString& name, const QStringList& endings) {
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0) return false;
    const QString ending = name.mid(dot + 1);
    for (const QString& wanted : endings) {
        if (ending.compare(wanted, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

bool isPictureFileName(const QString& name) { return hasEnding(name, pictureEndings()); }

Result<QString> libraryPictureImage(const QString& pictureFile) {
    auto picture = readPictureFile(pictureFile, PictureReaders::preview);
    if (!picture) return Error{picture.error()};
    const QString image = insertPath(picture->StepPictureFile);
    if (isNone(image) || !platform::files().exists(image)) return inAppFolder(kMissingPictureFile);
    return image;
}

Result<TaskForChange> openTaskForChange(const QString& taskFile) {
    auto task = readTaskFile(taskFile, TaskReaders::editor);
    if (!task) return Error{task.error()};
    TaskForChange opened;
    opened.task = *task;
    opened.stepFiles.fill(kNone);
    opened.stepPictures.fill(kNone);
    for (int step = 1; step <= task->StepCount; ++step) {
        const QString& file = task->StepFileName[step];
        if (isNone(file)) continue;
        opened.stepFiles[step] = file;
        auto image = libraryPictureImage(file);
        if (!image) opened.problems.append(image.error());
        opened.stepPictures[step] = image ? *image : inAppFolder(kMissingPictureFile);
    }
    opened.video = isNone(task->TaskVideoFile) ? kNone : insertPath(task->TaskVideoFile);
    const QString intro = insertPath(task->TaskIntroFile);
    if (!isNone(intro) && platform::files().exists(intro)) opened.introduction = intro;
    return opened;
}

Result<QStringList> taskFilesToDelete(const QString& taskFile) {
    auto task = readTaskFile(taskFile, TaskReaders::deletion);
    if (!task) return Error{task.error()};
    const QString id = task->TaskId.trimmed();
    if (id.isEmpty()) return Error{tr(QT_TRANSLATE_NOOP("WorkshopFiles", "Taskid is empty, delete has a problem"))};
    QStringList files{insertPath(taskFile)};
    // Only names the program builds from a task id; an id that is not a number builds none.
    if (isFileId(id)) {
        const QString intro = inAppFolder(introFileName(id));
        if (platform::files().exists(intro)) files.append(intro);
    }
    return files;
}

Result<QStringList> pictureFilesToDelete(const QString& pictureFile) {
    auto picture = readPictureFile(pictureFile, kNarrationAndId);
    if (!picture) return Error{picture.error()};
    QStringList files{insertPath(pictureFile)};
    const QString& id = picture->PictureId;
    if (isFileId(id) && picture->StepWaveFile == narrationFileName(id)) {
        const QString narration = inAppFolder(picture->StepWaveFile);
        if (platform::files().exists(narration)) files.append(narration);
    }
    return files;
}

QString pictureChoiceRefusal(const QString& picture) {
    return isNone(picture) ? tr(QT_TRANSLATE_NOOP("WorkshopFiles", "A Picture is Required")) : QString();
}

QString pictureDescriptionRefusal(const QString& category, const QString& description) {
    if (isNone(category))
        return tr(QT_TRANSLATE_NOOP("WorkshopFiles", "A Category must be entered for this Picture. "));
    if (isNone(description)) return tr(QT_TRANSLATE_NOOP("WorkshopFiles", "A Picture Description is Required"));
    return {};
}

QString pictureSaveRefusal(const PictureDraft& draft) {
    if (QString refusal = pictureDescriptionRefusal(draft.category, draft.description); !refusal.isEmpty())
        return refusal;
    if (QString refusal = pictureChoiceRefusal(draft.picture); !refusal.isEmpty()) return refusal;
    if (findDuplicatePicture(draft.file, draft.category, draft.description)) {
        return tr(QT_TRANSLATE_NOOP("WorkshopFiles",
                                    "A Picture with this description already exists in the pictures database"));
    }
    return {};
}

StepRecord pictureRecord(const PictureDraft& draft) {
    return StepRecord{draft.category,
                      draft.description,
                      noneIfEmpty(draft.phonetic),
                      toStoredName(draft.picture),
                      draft.hasNarration ? narrationFileName(draft.id) : kNone,
                      draft.id};
}
