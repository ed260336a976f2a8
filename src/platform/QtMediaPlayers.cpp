#include "platform/QtMediaPlayers.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QVideoWidget>
#include <QWidget>

namespace {

class QtMediaPlayer : public MediaPlayer {
public:
    QtMediaPlayer() {
        player_.setAudioOutput(&output_);
        player_.setVideoOutput(video_.data());
        video_->setAccessibleName(QCoreApplication::translate("QtMediaPlayers", "Video"));
        // The picture is only watched: clicks go to whatever lies under it.
        video_->setAttribute(Qt::WA_TransparentForMouseEvents);
        video_->hide();
        // The player keeps its last error across a new source, so the clip's own is kept here.
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, [this](QMediaPlayer::MediaStatus status) {
            if (!playWhenLoaded_ || status == QMediaPlayer::LoadingMedia) return;
            playWhenLoaded_ = false;
            if (status != QMediaPlayer::InvalidMedia && error_.isEmpty()) player_.play();
        });
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, [this](QMediaPlayer::Error error, const QString& why) {
            if (error == QMediaPlayer::NoError || player_.source().isEmpty()) return;
            error_ = why.isEmpty() ? QCoreApplication::translate("QtMediaPlayers", "not a clip this computer can play")
                                   : why;
        });
    }

    ~QtMediaPlayer() override {
        player_.stop();
        player_.setVideoOutput(nullptr);
        delete video_.data();  // gone already if the window that held it was closed first
    }

    Status load(const QString& path) override {
        // Cleared first, so that a clip replaced under the same name is opened anew.
        playWhenLoaded_ = false;
        pausedBeforeLoaded_ = false;
        player_.setSource(QUrl());
        error_.clear();
        if (!QFileInfo(path).isFile())
            return Error{QCoreApplication::translate("QtMediaPlayers", "The clip %1 does not exist.").arg(path)};
        error_.clear();
        player_.setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        return {};
    }

    void play() override {
        pausedBeforeLoaded_ = false;
        if (player_.source().isEmpty() || failed()) return;
        // Asked to play while the clip is still being opened, the player starts once it is open:
        // a file that turns out not to be a clip then never reaches the pipeline's playing
        // state, and stopping such a pipeline would wait a second for it.
        if (player_.mediaStatus() == QMediaPlayer::LoadingMedia) {
            playWhenLoaded_ = true;
            return;
        }
        player_.play();
    }
    void pause() override {
        if (playWhenLoaded_) {
            playWhenLoaded_ = false;
            pausedBeforeLoaded_ = true;
            return;
        }
        player_.pause();
    }
    void stop() override {
        playWhenLoaded_ = false;
        pausedBeforeLoaded_ = false;
        player_.stop();
    }

    State state() override {
        if (failed()) return State::Failed;
        if (playWhenLoaded_) return State::Playing;
        if (pausedBeforeLoaded_) return State::Paused;
        switch (player_.playbackState()) {
            case QMediaPlayer::PlayingState:
                return State::Playing;
            case QMediaPlayer::PausedState:
                return State::Paused;
            default:
                return State::Stopped;
        }
    }

    QString errorString() override {
        if (!failed()) return {};
        return error_.isEmpty() ? QCoreApplication::translate("QtMediaPlayers", "not a clip this computer can play")
                                : error_;
    }

    bool isLoading() override {
        if (playWhenLoaded_) return true;
        if (player_.playbackState() != QMediaPlayer::PlayingState || failed()) return false;
        const QMediaPlayer::MediaStatus status = player_.mediaStatus();
        return status == QMediaPlayer::LoadingMedia || status == QMediaPlayer::StalledMedia ||
               status == QMediaPlayer::NoMedia;
    }

    void setDisplay(QWidget* window, const QRect& rect) override {
        if (!video_) return;
        if (!window) {
            video_->hide();
            return;
        }
        if (video_->parentWidget() != window) video_->setParent(window);
        video_->setGeometry(rect);
        video_->show();
        video_->raise();
    }

private:
    bool failed() const {
        return !player_.source().isEmpty() &&
               (!error_.isEmpty() || player_.mediaStatus() == QMediaPlayer::InvalidMedia);
    }

    QMediaPlayer player_;
    QAudioOutput output_;
    QString error_;  // why the clip now loaded cannot be played
    bool playWhenLoaded_ = false;
    bool pausedBeforeLoaded_ = false;
    // Parentless until shown in a window, which then owns it.
    QPointer<QVideoWidget> video_ = new QVideoWidget;
};

}  // namespace

std::unique_ptr<MediaPlayer> QtMediaPlayers::create() { return std::make_unique<QtMediaPlayer>(); }
