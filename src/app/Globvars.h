#pragma once

#include "core/PendingResults.h"
#include "core/StudentOptions.h"
#include "core/TaskLimits.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

class MultimediaCommands;

// The process-wide state that the windows share. One thread uses it; a window acts only while
// it is the one in use, so nothing is locked.

// The folder of the program's data and media; every bare stored file name lives here.
inline QString AppFolder;

// The options of the student loaded last (normally CurrentStudent).
inline StudentOptionsRecord StudentOptions;

// The six background colours, 1..6 (black, red, green, blue, purple, white); entry 0 unused.
inline std::array<QColor, 7> BackgroundColors{};
void fillBackgroundColors();

// The logged-on student; "teacher" is the built-in default, for whom nothing is recorded.
inline QString CurrentStudent;

// 1 for the Kestrel edition, any other value for the Larkin edition.
inline std::int16_t Edition = 0;

// 1 once the start-up gong has sounded in this run; the main window sounds it only once, also
// when it is made again after the task workshop.
inline std::int16_t GongPlayed = 0;

// Hand-over from the task selection window to the activity: entries 1..ChosenTaskCount.
inline constexpr int kMaxChosenTasks = 1000;
inline std::array<QString, kMaxChosenTasks + 1> ChosenTaskList{};        // bare task file names
inline std::array<std::int16_t, kMaxChosenTasks + 1> ChosenTaskIndex{};  // positions in the task list
inline std::int16_t ChosenTaskCount = 0;
inline float ActivityStartTime = 0.0f;  // seconds since midnight

// The task the activity has loaded; steps 1..StepCount, entry 0 unused.
struct LoadedTask {
    std::int16_t StepCount = 0;
    QString TaskTitle;
    QString TaskVideoFile;
    QString TaskIntroFile;
    std::array<QString, kMaxSteps + 1> StepDescription{};
    std::array<QString, kMaxSteps + 1> StepPhonetic{};
    std::array<QString, kMaxSteps + 1> StepPictureFile{};
    std::array<QString, kMaxSteps + 1> StepWaveFile{};
    // The narration the review lesson plays for each step, copied from StepWaveFile at loading.
    std::array<QString, kMaxSteps + 1> StepLessonWaveFile{};
};
inline LoadedTask Task;

// Where the pictures are: slots (top row) and boxes are numbered by screen position, 1..10;
// 0 means empty.
inline std::array<std::int16_t, kMaxSteps + 1> SlotStep{};
inline std::array<std::int16_t, kMaxSteps + 1> BoxStep{};
inline std::array<std::int16_t, kMaxSteps + 1> BoxSlot{};
inline std::int16_t PictureMoves = 0;
inline std::int16_t IncorrectMoves = 0;
inline std::int16_t CorrectMoves = 0;
// 1 once the task on the board was solved (the results read it); cleared for every task.
inline std::int16_t TaskFinished = 0;

// Activity flags (1 = set). Handlers set them; the waiting loops act on them.
inline std::int16_t ExitRequested = 0;
inline std::int16_t ExitEarlyRequested = 0;
inline std::int16_t WaitingForSound = 0;
inline std::int16_t ScanRequested = 0;
inline std::int16_t SelectRequested = 0;

// The category list while it is sorted: entries 1..kMaxCategories; the first empty entry ends
// it. Entry 0 unused.
inline constexpr int kMaxCategories = 1000;
inline std::array<QString, kMaxCategories + 1> CategoryTable{};

// The multimedia command interpreter behind multimedia() (audio/MultimediaCommands.h), made on
// its first use. It holds the devices the windows opened, which are Qt Multimedia objects, so it
// must go before the application object does: resetGlobvars destroys it. (A shared_ptr only so
// that this file need not know the type.)
inline std::shared_ptr<MultimediaCommands> MultimediaInterpreter;

// Task results that could not be written to the students' files yet; the next recording of the
// same student writes them first. A removed student's records go with discard(name).
inline PendingResults PendingTaskResults;
// What the teacher is to be told about results that could not be written, collected while the
// activity runs (never shown in front of the student), one problem a line.
inline QStringList ResultsProblems;
// The problems collected so far as one message, empty when there are none; they are forgotten,
// so the teacher is told once. The activity takes them when it hands back to the task selection.
QString takeResultsProblems();

// Puts every shared value back to its start-of-program state and destroys the multimedia
// interpreter with every device it holds open. Tests call it between cases; main() calls it
// before the application object goes. The window registry has its own reset (resetForms).
void resetGlobvars();
