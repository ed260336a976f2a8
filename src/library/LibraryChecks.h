#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// Questions about the whole library: the task and picture files directly in AppFolder.

// Bare names of the task files ("*.tsk") and picture files ("*.stp"), sorted by name.
QStringList taskFileNames();
QStringList pictureFileNames();

// True if a task file other than ownFile has the same title, category and step count. A task
// re-saved under its own name is not its own duplicate. Files that cannot be read are passed over.
bool findDuplicateTask(const QString& ownFile, const QString& category, const QString& title, std::int16_t count);

// True if some task file lists pictureFile (its bare name, or its path in AppFolder) on one of
// its step lines, the lines read as the activity reads them (as fields: blanks around a name
// dropped, quotes taken off) and compared as stored names. A task file whose step count cannot
// be read has every field of its lines after the video line looked at, and a task file that
// cannot be read at all counts as using the picture, so that nothing is deleted on a guess.
bool isPictureInUse(const QString& pictureFile);

// True if a picture file other than ownFile has the same category and description.
bool findDuplicatePicture(const QString& ownFile, const QString& category, const QString& description);
