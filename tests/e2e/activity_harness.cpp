// The activity window on one task, with the real services, for the end-to-end scripts: until
// the task selection window can start the activity, this opens it as that window would.
//   activity_harness APP_FOLDER TASK_FILE ACCESS_METHOD [LAYOUT]
// Prints the board when it is laid out ("slot K step S X Y W H", "box B X Y W H", screen
// coordinates) and the result when the task ends ("result finished F moves M incorrect I"),
// and quits once the activity has handed back to the task list.

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "activity/FormAnimation.h"
#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "library/DefaultOptions.h"
#include "library/FormTask.h"
#include "platform/Services.h"

namespace {

class HarnessAnimation : public FormAnimation {
public:
    void introduceTask() override {
        FormAnimation::introduceTask();
        for (int k = 1; k <= Task.StepCount; ++k) {
            const QRect r(PicBase[k]->mapToGlobal(QPoint(0, 0)), PicBase[k]->size());
            std::printf("slot %d step %d %d %d %d %d\n", k, SlotStep[k], r.x(), r.y(), r.width(), r.height());
        }
        for (int b = 1; b <= Task.StepCount; ++b) {
            const QRect r(PicSeq[b]->mapToGlobal(QPoint(0, 0)), PicSeq[b]->size());
            std::printf("box %d %d %d %d %d\n", b, r.x(), r.y(), r.width(), r.height());
        }
        std::printf("laid out\n");
        std::fflush(stdout);
    }
    void recordResults() override {
        std::printf("result finished %d moves %d incorrect %d\n", TaskFinished, PictureMoves, IncorrectMoves);
        std::fflush(stdout);
        FormAnimation::recordResults();
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("stepwick"));
    if (argc < 4) {
        std::fprintf(stderr, "usage: activity_harness APP_FOLDER TASK_FILE ACCESS_METHOD [LAYOUT]\n");
        return 2;
    }
    AppFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    RealServices real(QDir(AppFolder).filePath(QStringLiteral("printed")));
    platform::installServices(real.services());
    if (Status s = platform::files().setCurrentDir(AppFolder); !s) {
        std::fprintf(stderr, "%s\n", qPrintable(s.error()));
        return 2;
    }

    StudentOptions = defaultStudentOptions();
    StudentOptions.AccessMethod = static_cast<std::int16_t>(QByteArray(argv[3]).toInt());
    StudentOptions.LayoutDirection = static_cast<std::int16_t>(argc > 4 ? QByteArray(argv[4]).toInt() : 1);
    StudentOptions.ShuffleMode = 2;  // never in order
    StudentOptions.FeedbackMode = 2;
    StudentOptions.AnimationSpeed = 20000;
    StudentOptions.PressReminder = 2;
    StudentOptions.VideoBeforeTask = 2;
    StudentOptions.ReviewBeforeTask = 2;
    CurrentStudent = QStringLiteral("Ann");
    Edition = 1;
    fillBackgroundColors();
    ChosenTaskList[1] = QString::fromLocal8Bit(argv[2]);
    ChosenTaskIndex[1] = 0;
    ChosenTaskCount = 1;

    registerForm(FormId::Task, [] { return new FormTask; });
    registerForm(FormId::Animation, [] { return new HarnessAnimation; });
    showForm(FormId::Animation);
    auto* w = static_cast<FormAnimation*>(form(FormId::Animation));
    QTimer done;
    bool started = false;
    QObject::connect(&done, &QTimer::timeout, [&] {
        started = started || w->activityRunning();
        if (started && !w->activityRunning()) QApplication::quit();
    });
    done.start(100);
    const int code = QApplication::exec();
    std::printf("handed back\n");
    resetForms();
    resetGlobvars();
    return code;
}
