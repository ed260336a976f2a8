// The spine of the activity: the task queue, one task from loading to the menu, the runs of the
// two kinds of access method, and the exit buttons.

#include <algorithm>

#include "activity/ActivityFiles.h"
#include "activity/ActivityWidgets.h"
#include "activity/FormAnimation.h"
#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "app/TaskQueueList.h"
#include "audio/Sound.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

namespace {

bool isPointerMethod(int method) { return method == 4 || method == 5; }

}  // namespace

void FormAnimation::Form_Activate() {
    if (activityRunning_) return;
    activityRunning_ = true;
    leaving_ = false;
    setFocus();
    platform::clock().randomize();
    loadButtonFaces();

    runTaskQueue();

    tidyTaskWindow();
    phase_ = Phase::Loading;
    activityRunning_ = false;
    hide();
    handBackResultsProblems();
    showForm(FormId::Task);
    if (deleteWhenDone_) deleteLater();
}

void FormAnimation::runTaskQueue() {
    const int count = std::min<int>(ChosenTaskCount, kMaxChosenTasks);
    int i = 1;
    while (count >= 1) {
        loadAndRunTask(ChosenTaskList[i]);
        untickTask(ChosenTaskIndex[i]);
        if (TaskInvalid == 1) break;
        if (ExitRequested == 1 || ExitEarlyRequested == 1 || leaving_) break;
        const int choice = askWhatNext();
        if (choice == 1) break;
        // After the last task the next one is the first again: only the menu, an exit or an
        // invalid task ends the queue.
        if (choice == 3) i = i % count + 1;
    }
    stopWave();
    ExitRequested = 0;
    ExitEarlyRequested = 0;
}

void FormAnimation::loadAndRunTask(const QString& taskFile) {
    phase_ = Phase::Loading;
    loadTask(taskFile);
    if (TaskInvalid == 1 || leaving_) return;
    phase_ = Phase::BeforeRun;
    if (StudentOptions.VideoBeforeTask == 1) {
        playVideoBeforeTask();
        if (ExitEarlyRequested == 1) return;
    }
    if (StudentOptions.ReviewBeforeTask == 1) {
        playLesson();
        if (ExitEarlyRequested == 1) return;
    }
    if (isPointerMethod(StudentOptions.AccessMethod)) {
        runPointerTask();
    } else {
        runScanningTask();
    }
}

void FormAnimation::startRun() {
    phase_ = Phase::Run;
    resetBoard();
    enableClickSelect();
    PicTV->hide();
    layOutBoard();
    introduceTask();
}

void FormAnimation::runScanningTask() {
    startRun();
    platform::pump().doEvents();
    if (ExitRequested == 1) return;

    SpaceReleased = 1;
    EnterReleased = 1;
    const int method = options_.accessMethod;
    if (method == 1) {
        // Nothing happens on the board until the first press of the scan switch.
        ScanRequested = 0;
        while (ScanRequested != 1) {
            platform::pump().waitEvents();
            if (ExitRequested == 1) return;
        }
        ScanRequested = 0;
        SelectRequested = 0;
    }
    ScanSlot = 1;
    if (!runSelectionLoop()) return;

    phase_ = Phase::Reward;
    platform::pump().doEvents();
    // An exit that came while the last check ran has recorded the task as not finished already;
    // a reward now would record it a second time as finished.
    if (ExitRequested != 1) showReward();
}

void FormAnimation::runPointerTask() {
    startRun();
    PicScan->hide();
    ImScanPointer->hide();
    PicExit->show();
    platform::pump().doEvents();

    SpaceReleased = 1;
    EnterReleased = 1;
    ScanSlot = 1;
    resetPointerState();  // Dragging, PointerButtonDown, the carried picture
    const int method = options_.accessMethod;
    while (ExitRequested != 1) {
        if (checkSequence() != 1) {
            if (ExitRequested == 1) break;  // as above: the exit has recorded the task
            phase_ = Phase::Reward;
            sound.sequence_wave_start_sync(activity::files::kSilenceHalfSecond);
            showReward();
            if (ExitRequested == 1) break;
            sound.sequence_wave_start_sync(activity::files::kSilenceOneSecond);
            break;
        }
        // The pictures are picked up and dropped by the pointer handlers while this waits.
        platform::pump().waitEvents();
        finishPendingDrops();
        if (method == 5 && HeldSlot != 0) followCursor(HeldSlot);
    }
    resetPointerState();
}

void FormAnimation::PicExit_Click() {
    PicScan->hide();
    ImScanPointer->hide();
    if (ExitRequested == 1) return;
    ExitRequested = 1;
    recordResults();
    for (int k = 0; k <= 10; ++k) {
        PicBase[k]->hide();
        PicSeq[k]->hide();
        PicSeparator[k]->hide();
        LabShowTitle[k]->hide();
        BoxStep[k] = 0;
    }
}

void FormAnimation::PicExitEarly_Click() {
    if (ExitEarlyRequested == 1) return;
    PicScan->hide();
    ImScanPointer->hide();
    ExitEarlyRequested = 1;
}

void FormAnimation::PicPlayLesson_Click() {
    LessonFromButton = 1;
    playLesson();
    LessonFromButton = 0;
}

void FormAnimation::untickTask(int position) {
    TaskQueueList* list = taskQueueList();
    if (list == nullptr) return;
    list->setListUpdating(true);
    list->setTaskTicked(position, false);
    list->setListUpdating(false);
}

void FormAnimation::tidyTaskWindow() {
    if (TaskQueueList* list = taskQueueList()) tidyTaskList(*list);
}
