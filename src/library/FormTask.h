#pragma once

#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

#include "app/TaskQueueList.h"
#include "app/WindowSetup.h"
#include "library/TaskListTexts.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The task selection window: the tasks of the library, filtered by their number of steps, with a
// tick each; Continue hands the ticked ones to the activity. The activity takes its tasks from
// this list and unticks them (TaskQueueList).
class FormTask : public QWidget, public TaskQueueList {
    Q_OBJECT
public:
    explicit FormTask(QWidget* parent = nullptr);

    QFrame* FrameTasks = nullptr;
    QLabel* LabCurrentStudent = nullptr;
    // Index 2..10: the step-count filter.
    std::array<QCheckBox*, 11> CheckFilter{};
    QPushButton* CmdSelectAll = nullptr;
    QPushButton* CmdUncheckAll = nullptr;
    // One entry per listed task, each with a tick.
    QListWidget* ListTasks = nullptr;
    QPushButton* CmdtaskSelectAll = nullptr;
    QPushButton* CmdTaskUnselectAll = nullptr;
    QPushButton* CmdContinue = nullptr;
    QPushButton* Cmdback = nullptr;

    // The files of the listed tasks, in list order (position 0 = first entry).
    QStringList TaskListFiles;
    int TaskListCount() const { return static_cast<int>(TaskListFiles.size()); }

    // 1 while the window itself changes the list; the list's click handling then does nothing.
    std::int16_t ListUpdating = 0;

    // How often the list was built (each filter change rebuilds it).
    int listBuilds() const { return listBuilds_; }

    void Form_Activate();
    void listTasks();
    void showStepFilter();
    void readStepFilter();
    void CheckFilter_Click(int n);
    void CmdSelectAll_Click();
    void CmdUncheckAll_Click();
    // A tick set or cleared by the user stays as the click left it.
    void ListTasks_Click(QListWidgetItem* item);
    void CmdtaskSelectAll_Click();
    void CmdTaskUnselectAll_Click();
    void CmdContinue_Click();
    void Cmdback_Click();

    int taskCount() const override;
    bool isTaskTicked(int position) const override;
    void setTaskTicked(int position, bool ticked) override;
    void setCurrentTask(int position) override;
    void setListUpdating(bool updating) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void tickAll(bool ticked);
    void setFilterBoxes(const std::function<bool(int)>& ticked);
    void saveFilter();
    void tell(const QString& text);

    ProblemsShownOnce problemsShown_;
    ActivationOnShow activation_;
    bool batchingFilter_ = false;
    bool filterChanged_ = false;
    int listBuilds_ = 0;
};
