#pragma once

#include "library/PictureFile.h"
#include "library/TaskFile.h"

#include "QtPrinting.h"

#include <QStringList>

#include <ostream>

// Readable records in failure messages.

inline void PrintTo(const TaskRecord& t, std::ostream* os) {
    QStringList steps;
    for (int s = 1; s <= kMaxSteps; ++s) steps.append(t.StepFileName[s]);
    *os << "{" << t.StepCount << " | " << t.TaskTitle.toStdString() << " | " << t.TaskCategory.toStdString() << " | "
        << t.TaskVideoFile.toStdString() << " | " << steps.join(u',').toStdString() << " | " << t.TaskId.toStdString()
        << " | " << t.TaskIntroFile.toStdString() << "}";
}

inline void PrintTo(const StepRecord& p, std::ostream* os) {
    *os << "{" << p.PictureCategory.toStdString() << " | " << p.StepDescription.toStdString() << " | "
        << p.StepPhonetic.toStdString() << " | " << p.StepPictureFile.toStdString() << " | "
        << p.StepWaveFile.toStdString() << " | " << p.PictureId.toStdString() << "}";
}
