#include "app/TaskQueueList.h"

void tidyTaskList(TaskQueueList& list) {
    list.setListUpdating(true);
    if (list.taskCount() > 0) list.setCurrentTask(0);
    for (int position = 0; position < list.taskCount(); ++position) {
        if (list.isTaskTicked(position)) {
            list.setCurrentTask(position);
            break;
        }
    }
    list.setListUpdating(false);
}
