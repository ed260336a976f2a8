#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/EspeakSynth.h"
#include "platform/SoundChannel.h"
#include "platform/Speech.h"

// Text to speech over espeak-ng. The text is synthesized on a worker thread (a long text takes a
// moment) and the result is played through the same audio output as the wave files.
class EspeakSpeech : public Speech {
public:
    explicit EspeakSpeech(SpeechVoice voice = {});
    ~EspeakSpeech() override;

    void speak(const QString& text) override;
    void stop() override;
    bool isSpeaking() override;
    SpeechEngineCheck checkEngine() override;

private:
    struct Job {
        unsigned id = 0;
        QString text;
    };

    void work();
    void deliver(unsigned id, const Result<PcmAudio>& audio);
    SoundChannel& channel();

    SpeechVoice voice_;
    QTemporaryDir folder_;
    std::unique_ptr<SoundChannel> channel_;
    QString lastFile_;     // the previous text's sound, removed once the next one plays
    unsigned latest_ = 0;  // the text being spoken now; earlier ones are dropped on arrival
    bool synthesizing_ = false;

    // Results come back to the GUI thread through queued calls on this object; calls still
    // queued when the speech is destroyed go with it.
    QObject receiver_;

    std::mutex lock_;
    std::condition_variable wake_;
    std::optional<Job> pending_;  // only the newest text waits; older ones are no longer wanted
    bool quit_ = false;
    std::thread worker_;  // last: started after everything it uses, joined first
};
