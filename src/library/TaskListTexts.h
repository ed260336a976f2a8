#pragma once

#include "library/PictureFile.h"
#include "library/TaskFile.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The lists of tasks and pictures that the task selection window and the task workshop show:
// their entry texts, their order, and which files they take.

// "Hygiene==> Brushing Teeth:  5 Steps": the category, "==> ", the title, ": ", the step count with
// its sign position (a blank before the digits) and " Steps"; then " (with video)" when asked
// for and the task has a video.
QString taskListEntry(const TaskRecord& task, bool markVideo);

// "Hygiene: Zippering the coat": the category, ": " and the description.
QString pictureListEntry(const StepRecord& picture);

// True when a task's video line names a clip (neither "None" nor empty).
bool hasVideo(const TaskRecord& task);

// One listed file and the text shown for it.
struct ListedFile {
    QString file;  // bare name in the data folder
    QString text;
    bool operator==(const ListedFile&) const = default;
};

// Sorts ascending by the texts' character codes (capitals before small letters), as the lists
// show them. Entries with equal texts keep the order they came in.
void sortListed(QList<ListedFile>& listed);

// A list and the files that were left out of it because they cannot be read, one message each
// naming the file.
struct Listing {
    QList<ListedFile> entries;
    QStringList problems;
};

// The task selection window's list: every task file of the data folder whose step count N has
// stepFilter[N] == 1, with " (with video)" marks, sorted.
Listing listTasks(const std::array<std::int16_t, 11>& stepFilter);

// The workshop's task list: every task file, without video marks, sorted.
Listing listLibraryTasks();

// The workshop's picture lists: every picture file, sorted.
Listing listLibraryPictures();

// Messages that have not been shown yet: a list rebuilt many times reports each damaged file once.
class ProblemsShownOnce {
public:
    QStringList unseen(const QStringList& problems);

private:
    QSet<QString> shown_;
};

// What Continue hands to the activity: the ticked entries in list order.
struct ChosenTasks {
    QStringList files;       // bare task file names
    QList<int> listIndexes;  // each one's position in the list, 0 = first
    qsizetype count() const { return files.size(); }
    bool operator==(const ChosenTasks&) const = default;
};
// ticked[l] for list position l; positions beyond ticked count as not ticked.
ChosenTasks chooseTasks(const QList<ListedFile>& listed, const QList<bool>& ticked);

// The message of Continue with nothing ticked.
QString nothingChosenMessage();
