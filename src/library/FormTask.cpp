#include "library/FormTask.h"

#include <QListWidget>

#include "app/ReturnToMain.h"
#include "app/WindowSetup.h"

FormTask::FormTask(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormTask"));
    prepareWindow(this, true);
    addReturnToMainButton(this, "CmdBack");

    ListTasks = new QListWidget(this);
    ListTasks->setObjectName(QStringLiteral("ListTasks"));
    ListTasks->setAccessibleName(tr("Task List"));
    ListTasks->setGeometry(40, 80, 600, 400);
    connect(ListTasks, &QListWidget::itemChanged, this, &FormTask::ListTasks_Click);
}

void FormTask::ListTasks_Click(QListWidgetItem* /*item*/) {
    if (ListUpdating == 1) return;
    // The tick stays as the user's click set it; nothing else changes.
}

int FormTask::taskCount() const { return ListTasks->count(); }

bool FormTask::isTaskTicked(int position) const {
    const QListWidgetItem* item = ListTasks->item(position);
    return item != nullptr && item->checkState() == Qt::Checked;
}

void FormTask::setTaskTicked(int position, bool ticked) {
    if (QListWidgetItem* item = ListTasks->item(position)) item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void FormTask::setCurrentTask(int position) {
    if (position >= 0 && position < ListTasks->count()) ListTasks->setCurrentRow(position);
}

void FormTask::setListUpdating(bool updating) { ListUpdating = updating ? 1 : 0; }
