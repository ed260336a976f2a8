// Loading a task and laying out its board. The rectangles come from activity::layOutBoard; this
// file applies them to the controls and loads the pictures at the size they are shown.

#include "activity/ActivityFiles.h"
#include "activity/ActivityWidgets.h"
#include "activity/FormAnimation.h"
#include "activity/Shuffle.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "core/OptionChoices.h"
#include "library/PathHelpers.h"
#include "library/PictureFile.h"
#include "library/TaskFile.h"
#include "platform/Services.h"

namespace {

bool fileExists(const QString& path) { return !path.isEmpty() && platform::files().exists(path); }

QColor backgroundColor() {
    if (!BackgroundColors[1].isValid()) fillBackgroundColors();
    return BackgroundColors[knownChoice(StudentOptions.BackgroundColor, kBackgroundColorChoices)];
}

}  // namespace

void FormAnimation::loadTask(const QString& taskFile) {
    TaskInvalid = 0;
    const QString notValid = tr("The task %1 is not valid.");
    auto task = readTaskFile(taskFile, TaskReaders::activity);
    if (!task) {
        showLoadingProblem(task.error() + u'\n' + notValid.arg(taskFile));
        return;
    }
    Task = {};
    Task.StepCount = task->StepCount;
    Task.TaskTitle = task->TaskTitle;
    Task.TaskVideoFile = task->TaskVideoFile;
    Task.TaskIntroFile = task->TaskIntroFile;
    for (int s = 1; s <= Task.StepCount; ++s) {
        auto step = readPictureFile(task->StepFileName[s], PictureReaders::activity);
        if (!step) {
            showLoadingProblem(tr("The picture file of step %1 cannot be read: %2").arg(s).arg(step.error()) + u'\n' +
                               notValid.arg(Task.TaskTitle));
            return;
        }
        Task.StepDescription[s] = step->StepDescription;
        Task.StepPhonetic[s] = step->StepPhonetic;
        Task.StepPictureFile[s] = insertPath(step->StepPictureFile);
        Task.StepWaveFile[s] = insertPath(step->StepWaveFile);
        Task.StepLessonWaveFile[s] = Task.StepWaveFile[s];
    }
    for (int s = 1; s <= Task.StepCount; ++s) {
        if (!fileExists(Task.StepPictureFile[s])) {
            showLoadingProblem(tr("The picture %1 is missing.").arg(Task.StepPictureFile[s]) + u'\n' +
                               notValid.arg(Task.TaskTitle));
            return;
        }
    }
    sequence_Init_Arrays();
}

void FormAnimation::showLoadingProblem(const QString& problem) {
    setGeometry(QRect(QPoint(0, 0), platform::screen().sizePixels()));
    platform::pump().doEvents();
    platform::messages().ok(problem);
    TaskInvalid = 1;
}

void FormAnimation::sequence_Init_Arrays() {
    for (int k = 1; k <= 10; ++k) {
        BoxStep[k] = 0;
        BoxSlot[k] = 0;
        SlotStep[k] = 0;
        BoardPictureFile[k] = QStringLiteral("0");
    }
}

void FormAnimation::resetBoard() {
    for (int k = 0; k <= 10; ++k) {
        PicBase[k]->hide();
        ImBase[k]->clearPicture();
    }
    ClickSelectEnabled = 0;
    sound.LastNarratedPicture = -1;
    PicScan->hide();
    ImScanPointer->hide();
    ImArrowPointer->hide();
    sound.LastActivityTime = platform::clock().timer();
    SelectRequested = 0;
    ScanRequested = 0;

    const auto layout =
        static_cast<activity::BoardLayout>(knownChoice(StudentOptions.LayoutDirection, kLayoutDirectionChoices));
    const activity::BoardPictures pictures = activity::boardPictures(layout);
    auto marquee = readPicture(insertPath(pictures.marquee));
    PicScan->setPicture(marquee ? *marquee : QImage());
    showOwnPicture(ImScanPointer, pictures.scanPointer);
    showOwnPicture(ImArrowPointer, pictures.targetArrow);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, backgroundColor());
    setPalette(pal);
}

void FormAnimation::enableClickSelect() { ClickSelectEnabled = 1; }

void FormAnimation::resetTaskCounters() {
    ActivityStartTime = platform::clock().timer();
    taskStartSeconds_ = platform::clock().monotonicSeconds();
    PictureMoves = 0;
    IncorrectMoves = 0;
    CorrectMoves = 0;
    PlacedCorrectly = 0;
    // A task left by Exit after a solved one must not count as finished.
    TaskFinished = 0;
}

void FormAnimation::layOutBoard() {
    PicExitEarly->hide();
    const int n = Task.StepCount;
    options_ = activity::boardOptions(StudentOptions, n);
    resetTaskCounters();
    BoardPictureFile = activity::boardPictureFiles(Task.StepPictureFile, n, fileExists);

    activity::BoardState s = board();
    activity::shuffleSlots(s, options_, [] { return double(platform::clock().rnd()); });
    s.BoxStep.fill(0);
    s.BoxSlot.fill(0);

    activity::BoardInput in;
    in.screen = platform::screen().sizePixels();
    in.stepCount = n;
    in.options = options_;
    in.design.taskTitleHeight = LabelTaskTitle->height();
    in.design.statusLineHeight = LabGeneralInfo->height();
    in.design.pictureTitleHeight = LabShowTitle[1]->height();
    for (int k = 1; k <= 10; ++k) in.imageSize[k] = ImBase[k]->size();
    in.slotStep = s.SlotStep;
    in.boardPictureFile = BoardPictureFile;
    in.stepDescription = Task.StepDescription;
    in.taskTitle = Task.TaskTitle;
    in.student = CurrentStudent;
    in.videoFileExists = !isNone(Task.TaskVideoFile) && fileExists(Task.TaskVideoFile);
    geometry_ = activity::layOutBoard(in);

    storeBoard(s);
    undecodablePictures_.clear();
    // The step pictures are decoded side by side before they are put on the board.
    std::vector<std::pair<QString, QSize>> wanted;
    for (int k = 1; k <= n; ++k) {
        const activity::SlotRects& r = geometry_.slots[k];
        if (r.pictureFile != QStringLiteral("0")) wanted.emplace_back(r.pictureFile, r.image.size());
    }
    pictures_.prefetch(wanted);
    applyBoard();
    placeJumpStart(s);
    show();

    if (!undecodablePictures_.isEmpty()) platform::messages().ok(undecodablePictures_.join(u'\n'));
}

void FormAnimation::applyBoard() {
    const activity::BoardGeometry& g = geometry_;
    setGeometry(g.window);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, backgroundColor());
    setPalette(pal);

    PicPlayVideo->setGeometry(g.videoButton.rect);
    PicPlayVideo->setVisible(g.videoButton.visible);
    PicPlayLesson->setGeometry(g.reviewButton.rect);
    PicPlayLesson->setVisible(g.reviewButton.visible);
    LabelTaskTitle->setGeometry(g.taskTitle);
    LabelTaskTitle->setCaption(g.taskTitleCaption);
    LabelTaskTitle->show();
    LabGeneralInfo->setGeometry(g.statusLine);
    LabGeneralInfo->setCaption(g.statusCaption);
    LabGeneralInfo->show();
    PicExit->setGeometry(g.exitButton.rect);
    PicExit->show();
    PicExit->raise();

    const int n = Task.StepCount;
    for (int k = 1; k <= n; ++k) applySlot(k);
    for (int k = 0; k <= 10; ++k) {
        PicBase[k]->hide();
        PicSeq[k]->hide();
        PicSeparator[k]->hide();
        LabShowTitle[k]->hide();
    }
    for (int k = 1; k <= n; ++k) {
        PicBase[k]->show();
        PicSeq[k]->show();
        LabShowTitle[k]->setVisible(g.titlesVisible);
        PicBase[k]->raise();
    }
    for (int b = 2; b <= n; ++b) {
        const QRect& arrow = g.slots[b].separator;
        PicSeparator[b]->setGeometry(arrow);
        ImSeparator[b]->setGeometry(QRect(QPoint(0, 0), arrow.size()));
        loadImageAt(ImSeparator[b], insertPath(g.separatorFile), arrow.size());
        PicSeparator[b]->show();
        PicBase[b]->raise();
    }
}

void FormAnimation::applySlot(int k) {
    const activity::SlotRects& r = geometry_.slots[k];
    const int step = SlotStep[k];
    const QString description = step >= 1 && step <= 10 ? Task.StepDescription[step] : QString();

    PicBase[k]->setBackground(Qt::white);
    PicBase[k]->setGeometry(r.picture);
    PicBase[k]->setAccessibleName(description);
    ImBase[k]->hide();
    ImBase[k]->setGeometry(r.image);
    ImBase[k]->setAccessibleName(description);
    loadStepPicture(k, r.pictureFile, r.image.size());
    ImBase[k]->show();
    LabShowTitle[k]->setGeometry(r.title);
    LabShowTitle[k]->setPixelSize(LabShowTitle[1]->pixelSize());
    LabShowTitle[k]->setCaption(r.titleCaption);

    // The box's number as the student reads it: right to left the right-most box is box 1.
    const int number = activity::expectedStep(k, Task.StepCount, options_.layout);
    PicSeq[k]->setBackground(Qt::white);
    PicSeq[k]->setGeometry(r.box);
    PicSeq[k]->setAccessibleName(tr("Box %1").arg(number));
    ImSeq[k]->hide();
    ImSeq[k]->setGeometry(r.face);
    ImSeq[k]->setAccessibleName(PicSeq[k]->accessibleName());
    loadImageAt(ImSeq[k], insertPath(r.faceFile), r.face.size());
    ImSeq[k]->show();
}

void FormAnimation::placeJumpStart(const activity::BoardState& beforeJumpStart) {
    activity::BoardState s = beforeJumpStart;
    for (const activity::PrePlacement& p : activity::placeJumpStart(s, options_)) {
        PicBase[p.slot]->move(PicSeq[p.box]->pos());
    }
    storeBoard(s);
}

void FormAnimation::loadImageAt(PictureBox* image, const QString& path, QSize size) {
    QString why;
    image->setPicture(pictures_.at(path, size, &why));
}

void FormAnimation::loadStepPicture(int k, const QString& file, QSize size) {
    const QString card = insertPath(activity::files::kMissingPicture);
    QString why;
    QImage picture = file == QStringLiteral("0") ? QImage() : pictures_.at(file, size, &why);
    if (picture.isNull() && file != QStringLiteral("0")) {
        // A picture that is there but cannot be decoded shows the missing-picture card, and the
        // teacher learns which file it was.
        undecodablePictures_.append(tr("The picture %1 cannot be shown: %2").arg(file, why));
    }
    if (picture.isNull()) picture = pictures_.at(card, size, &why);
    ImBase[k]->setPicture(picture);
}
