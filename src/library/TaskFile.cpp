#include "library/TaskFile.h"

#include "core/LineReader.h"
#include "core/TextFormat.h"
#include "library/PathHelpers.h"

namespace {

Result<std::int16_t> readStepCount(LineReader& reader) {
    const int line = reader.lineNumber();
    auto count = reader.readInt16();
    if (!count) return count;
    if (*count < kMinStepCount || *count > kMaxStepCount) {
        return Error{QStringLiteral("line %1: the step count %2 is not between %3 and %4")
                         .arg(line)
                         .arg(*count)
                         .arg(kMinStepCount)
                         .arg(kMaxStepCount)};
    }
    return count;
}

Status readTaskLines(LineReader& reader, const TaskReadPlan& plan, TaskRecord& task) {
    const LineUse order[] = {plan.title, plan.category, plan.video};
    QString* const targets[] = {&task.TaskTitle, &task.TaskCategory, &task.TaskVideoFile};
    for (int i = 0; i < 3; ++i) {
        if (order[i] == LineUse::NotRead) return {};
        if (Status s = readLineAs(reader, order[i], *targets[i]); !s) return s;
    }
    if (plan.steps == LineUse::NotRead) return {};
    for (int step = 1; step <= task.StepCount; ++step) {
        if (Status s = readLineAs(reader, plan.steps, task.StepFileName[step]); !s) return s;
    }
    if (plan.id == LineUse::NotRead) return {};
    if (Status s = readLineAs(reader, plan.id, task.TaskId); !s) return s;
    if (plan.intro == LineUse::NotRead) return {};
    return readLineAs(reader, plan.intro, task.TaskIntroFile);
}

}  // namespace

Result<TaskRecord> parseTask(const QByteArray& bytes, const TaskReadPlan& plan) {
    LineReader reader(bytes);
    auto count = readStepCount(reader);
    if (!count) return Error{count.error()};
    TaskRecord task;
    task.StepCount = *count;
    if (Status s = readTaskLines(reader, plan, task); !s) return Error{s.error()};
    return task;
}

Result<TaskRecord> readTaskFile(const QString& name, const TaskReadPlan& plan) {
    return readParsedFile(name, [&plan](const QByteArray& bytes) { return parseTask(bytes, plan); });
}

Result<QByteArray> formatTask(const TaskRecord& task) {
    if (task.StepCount < kMinStepCount || task.StepCount > kMaxStepCount) {
        return Error{QStringLiteral("A task needs %1 to %2 steps; this one has %3.")
                         .arg(kMinStepCount)
                         .arg(kMaxStepCount)
                         .arg(task.StepCount)};
    }
    QByteArray out = numberLine(task.StepCount);
    const auto add = [&out](const QString& value, LineUse readAs, const QString& what) -> Status {
        if (Status s = checkStorable(value, readAs, what); !s) return s;
        out += textLine(value);
        return {};
    };
    Status s = add(task.TaskTitle, LineUse::Whole, QStringLiteral("The task title"));
    if (s) s = add(task.TaskCategory, LineUse::Whole, QStringLiteral("The task category"));
    if (s) s = add(noneIfEmpty(task.TaskVideoFile), LineUse::Whole, QStringLiteral("The video file name"));
    for (int step = 1; s && step <= task.StepCount; ++step) {
        s = add(noneIfEmpty(task.StepFileName[step]), LineUse::Field,
                QStringLiteral("The picture file of step %1").arg(step));
    }
    if (s) s = add(task.TaskId, LineUse::Field, QStringLiteral("The task id"));
    if (s) s = checkFileId(task.TaskId, QStringLiteral("The task id"));
    if (s) s = add(noneIfEmpty(task.TaskIntroFile), LineUse::Field, QStringLiteral("The introduction file name"));
    if (!s) return Error{s.error()};
    return out;
}

Status writeTask(const QString& name, const TaskRecord& task) {
    auto bytes = formatTask(task);
    if (!bytes) return fileError(name, bytes.error());
    return writeDataFile(name, *bytes);
}
