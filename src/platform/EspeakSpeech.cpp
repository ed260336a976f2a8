#include "platform/EspeakSpeech.h"

#include <QDir>

EspeakSpeech::EspeakSpeech(SpeechVoice voice) : voice_(std::move(voice)), worker_([this] { work(); }) {}

EspeakSpeech::~EspeakSpeech() {
    {
        const std::lock_guard guard(lock_);
        quit_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

SoundChannel& EspeakSpeech::channel() {
    if (!channel_) channel_ = std::make_unique<SoundChannel>();
    return *channel_;
}

void EspeakSpeech::speak(const QString& text) {
    stop();
    const unsigned id = ++latest_;
    synthesizing_ = true;
    {
        const std::lock_guard guard(lock_);
        pending_ = Job{id, text};
    }
    wake_.notify_one();
}

void EspeakSpeech::stop() {
    ++latest_;  // a synthesis still running is dropped when it arrives
    synthesizing_ = false;
    if (channel_) channel_->stop();
}

SpeechEngineCheck EspeakSpeech::checkEngine() { return checkSpeechEngine(voice_); }

bool EspeakSpeech::isSpeaking() { return synthesizing_ || (channel_ && channel_->isPlaying()); }

void EspeakSpeech::work() {
    for (;;) {
        Job job;
        {
            std::unique_lock guard(lock_);
            wake_.wait(guard, [this] { return quit_ || pending_.has_value(); });
            if (quit_) return;
            job = std::move(*pending_);
            pending_.reset();
        }
        auto audio = synthesizeSpeech(job.text, voice_);
        QMetaObject::invokeMethod(
            &receiver_, [this, id = job.id, audio = std::move(audio)] { deliver(id, audio); }, Qt::QueuedConnection);
    }
}

void EspeakSpeech::deliver(unsigned id, const Result<PcmAudio>& audio) {
    if (id != latest_) return;  // stopped, or another text was asked for meanwhile
    synthesizing_ = false;
    // Errors of the synthesizer are not the student's concern: the speech is simply not heard.
    if (!audio || !folder_.isValid()) return;
    // A new file for each text: the player may still hold the previous one open.
    const QString path = QDir(folder_.path()).filePath(QStringLiteral("speech-%1.wav").arg(id));
    if (!writeWav(path, *audio)) return;
    channel().start(path, false);
    if (!lastFile_.isEmpty()) QFile::remove(lastFile_);
    lastFile_ = path;
}
