#pragma once

#include "core/Result.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "maintenance/TaskSlots.h"

#include <QString>
#include <QStringList>

// The files the task workshop reads, makes and deletes, and the decisions about them that need
// no window: which image a library picture shows, what a task opened for a change holds, which
// files belong to a task or a picture, and what a picture save writes.

// The recordings waiting in the data folder while a wizard runs.
inline const QString kTempIntroFile = QStringLiteral("temp_intro.wav");
inline const QString kTempNarrationFile = QStringLiteral("temp.wav");

// Shown in place of a step picture whose image does not exist.
inline const QString kMissingPictureFile = QStringLiteral("aobj_missing_pic.jpg");

// The pictures of the recorders' start, stop and play controls.
inline const QString kRecordStartPicture = QStringLiteral("aobj_rec_start.jpg");
inline const QString kRecordStopPicture = QStringLiteral("aobj_rec_stop.jpg");
inline const QString kRecordPlayPicture = QStringLiteral("aobj_rec_play.jpg");

// The data folder's path of a file given by its bare name.
QString inAppFolder(const QString& name);

// The picture files the browser offers: jpg, jpeg, bmp, png and gif.
const QStringList& pictureEndings();
// "*.jpg", "*.jpeg", ... for a file-system model (which compares them without regard to case).
QStringList nameFiltersFor(const QStringList& endings);
// True when the name has a text before a dot and then one of the endings, compared without regard
// to case ("PHOTO.JPG" as "photo.jpg"). A bare ".jpg" or "jpg" is not a picture file.
bool hasEnding(const QString& name, const QStringList& endings);
bool isPictureFileName(const QString& name);

// The image a library picture file shows: its picture line made absolute, or the missing-picture
// stand-in when that image does not exist. An error naming the file when the picture file cannot
// be read.
Result<QString> libraryPictureImage(const QString& pictureFile);

// A task file read for a change, with what the wizard shows for it.
struct TaskForChange {
    TaskRecord task;
    StepSlots stepFiles;     // the step lines, "None" for slots past the last step
    StepSlots stepPictures;  // the images shown in the slots
    QString video;           // the video line made absolute ("None" when there is none)
    QString introduction;    // the path of the task's introduction when that file exists, else empty
    QStringList problems;    // step picture files that cannot be read (shown as the missing picture)
};
Result<TaskForChange> openTaskForChange(const QString& taskFile);

// The files a task deletion removes, as paths: the task file itself (whatever its name) and its
// introduction "intro_" + id + ".wav" when that exists. Nothing else, however much of its name
// is the task's id. An error, and nothing to delete, when the task file cannot be read or its id
// line is empty ("Taskid is empty, delete has a problem").
Result<QStringList> taskFilesToDelete(const QString& taskFile);

// The files a picture deletion removes, as paths: the picture file and its narration, but the
// narration only when it is the program's own bare name "pic_" + id + ".wav" for the picture's
// id and that file exists. A hand-edited "../x.wav" or a full path is never deleted.
Result<QStringList> pictureFilesToDelete(const QString& pictureFile);

// The picture wizard's picture as the controls and the window state hold it.
struct PictureDraft {
    QString file;  // the picture file's bare name; empty for a new picture until its id is drawn
    QString id;
    QString category;
    QString description;
    QString phonetic;           // the spoken text; empty for none
    QString picture;            // the chosen image's path; empty or "None" for none
    bool hasNarration = false;  // a narration waits in temp.wav
};

// "A Picture is Required" when no image is chosen (empty or "None"), else empty.
QString pictureChoiceRefusal(const QString& picture);

// Why the picture's category or description cannot be taken (the checks of leaving step 2, in
// order), or empty.
QString pictureDescriptionRefusal(const QString& category, const QString& description);

// Why the picture cannot be saved, the checks in order: category, description, picture, another
// picture with the same category and description. Empty when it can be.
QString pictureSaveRefusal(const PictureDraft& draft);

// The record a picture save writes (the draft's id must be set): the image as a stored name, the
// narration as "pic_" + id + ".wav" when there is one, an empty spoken text as "None".
StepRecord pictureRecord(const PictureDraft& draft);
