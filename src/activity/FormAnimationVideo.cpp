// The task's video clip (a story in the Larkin edition) on the television panel: before a task
// and from the video button, with pause, play, rewind and skip below the screen.

#include <QCoreApplication>

#include "activity/ActivityFiles.h"
#include "activity/ActivityWidgets.h"
#include "activity/FormAnimation.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "audio/Sound.h"
#include "core/TextFormat.h"
#include "library/PathHelpers.h"
#include "platform/Services.h"

namespace {

// The panel is the television picture's size; its screen is the player's 640 x 480.
const QSize kTelevisionSize(800, 600);
const QSize kPlayerSize(640, 480);
const QSize kTvButtonSize(110, 40);
constexpr int kTvButtonTop = 550;  // below the screen
constexpr int kTvButtonGap = 20;

bool fileExists(const QString& path) { return !path.isEmpty() && platform::files().exists(path); }

}  // namespace

void FormAnimation::createTelevision() {
    PicTV->resize(kTelevisionSize);
    PicTV->setAccessibleName(tr("Television"));
    ImTV = new PictureBox(PicTV, QStringLiteral("ImTV"));
    ImTV->setGeometry(QRect(QPoint(0, 0), kTelevisionSize));
    PicTvPause = new PictureButton(PicTV, QStringLiteral("PicTvPause"), tr("Pause"));
    PicTvPlay = new PictureButton(PicTV, QStringLiteral("PicTvPlay"), tr("Play"));
    PicTvRewind = new PictureButton(PicTV, QStringLiteral("PicTvRewind"), tr("Rewind"));
    PicTvSkip = new PictureButton(PicTV, QStringLiteral("PicTvSkip"), tr("Skip"));
    // Three places centred under the screen: pause (or play), rewind, skip.
    const int row = 3 * kTvButtonSize.width() + 2 * kTvButtonGap;
    const int first = (kTelevisionSize.width() - kPlayerSize.width()) / 2 - 40 + (kPlayerSize.width() - row) / 2;
    int left = first;
    for (PictureButton* b : {PicTvPause, PicTvRewind, PicTvSkip}) {
        b->setGeometry(QRect(QPoint(left, kTvButtonTop), kTvButtonSize));
        left += kTvButtonSize.width() + kTvButtonGap;
    }
    PicTvPlay->setGeometry(PicTvPause->geometry());
    for (PictureButton* b : {PicTvPause, PicTvPlay, PicTvRewind, PicTvSkip}) b->hide();
    connect(PicTvPause, &QAbstractButton::clicked, this, &FormAnimation::PicTvPause_Click);
    connect(PicTvPlay, &QAbstractButton::clicked, this, &FormAnimation::PicTvPlay_Click);
    connect(PicTvRewind, &QAbstractButton::clicked, this, &FormAnimation::PicTvRewind_Click);
    connect(PicTvSkip, &QAbstractButton::clicked, this, &FormAnimation::PicTvSkip_Click);
}

MediaPlayer& FormAnimation::MP1() {
    if (!player_) player_ = platform::mediaPlayers().create();
    return *player_;
}

bool FormAnimation::clipExists() const {
    return !isNone(Task.TaskVideoFile) && fileExists(insertPath(Task.TaskVideoFile));
}

void FormAnimation::playVideoBeforeTask() {
    ExitEarlyRequested = 0;
    // Without a clip nothing at all is shown before the task, not even the announcement.
    if (!clipExists()) {
        if (player_) MP1().setDisplay(nullptr, {});
        return;
    }
    resetBoard();
    PicPlayLesson->hide();
    PicPlayVideo->hide();
    VideoPaused = 0;
    const QSize screen = platform::screen().sizePixels();
    PicExitEarly->move(screen.width() - PicExitEarly->width(), 0);
    PicExitEarly->show();
    PicExitEarly->raise();
    PicExit->hide();
    setGeometry(QRect(QPoint(0, 0), screen));
    LabelTaskTitle->setGeometry(0, 0, screen.width(), LabelTaskTitle->height());
    LabelTaskTitle->setCaption(escapeAmpersands(Task.TaskTitle));
    LabelTaskTitle->show();
    stopWave();

    show();
    platform::pump().doEvents();
    showClip(true);

    PicExitEarly->hide();
    platform::pump().doEvents();
}

void FormAnimation::PicPlayVideo_Click() {
    // Played inside whatever wait of the task is running: the buttons and the sentence flag
    // come back as they were.
    const bool exitShown = !PicExit->isHidden();
    const bool reviewShown = !PicPlayLesson->isHidden();
    const bool videoShown = !PicPlayVideo->isHidden();
    const std::int16_t waitingBefore = WaitingForSound;
    PicPlayLesson->hide();
    PicPlayVideo->hide();
    PicExit->hide();
    stopWave();
    if (clipExists()) {
        VideoPaused = 0;
        showClip(false);
        platform::pump().doEvents();
    } else if (player_) {
        MP1().setDisplay(nullptr, {});
    }
    PicExit->setVisible(exitShown);
    PicPlayLesson->setVisible(reviewShown);
    PicPlayVideo->setVisible(videoShown);
    WaitingForSound = waitingBefore;
}

void FormAnimation::showClip(bool beforeTask) {
    const QSize screen = platform::screen().sizePixels();
    PicTV->move(roundToInt16((screen.width() - PicTV->width()) / 2.0),
                roundToInt16((screen.height() - PicTV->height()) / 2.0));
    for (PictureButton* b : {PicTvPause, PicTvPlay, PicTvRewind, PicTvSkip}) b->hide();
    PicTvPlay->move(PicTvPause->pos());
    QString why;
    ImTV->setPicture(pictures_.at(insertPath(activity::files::kTelevision), ImTV->size(), &why));
    ImTV->show();
    PicTV->show();
    PicTV->raise();

    announceClip();
    if (beforeTask && ExitEarlyRequested == 1) {
        PicTV->hide();
        return;
    }

    ImTV->hide();
    const QRect screenArea((PicTV->width() - kPlayerSize.width()) / 2 - 40,
                           (PicTV->height() - kPlayerSize.height()) / 2, kPlayerSize.width(), kPlayerSize.height());
    clipPath_ = insertPath(Task.TaskVideoFile);
    MediaPlayer& player = MP1();
    const Status loaded = player.load(clipPath_);
    if (!loaded) qWarning("%s", qPrintable(loaded.error()));
    player.setDisplay(PicTV, screenArea);

    VideoSkipped = 0;
    if (loaded) {
        player.play();
        PicTvPause->show();
        PicTvRewind->show();
        PicTvSkip->show();
        PicTvPlay->hide();
        for (PictureButton* b : {PicTvPause, PicTvRewind, PicTvSkip}) b->raise();
        // The picture boxes take no clicks while the clip plays.
        WaitingForSound = 1;
        waitForClip(beforeTask);
        WaitingForSound = 0;
    }

    player.stop();
    player.setDisplay(nullptr, {});
    for (PictureButton* b : {PicTvPause, PicTvPlay, PicTvRewind, PicTvSkip}) b->hide();
    if (beforeTask) sound.sequence_wave_start_sync(insertPath(activity::files::kSilenceOneSecond));
    PicTV->hide();
}

void FormAnimation::announceClip() {
    stopWave();
    const QString announcement = insertPath(activity::files::kVideoAnnouncement);
    if (Edition != 1) {
        sound.sequence_wave_start_sync(announcement);
        return;
    }
    const QString intro = insertPath(Task.TaskIntroFile);
    if (isNone(Task.TaskIntroFile) || !fileExists(intro)) return;
    sound.sequence_wave_start_sync(announcement);
    if (ExitEarlyRequested == 1) return;
    sound.sequence_wave_start_sync(intro);
}

void FormAnimation::waitForClip(bool beforeTask) {
    using State = MediaPlayer::State;
    MediaPlayer& player = MP1();
    double loadingSince = -1.0;
    for (;;) {
        if (VideoSkipped == 1 || leaving_) return;
        if (beforeTask && ExitEarlyRequested == 1) return;
        const State state = player.state();
        if (state == State::Failed) {
            // Nothing for the student to see: the task goes on as after the clip's end.
            qWarning("The clip %s cannot be played: %s", qPrintable(clipPath_), qPrintable(player.errorString()));
            return;
        }
        if (state == State::Playing && player.isLoading()) {
            const double now = platform::clock().monotonicSeconds();
            if (loadingSince < 0.0) loadingSince = now;
            if (now - loadingSince >= kClipLoadTimeoutSeconds) {
                qWarning("The clip %s did not start playing within %g seconds; it is left out.", qPrintable(clipPath_),
                         kClipLoadTimeoutSeconds);
                return;
            }
        } else {
            loadingSince = -1.0;
        }
        if (state != State::Playing && VideoPaused != 1) return;
        platform::pump().waitEvents();
    }
}

void FormAnimation::PicTvPause_Click() {
    VideoPaused = 1;
    MP1().pause();
    PicTvPause->hide();
    PicTvPlay->show();
}

void FormAnimation::PicTvPlay_Click() {
    MP1().play();
    VideoPaused = 0;
    PicTvPause->show();
    PicTvPlay->hide();
}

void FormAnimation::PicTvRewind_Click() {
    // Loading the clip again starts it from its beginning.
    MediaPlayer& player = MP1();
    const Status loaded = player.load(clipPath_);
    if (!loaded) qWarning("%s", qPrintable(loaded.error()));
    player.play();
    VideoPaused = 0;
    PicTvPause->show();
    PicTvPlay->hide();
}

void FormAnimation::PicTvSkip_Click() { VideoSkipped = 1; }
