#include <gtest/gtest.h>

#include <vector>

#include "app/TaskQueueList.h"

namespace {

// A list of ticks that notes every change and whether the list's own handling was kept out.
struct FakeList : TaskQueueList {
    std::vector<bool> ticks;
    int current = -1;
    bool updating = false;
    std::vector<bool> updatingAtChanges;

    int taskCount() const override { return static_cast<int>(ticks.size()); }
    bool isTaskTicked(int position) const override { return ticks.at(position); }
    void setTaskTicked(int position, bool ticked) override { ticks.at(position) = ticked; }
    void setCurrentTask(int position) override {
        current = position;
        updatingAtChanges.push_back(updating);
    }
    void setListUpdating(bool u) override { updating = u; }
};

TEST(TaskQueueList, TheFirstTaskStillTickedBecomesCurrent) {
    const struct {
        std::vector<bool> ticks;
        int current;
    } cases[] = {
        {{false, false, false, true, true}, 3},  // tasks 1 to 3 taken up
        {{false, false}, 0},                     // all taken up: the top of the list
        {{true, false, true}, 0},
        {{}, -1},  // an empty list is left alone
    };
    for (const auto& c : cases) {
        FakeList list;
        list.ticks = c.ticks;
        tidyTaskList(list);
        EXPECT_EQ(list.current, c.current);
        EXPECT_EQ(list.ticks, c.ticks);  // ticks are not touched
        EXPECT_FALSE(list.updating);
        for (const bool u : list.updatingAtChanges) EXPECT_TRUE(u);
    }
}

}  // namespace
