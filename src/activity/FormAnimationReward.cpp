// The end of a task: its result written to the student's report and spreadsheet, and the reward
// for a solved one (the check mark, a song, the verdict and the stars, or "Very good.").

#include <QPainter>
#include <QPolygon>

#include "activity/FormAnimation.h"
#include "activity/ResultsRecord.h"
#include "activity/Reward.h"
#include "app/Globvars.h"
#include "app/Killtime.h"
#include "app/PictureWidgets.h"
#include "audio/Sound.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

namespace {

const QString kDontLoop = QStringLiteral("DONT_LOOP");
constexpr double kPauseAfterRewardSeconds = 2.0;

float draw() { return platform::clock().rnd(); }

// The teacher is told each problem once, when the activity hands back to the task selection.
void keepResultsProblem(const QString& problem) {
    for (const QString& line : problem.split(u'\n', Qt::SkipEmptyParts)) {
        if (!ResultsProblems.contains(line)) ResultsProblems.append(line);
    }
}

// The check mark in the middle of the screen. Without its picture the reward goes on without it.
void showCheckMark(PictureBox* check, QSize screen) {
    const QString path = insertPath(kRewardCheckPicture);
    if (const Status loaded = check->loadPicture(path); !loaded) {
        qWarning("%s", qPrintable(loaded.error()));
        check->hide();
        return;
    }
    check->setGeometry(QRect(centredOn(screen, check->picture().size()), check->picture().size()));
    check->show();
    check->raise();
}

// One star, ring by ring from its outline inward, each ring shown as soon as it is drawn: no
// event runs in between, as between the steps of a gliding picture.
void drawStar(PictureBox* surface, const StarDrawing& star, double delay) {
    for (const StarRing& ring : star.rings) {
        const QPolygon path(QList<QPoint>(ring.path.begin(), ring.path.end()));
        surface->drawOnPicture(path.boundingRect(), [&](QPainter& p) {
            p.setPen(QPen(QColor(ring.colour.red, ring.colour.green, ring.colour.blue), 1));
            p.drawPolyline(path);
        });
        killtime(delay);
    }
}

}  // namespace

void FormAnimation::recordResults() {
    TaskResult r;
    r.student = CurrentStudent;
    r.TaskTitle = Task.TaskTitle;
    r.StepCount = Task.StepCount;
    r.TaskFinished = TaskFinished == 1;
    r.IncorrectMoves = IncorrectMoves;
    r.PictureMoves = PictureMoves;
    // The method the task was run with (an unknown stored value runs as the first).
    r.AccessMethod = options_.accessMethod;
    r.ScanInterval = StudentOptions.ScanInterval;
    r.jumpStartedSteps = jumpStartedSteps(StudentOptions, Task.StepCount);
    r.taskSeconds = platform::clock().monotonicSeconds() - taskStartSeconds_;
    r.dateStamp = currentDateStamp();
    // A file that cannot be written keeps the record in memory for the next recording; the
    // student sees nothing of it.
    if (const Status s = ::recordResults(AppFolder, r, PendingTaskResults); !s) keepResultsProblem(s.error());
}

void FormAnimation::handBackResultsProblems() {
    if (!PendingTaskResults.isEmpty()) {
        // The file may be free again (a spreadsheet closed meanwhile).
        if (const Status retried = retryPendingResults(AppFolder, PendingTaskResults); !retried) {
            keepResultsProblem(retried.error());
        } else if (!ResultsProblems.isEmpty()) {
            ResultsProblems.append(tr("All results have now been saved."));
        }
    }
    // The task selection window is the teacher's: it shows the problems when it shows again.
}

void FormAnimation::showReward() {
    PicExit->hide();
    sound.DirectSS1.stop();
    TaskFinished = 1;
    recordResults();

    // The surface the stars are drawn on keeps them in its picture.
    const QSize screen = platform::screen().sizePixels();
    // The student's background colour, which the board has made the window's.
    const QColor background = palette().color(QPalette::Window);
    QImage surface(screen, QImage::Format_RGB32);
    surface.fill(background);
    PicRewardMain->setBackground(background);
    PicRewardMain->setPicture(surface);
    PicRewardMain->setGeometry(QRect(QPoint(0, 0), screen));
    PicRewardMain->raise();
    PicRewardMain->show();

    const RewardPlan plan = planReward(StudentOptions.RewardMode, IncorrectMoves, Task.StepCount, draw);
    showCheckMark(PicReward, screen);
    if (StudentOptions.RewardMode != kRewardOff) {
        // A missing song or verdict only stays silent.
        sound.sequence_wave_start_sync(insertPath(plan.songFile));
        sound.sequence_wave_start_sync(insertPath(plan.verdictFile));
        PicReward->hide();
        repaint();

        platform::clock().randomize();
        const QString starSound = insertPath(kRewardStarSound);
        // Without its sound a star is still drawn; a message now would stop the reward.
        const bool starSounds = waveFileExists(starSound);
        if (!starSounds) qWarning("The sound %s is missing.", qPrintable(starSound));
        const double delay = 5.0 * StudentOptions.AnimationSpeed;
        for (const StarDrawing& star : layOutStars(PicRewardMain->size(), plan.stars, draw)) {
            if (starSounds) sound.sequence_wave_start(starSound, kDontLoop);
            drawStar(PicRewardMain, star, delay);
        }
    } else {
        sound.sequence_wave_start_sync(insertPath(plan.verdictFile));
    }

    // The pause ends after two seconds also across midnight. The window repaints meanwhile, but
    // what the student presses waits for the menu, which takes it.
    const double pauseStart = platform::clock().monotonicSeconds();
    platform::pump().waitWithoutInput(
        [pauseStart] { return platform::clock().monotonicSeconds() - pauseStart >= kPauseAfterRewardSeconds; });

    for (int k = 1; k <= 10; ++k) {
        PicBase[k]->hide();
        PicSeq[k]->hide();
        PicSeparator[k]->hide();
    }
    PicPlayLesson->hide();
    update();
    PicExit->show();
}
