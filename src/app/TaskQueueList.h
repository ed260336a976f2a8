#pragma once

// The list on the task selection window from which the activity takes its tasks, as the
// activity sees it: entries with a tick each, and a current entry. The task selection window
// implements it; the activity finds it through the window registry (taskQueueList in
// app/Forms.h) and so never needs that window's header.
//
// Positions count from 0, as ChosenTaskIndex stores them.
class TaskQueueList {
public:
    virtual ~TaskQueueList() = default;

    virtual int taskCount() const = 0;
    virtual bool isTaskTicked(int position) const = 0;
    virtual void setTaskTicked(int position, bool ticked) = 0;
    virtual void setCurrentTask(int position) = 0;

    // While set, the list's own click handling ignores the changes made through this interface.
    virtual void setListUpdating(bool updating) = 0;
};

// After the activity: the first entry still ticked becomes the current one (entry 0 when none
// is), so the list shows where the activity stopped. The list's click handling is kept out.
void tidyTaskList(TaskQueueList& list);
