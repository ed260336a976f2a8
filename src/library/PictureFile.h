#pragma once

#include "library/DataFiles.h"
#include "core/Result.h"

#include <QByteArray>
#include <QString>

// A picture file ("*.stp" in AppFolder): six lines.
//   1  PictureCategory
//   2  StepDescription (the step's title; spoken when there is nothing else to say)
//   3  StepPhonetic (what the speech synthesizer says instead, or "None")
//   4  StepPictureFile (the image as a stored name)
//   5  StepWaveFile ("pic_" + PictureId + ".wav" or "None")
//   6  PictureId (decimal digits)
struct StepRecord {
    QString PictureCategory;
    QString StepDescription;
    QString StepPhonetic;
    QString StepPictureFile;
    QString StepWaveFile;
    QString PictureId;

    bool operator==(const StepRecord&) const = default;
};

// Which lines a reader takes and how, in file order. Lines a plan does not read keep their
// empty value in the record.
struct PictureReadPlan {
    LineUse category;
    LineUse description;
    LineUse phonetic;
    LineUse pictureFile;
    LineUse waveFile;
    LineUse id;
};

// The readers of a picture file.
namespace PictureReaders {
// Loading a task's steps to play them: description, spoken text, image, narration.
inline constexpr PictureReadPlan activity{LineUse::Skip, LineUse::Whole, LineUse::Whole,
                                          LineUse::Whole, LineUse::Whole, LineUse::NotRead};
// The picture lists: category and description.
inline constexpr PictureReadPlan list{LineUse::Whole, LineUse::Whole, LineUse::NotRead,
                                      LineUse::NotRead, LineUse::NotRead, LineUse::NotRead};
// A step's preview in the task editor and printing: the image.
inline constexpr PictureReadPlan preview{LineUse::Skip, LineUse::Skip, LineUse::Skip,
                                         LineUse::Whole, LineUse::NotRead, LineUse::NotRead};
// The picture editor: everything.
inline constexpr PictureReadPlan editor{LineUse::Whole, LineUse::Whole, LineUse::Whole,
                                        LineUse::Whole, LineUse::Whole, LineUse::Field};
// The duplicate check: category and description.
inline constexpr PictureReadPlan duplicateCheck = list;
// Deleting a picture: its narration.
inline constexpr PictureReadPlan deletion{LineUse::Skip, LineUse::Skip, LineUse::Skip,
                                          LineUse::Skip, LineUse::Field, LineUse::NotRead};
}  // namespace PictureReaders

// Reads a picture from the bytes of a picture file. Errors read "line N: what is wrong".
Result<StepRecord> parsePicture(const QByteArray& bytes, const PictureReadPlan& plan);

// Reads the picture file of a stored name or path. Errors name the file.
Result<StepRecord> readPictureFile(const QString& name, const PictureReadPlan& plan);

// The bytes of a picture file, or why the record cannot be stored (a line break in a text, a
// comma or leading quote in the narration name or the id, an id that is not a number). Empty
// optional values are written as "None".
Result<QByteArray> formatPicture(const StepRecord& picture);

// Replaces the picture file of a stored name or path with the record, atomically.
Status writePicture(const QString& name, const StepRecord& picture);
