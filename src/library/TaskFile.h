#pragma once

#include "core/TaskLimits.h"
#include "library/DataFiles.h"
#include "core/Result.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// A task file ("*.tsk" in AppFolder): N + 6 lines for a task of N steps.
//   1        StepCount (a number line, 2 to 10)
//   2        TaskTitle
//   3        TaskCategory
//   4        TaskVideoFile ("None" or a stored name)
//   5..N+4   StepFileName[1..N] (bare picture file names; "None" for an empty slot)
//   N+5      TaskId (decimal digits)
//   N+6      TaskIntroFile ("intro_" + TaskId + ".wav" or "None")

struct TaskRecord {
    std::int16_t StepCount = 0;
    QString TaskTitle;
    QString TaskCategory;
    QString TaskVideoFile;
    std::array<QString, kMaxSteps + 1> StepFileName{};  // 1..StepCount; entry 0 unused
    QString TaskId;
    QString TaskIntroFile;

    bool operator==(const TaskRecord&) const = default;
};

// Which lines a reader takes and how. The step count is always read as a field. Lines a plan
// does not read keep their empty value in the record.
struct TaskReadPlan {
    LineUse title;
    LineUse category;
    LineUse video;
    LineUse steps;
    LineUse id;
    LineUse intro;
};

// The readers of a task file.
namespace TaskReaders {
// Loading a task to play it: title, video, step names, introduction.
inline constexpr TaskReadPlan activity{LineUse::Whole, LineUse::Skip, LineUse::Whole,
                                       LineUse::Field, LineUse::Skip, LineUse::Whole};
// The task lists: count, title, category, video.
inline constexpr TaskReadPlan list{LineUse::Whole, LineUse::Whole, LineUse::Whole,
                                   LineUse::NotRead, LineUse::NotRead, LineUse::NotRead};
// The task editor and printing: everything.
inline constexpr TaskReadPlan editor{LineUse::Whole, LineUse::Whole, LineUse::Whole,
                                     LineUse::Whole, LineUse::Field, LineUse::Field};
// The duplicate check: count, title, category.
inline constexpr TaskReadPlan duplicateCheck{LineUse::Whole, LineUse::Whole, LineUse::NotRead,
                                             LineUse::NotRead, LineUse::NotRead, LineUse::NotRead};
// The picture use check: count and step names, the step names read as the activity reads them.
inline constexpr TaskReadPlan useCheck{LineUse::Skip, LineUse::Skip, LineUse::Skip,
                                       LineUse::Field, LineUse::NotRead, LineUse::NotRead};
// Deleting a task: count and id.
inline constexpr TaskReadPlan deletion{LineUse::Skip, LineUse::Skip, LineUse::Skip,
                                       LineUse::Skip, LineUse::Whole, LineUse::NotRead};
}  // namespace TaskReaders

// Reads a task from the bytes of a task file. Errors read "line N: what is wrong"; a step
// count outside 2 to 10 is an error.
Result<TaskRecord> parseTask(const QByteArray& bytes, const TaskReadPlan& plan);

// Reads the task file of a stored name or path. Errors name the file.
Result<TaskRecord> readTaskFile(const QString& name, const TaskReadPlan& plan);

// The bytes of a task file, or why the record cannot be stored (a step count outside 2 to 10, a
// line break in a text, a comma or leading quote in a value read back as a field, an id that is
// not a number). Empty optional values are written as "None".
Result<QByteArray> formatTask(const TaskRecord& task);

// Replaces the task file of a stored name or path with the record, atomically.
Status writeTask(const QString& name, const TaskRecord& task);
