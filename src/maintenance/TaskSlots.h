#pragma once

#include "core/Result.h"
#include "library/TaskFile.h"

#include <QString>

#include <array>

// The ten step slots of the task wizard and what a save writes. Slots are numbered 1..10 (entry 0
// unused); a slot holding an empty text or "None" is empty.
using StepSlots = std::array<QString, kMaxSteps + 1>;

// Which Paste and Clear buttons can be used. Only the first empty slot can be filled (and every
// filled slot before it pasted over), and only the last filled slot cleared, so the filled slots
// always form an unbroken run 1..k. With all ten filled only slot 10's Clear can be used.
struct StepButtonStates {
    std::array<bool, kMaxSteps + 1> paste{};
    std::array<bool, kMaxSteps + 1> clear{};
    bool operator==(const StepButtonStates&) const = default;
};
StepButtonStates stepButtonStates(const StepSlots& stepPictures);

// "This picture has already been used in this task" when the picture's image is already in a slot
// (compared exactly, so two library entries for one image are refused too); otherwise empty. An
// empty selection is never refused here: the window ignores it.
QString pasteRefusal(const StepSlots& stepPictures, const QString& selectedPicture);

// The number of slots holding a picture file.
int filledStepCount(const StepSlots& stepFiles);

// The wizard's task as the controls and the window state hold it.
struct TaskDraft {
    QString file;         // the task file's bare name
    QString id;           // its id
    QString description;  // the task's title
    QString category;
    QString video;                 // "None", empty, or a path
    StepSlots stepFiles;           // picture file names
    bool hasIntroduction = false;  // a recorded introduction is waiting to be saved
};

// The record a save writes, or why it cannot be saved: "At least 2 steps are required", or "A
// task with this description and number of steps already exists in the tasks database" when
// another task file has the same category, description and step count. The steps are the filled
// slots in order; the introduction is "intro_" + id + ".wav" when there is one.
Result<TaskRecord> taskToSave(const TaskDraft& draft);
