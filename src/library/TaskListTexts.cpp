#include "library/TaskListTexts.h"

#include "library/LibraryChecks.h"
#include "library/PathHelpers.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("TaskListTexts", text); }

template <typename Read, typename Entry>
Listing listFiles(const QStringList& names, Read read, Entry entry) {
    Listing listing;
    for (const QString& name : names) {
        auto record = read(name);
        if (!record) {
            listing.problems.append(record.error());
            continue;
        }
        if (std::optional<QString> text = entry(*record)) listing.entries.append({name, *text});
    }
    sortListed(listing.entries);
    return listing;
}

}  // namespace

QString taskListEntry(const TaskRecord& task, bool markVideo) {
    QString text = task.TaskCategory + QStringLiteral("==> ") + task.TaskTitle + QStringLiteral(": ") +
                   (task.StepCount < 0 ? QString() : QStringLiteral(" ")) + QString::number(task.StepCount) +
                   tr(QT_TRANSLATE_NOOP("TaskListTexts", " Steps"));
    if (markVideo && hasVideo(task)) text += tr(QT_TRANSLATE_NOOP("TaskListTexts", " (with video)"));
    return text;
}

QString pictureListEntry(const StepRecord& picture) {
    return picture.PictureCategory + QStringLiteral(": ") + picture.StepDescription;
}

bool hasVideo(const TaskRecord& task) { return !isNone(task.TaskVideoFile); }

void sortListed(QList<ListedFile>& listed) {
    std::stable_sort(listed.begin(), listed.end(), [](const ListedFile& a, const ListedFile& b) {
        return QString::compare(a.text, b.text, Qt::CaseSensitive) < 0;
    });
}

Listing listTasks(const std::array<std::int16_t, 11>& stepFilter) {
    return listFiles(
        taskFileNames(), [](const QString& name) { return readTaskFile(name, TaskReaders::list); },
        [&](const TaskRecord& task) -> std::optional<QString> {
            const bool shown = task.StepCount >= 0 && task.StepCount < static_cast<int>(stepFilter.size()) &&
                               stepFilter[task.StepCount] == 1;
            if (!shown) return std::nullopt;
            return taskListEntry(task, true);
        });
}

Listing listLibraryTasks() {
    return listFiles(
        taskFileNames(), [](const QString& name) { return readTaskFile(name, TaskReaders::list); },
        [](const TaskRecord& task) -> std::optional<QString> { return taskListEntry(task, false); });
}

Listing listLibraryPictures() {
    return listFiles(
        pictureFileNames(), [](const QString& name) { return readPictureFile(name, PictureReaders::list); },
        [](const StepRecord& picture) -> std::optional<QString> { return pictureListEntry(picture); });
}

QStringList ProblemsShownOnce::unseen(const QStringList& problems) {
    QStringList fresh;
    for (const QString& problem : problems) {
        if (shown_.contains(problem)) continue;
        shown_.insert(problem);
        fresh.append(problem);
    }
    return fresh;
}

ChosenTasks chooseTasks(const QList<ListedFile>& listed, const QList<bool>& ticked) {
    ChosenTasks chosen;
    for (qsizetype l = 0; l < listed.size() && l < ticked.size(); ++l) {
        if (!ticked[l]) continue;
        chosen.files.append(listed[l].file);
        chosen.listIndexes.append(static_cast<int>(l));
    }
    return chosen;
}

QString nothingChosenMessage() {
    return tr(QT_TRANSLATE_NOOP("TaskListTexts", "At least one selection must be made")) + u'\n' +
           tr(QT_TRANSLATE_NOOP(
               "TaskListTexts",
               "Click the white box next to the task to select it.  You may select more than one task."));
}
