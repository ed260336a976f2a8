// The review lesson: the task's pictures in the right order on a panel over the window, and a
// pointing hand that visits them one after the other while each step is told. The panel is laid
// out in twips (activity::layOutLesson) and the hand moves one twip per step.

#include <algorithm>
#include <cmath>

#include "activity/ActivityFiles.h"
#include "activity/ActivityWidgets.h"
#include "activity/FormAnimation.h"
#include "activity/LessonGeometry.h"
#include "app/Globvars.h"
#include "app/Killtime.h"
#include "app/PictureWidgets.h"
#include "audio/Sound.h"
#include "core/OptionChoices.h"
#include "core/TextFormat.h"
#include "library/PathHelpers.h"
#include "library/ReviewWord.h"
#include "platform/Services.h"

namespace {

const QColor kHeadingBackground(128, 0, 0);
const QColor kHeadingText(255, 255, 128);
const QColor kTaskTitleBackground(66, 166, 181);

// Font sizes in pixels at 96 dots per inch (18 and 12 points).
constexpr int kHeadingPixels = 24;
constexpr int kPictureTitlePixels = 16;

bool fileExists(const QString& path) { return !path.isEmpty() && platform::files().exists(path); }

int twipsPerPixel() { return std::max(1, static_cast<int>(std::lround(platform::screen().twipsPerPixelX()))); }

}  // namespace

void FormAnimation::createLessonControls() {
    const activity::LessonDesign design;
    const int tpp = 15;  // the design's sizes; every lesson measures the screen again
    FrameLesson = new PictureBox(this, QStringLiteral("FrameLesson"));
    LabelLesson = new CaptionLabel(FrameLesson, QStringLiteral("LabelLesson"));
    LabelLesson->setColors(kHeadingBackground, kHeadingText);
    LabelLesson->setPixelSize(kHeadingPixels);
    LabelLesson->resize(width(), design.headingHeight / tpp);
    LabelLessonTitle = new CaptionLabel(FrameLesson, QStringLiteral("LabelLessonTitle"));
    LabelLessonTitle->setColors(kTaskTitleBackground, Qt::black);
    LabelLessonTitle->setPixelSize(kHeadingPixels);
    LabelLessonTitle->resize(width(), design.taskTitleHeight / tpp);
    for (int k = 0; k <= 10; ++k) {
        ImLesson[k] = new PictureBox(FrameLesson, QStringLiteral("ImLesson%1").arg(k));
        ImLesson[k]->setBackground(Qt::white);
        LabShowTitleLesson[k] = new CaptionLabel(FrameLesson, QStringLiteral("LabShowTitleLesson%1").arg(k));
        LabShowTitleLesson[k]->setColors(kHeadingBackground, kHeadingText);
        LabShowTitleLesson[k]->setPixelSize(kPictureTitlePixels);
        LabShowTitleLesson[k]->resize(160, design.pictureTitleHeight / tpp);
        ImLesson[k]->hide();
        LabShowTitleLesson[k]->hide();
    }
    PicHandLesson = new PictureBox(FrameLesson, QStringLiteral("PicHandLesson"));
    PicHandLesson->setAccessibleName(tr("Pointing hand"));
    PicHandLesson->hide();
    FrameLesson->hide();

    PicStopLessonBut = new PictureButton(this, QStringLiteral("PicStopLessonBut"), tr("Stop"));
    PicStopLessonBut->resize(activity::BoardDesign().reviewButton);
    PicStopLessonBut->hide();
    connect(PicStopLessonBut, &QAbstractButton::clicked, this, &FormAnimation::PicStopLessonBut_Click);
}

void FormAnimation::PicStopLessonBut_Click() { ExitRequested = 1; }

void FormAnimation::playLesson() {
    // A lesson from the review button may run inside any wait of the task (a glide, the final
    // check): what it hides and the sentence flag come back as they were.
    const bool exitShown = !PicExit->isHidden();
    const bool videoShown = !PicPlayVideo->isHidden();
    const bool reviewShown = !PicPlayLesson->isHidden();
    const std::int16_t waitingBefore = WaitingForSound;

    ExitEarlyRequested = 0;
    PicExit->hide();
    PicPlayVideo->hide();
    PicPlayLesson->hide();
    PicStopLessonBut->move(0, 0);
    PicStopLessonBut->show();
    const QSize screenPixels = platform::screen().sizePixels();
    setGeometry(QRect(QPoint(0, 0), screenPixels));

    // The panel.
    const int tpp = twipsPerPixel();
    lessonTwipsPerPixel_ = tpp;
    const QColor background = BackgroundColors[knownChoice(StudentOptions.BackgroundColor, kBackgroundColorChoices)];
    FrameLesson->setBackground(background.isValid() ? background : QColor(Qt::white));
    FrameLesson->setGeometry(QRect(QPoint(0, 0), screenPixels));
    FrameLesson->raise();
    LabelLessonTitle->setCaption(escapeAmpersands(Task.TaskTitle));
    for (int k = 2; k <= 10; ++k) {
        LabShowTitleLesson[k]->resize(LabShowTitleLesson[k]->width(), LabShowTitleLesson[1]->height());
        LabShowTitleLesson[k]->setPixelSize(LabShowTitleLesson[1]->pixelSize());
    }
    // A missing or damaged file leaves the heading empty; the lesson goes on.
    const Result<QString> word = readReviewWord();
    if (!word) qWarning("%s", qPrintable(word.error()));
    LabelLesson->setCaption(word ? escapeAmpersands(*word) : QString());
    for (int k = 0; k <= 10; ++k) {
        ImLesson[k]->hide();
        LabShowTitleLesson[k]->hide();
    }

    if (LessonFromButton != 1) {
        PicExitEarly->move(screenPixels.width() - PicExitEarly->width(), 0);
        PicExitEarly->show();
        PicExitEarly->raise();
    }
    PicStopLessonBut->raise();

    // The pictures in the right order.
    const QSizeF screenTwipsF = platform::screen().sizeTwips();
    activity::LessonInput in;
    in.screen = QSize(static_cast<int>(std::lround(screenTwipsF.width())),
                      static_cast<int>(std::lround(screenTwipsF.height())));
    in.stepCount = Task.StepCount;
    in.layout =
        static_cast<activity::BoardLayout>(knownChoice(StudentOptions.LayoutDirection, kLayoutDirectionChoices));
    in.pictureTitles = StudentOptions.PictureTitles == 1;
    in.design.headingHeight = LabelLesson->height() * tpp;
    in.design.taskTitleHeight = LabelLessonTitle->height() * tpp;
    in.design.pictureTitleHeight = LabShowTitleLesson[1]->height() * tpp;
    // The hand's picture depends on the direction; its size sets where it starts.
    showOwnPicture(PicHandLesson, activity::layOutLesson(in).handFile);
    in.hand = PicHandLesson->size() * tpp;
    const activity::LessonGeometry g = activity::layOutLesson(in);

    LabelLesson->setGeometry(activity::twipsToPixels(g.heading, tpp));
    LabelLessonTitle->setGeometry(activity::twipsToPixels(g.taskTitle, tpp));
    const int n = std::clamp<int>(Task.StepCount, 0, kMaxSteps);
    for (int p = 1; p <= n; ++p) {
        const activity::LessonPicture& place = g.places[p];
        const QString description = Task.StepDescription[place.step];
        ImLesson[p]->setGeometry(activity::twipsToPixels(place.image, tpp));
        ImLesson[p]->setAccessibleName(description);
        QString why;
        QImage picture = pictures_.at(Task.StepPictureFile[place.step], ImLesson[p]->size(), &why);
        if (picture.isNull())
            picture = pictures_.at(insertPath(activity::files::kMissingPicture), ImLesson[p]->size(), &why);
        ImLesson[p]->setPicture(picture);
        LabShowTitleLesson[p]->setGeometry(activity::twipsToPixels(place.title, tpp));
        LabShowTitleLesson[p]->setCaption(escapeAmpersands(description));
        ImLesson[p]->show();
        LabShowTitleLesson[p]->setVisible(g.titlesVisible);
    }

    FrameLesson->show();
    FrameLesson->repaint();
    platform::pump().doEvents();
    lessonHandTwips_ = g.handStart;
    placeLessonHand();
    PicHandLesson->raise();
    PicHandLesson->show();
    show();
    platform::pump().doEvents();

    // The sentences and the hand's moves between them.
    activity::LessonScriptInput script;
    script.stepCount = Task.StepCount;
    script.layout = in.layout;
    script.introFile = Task.TaskIntroFile;
    for (int s = 1; s <= n; ++s) script.narrationFile[s] = Task.StepLessonWaveFile[s];
    script.fileExists = [](const QString& name) { return fileExists(insertPath(name)); };
    const auto stopped = [] { return ExitRequested == 1 || ExitEarlyRequested == 1; };
    for (const activity::LessonItem& item : activity::lessonScript(script)) {
        if (stopped()) break;
        switch (item.kind) {
            case activity::LessonItem::Kind::Play:
                sound.sequence_wave_start_sync(insertPath(item.file));
                break;
            case activity::LessonItem::Kind::StopWave:
                stopWave();
                break;
            case activity::LessonItem::Kind::MoveHand:
                moveLessonHand(activity::lessonHandToPlace(in.layout, in.hand, g.places[item.place]));
                break;
            case activity::LessonItem::Kind::MoveHandOffScreen:
                moveLessonHand(activity::handOffScreen(in.layout, in.hand, in.screen));
                break;
        }
    }

    // The end, also when stopped.
    if (LessonFromButton == 1) {
        PicExit->setVisible(exitShown);
        PicPlayVideo->setVisible(videoShown);
        PicPlayLesson->setVisible(reviewShown);
    }
    PicStopLessonBut->hide();
    PicExitEarly->hide();
    FrameLesson->hide();
    PicHandLesson->hide();
    for (int k = 0; k <= 10; ++k) {
        ImLesson[k]->hide();
        LabShowTitleLesson[k]->hide();
    }
    platform::pump().doEvents();
    // The stop button ends only the lesson. An exit because the window is being left stays.
    if (!leaving_) ExitRequested = 0;
    stopWave();
    WaitingForSound = waitingBefore;
}

bool FormAnimation::moveLessonHand(const activity::GlidePath& path) {
    const double delay = activity::lessonHandDelay(StudentOptions.AnimationSpeed);
    activity::GlideWalk walk(path);
    for (;;) {
        platform::pump().doEvents();
        if (ExitRequested == 1 || ExitEarlyRequested == 1) return false;
        const std::optional<QPoint> next = walk.next(lessonHandTwips_);
        if (!next) break;
        lessonHandTwips_ = *next;
        placeLessonHand();
        killtime(delay);
    }
    if (path.snap) {
        lessonHandTwips_ = *path.snap;
        placeLessonHand();
    }
    return true;
}

void FormAnimation::placeLessonHand() {
    // Fifteen twips make a pixel: the widget moves (and repaints) only when its pixel changes.
    const QPoint pixels(activity::twipsToPixels(lessonHandTwips_.x(), lessonTwipsPerPixel_),
                        activity::twipsToPixels(lessonHandTwips_.y(), lessonTwipsPerPixel_));
    if (PicHandLesson->pos() != pixels) PicHandLesson->move(pixels);
}
