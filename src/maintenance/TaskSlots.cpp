#include "maintenance/TaskSlots.h"

#include "library/FileIds.h"
#include "library/LibraryChecks.h"
#include "library/PathHelpers.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("TaskSlots", text); }

}  // namespace

StepButtonStates stepButtonStates(const StepSlots& stepPictures) {
    StepButtonStates states;
    int firstEmpty = 0;
    for (int slot = 1; slot <= kMaxSteps && firstEmpty == 0; ++slot) {
        if (isNone(stepPictures[slot])) firstEmpty = slot;
    }
    if (firstEmpty == 0) {
        states.clear[kMaxSteps] = true;
        return states;
    }
    for (int slot = 1; slot <= firstEmpty; ++slot) states.paste[slot] = true;
    if (firstEmpty > 1) states.clear[firstEmpty - 1] = true;
    return states;
}

QString pasteRefusal(const StepSlots& stepPictures, const QString& selectedPicture) {
    for (int slot = 1; slot <= kMaxSteps; ++slot) {
        if (!isNone(stepPictures[slot]) && stepPictures[slot] == selectedPicture) {
            return tr(QT_TRANSLATE_NOOP("TaskSlots", "This picture has already been used in this task"));
        }
    }
    return {};
}

int filledStepCount(const StepSlots& stepFiles) {
    int count = 0;
    for (int slot = 1; slot <= kMaxSteps; ++slot) count += isNone(stepFiles[slot]) ? 0 : 1;
    return count;
}

Result<TaskRecord> taskToSave(const TaskDraft& draft) {
    TaskRecord task;
    for (int slot = 1; slot <= kMaxSteps; ++slot) {
        if (!isNone(draft.stepFiles[slot])) task.StepFileName[++task.StepCount] = draft.stepFiles[slot];
    }
    if (task.StepCount < kMinStepCount) {
        return Error{tr(QT_TRANSLATE_NOOP("TaskSlots", "At least 2 steps are required"))};
    }
    if (findDuplicateTask(draft.file, draft.category, draft.description, task.StepCount)) {
        return Error{tr(QT_TRANSLATE_NOOP(
            "TaskSlots", "A task with this description and number of steps already exists in the tasks database"))};
    }
    task.TaskTitle = draft.description;
    task.TaskCategory = draft.category;
    task.TaskVideoFile = toStoredName(noneIfEmpty(draft.video));
    task.TaskId = draft.id;
    task.TaskIntroFile = draft.hasIntroduction ? introFileName(draft.id) : kNone;
    return task;
}
