#include "app/Globvars.h"

void fillBackgroundColors() {
    BackgroundColors[1] = QColor(0, 0, 0);
    BackgroundColors[2] = QColor(184, 0, 28);
    BackgroundColors[3] = QColor(0, 127, 37);
    BackgroundColors[4] = QColor(0, 18, 191);
    BackgroundColors[5] = QColor(154, 0, 191);
    BackgroundColors[6] = QColor(255, 255, 255);
}

void resetGlobvars() {
    AppFolder.clear();
    StudentOptions = {};
    BackgroundColors = {};
    CurrentStudent.clear();
    Edition = 0;
    GongPlayed = 0;
    ChosenTaskList.fill(QString());
    ChosenTaskIndex.fill(0);
    ChosenTaskCount = 0;
    ActivityStartTime = 0.0f;
    Task = {};
    SlotStep.fill(0);
    BoxStep.fill(0);
    BoxSlot.fill(0);
    PictureMoves = IncorrectMoves = CorrectMoves = TaskFinished = 0;
    ExitRequested = ExitEarlyRequested = WaitingForSound = ScanRequested = SelectRequested = 0;
    CategoryTable.fill(QString());
    PendingTaskResults = {};
    ResultsProblems.clear();
    MultimediaInterpreter.reset();
}

QString takeResultsProblems() {
    const QString message = ResultsProblems.join(u'\n');
    ResultsProblems.clear();
    return message;
}
