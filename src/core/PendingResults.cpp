#include "core/PendingResults.h"

PendingRecords PendingResults::of(const QString& student) const {
    const auto found = students_.find(student);
    return found == students_.end() ? PendingRecords{} : found->second;
}

QStringList PendingResults::students() const {
    QStringList names;
    for (const auto& [name, records] : students_) names.append(name);
    return names;
}

void PendingResults::set(const QString& student, const PendingRecords& records) {
    if (records.reportLines.isEmpty() && records.spreadsheetRows.isEmpty()) {
        students_.erase(student);
    } else {
        students_[student] = records;
    }
}
