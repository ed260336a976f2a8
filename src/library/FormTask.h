#pragma once

#include <QWidget>
#include <cstdint>

#include "app/TaskQueueList.h"

class QListWidget;
class QListWidgetItem;

// The task selection window. For now it holds the ticked task list that the activity takes its
// tasks from and tidies afterwards; the listing, the filter and Continue come with the rest of
// the window.
class FormTask : public QWidget, public TaskQueueList {
    Q_OBJECT
public:
    explicit FormTask(QWidget* parent = nullptr);

    // One entry per listed task, each with a tick.
    QListWidget* ListTasks = nullptr;

    // 1 while the window itself changes the list; the list's click handling then does nothing.
    std::int16_t ListUpdating = 0;

    // A tick set or cleared by the user stays as the click left it.
    void ListTasks_Click(QListWidgetItem* item);

    int taskCount() const override;
    bool isTaskTicked(int position) const override;
    void setTaskTicked(int position, bool ticked) override;
    void setCurrentTask(int position) override;
    void setListUpdating(bool updating) override;
};
