#include "platform/EspeakSynth.h"

#include <espeak-ng/speak_lib.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <cerrno>
#include <csignal>
#include <cstring>

// The synthesizer keeps state from one utterance to the next (the phase of its pitch flutter,
// its gain control, where the last wave cycle ended), so speaking the same text twice in one
// process gives slightly different samples. It also switches the process's character locale when
// it starts. Each text is therefore synthesized in a short-lived child process that starts the
// engine fresh: the same text always gives the same samples, and the program's own state is
// never touched. Starting the engine takes a few milliseconds.

namespace {

enum ChildExit { kChildOk = 0, kNoData = 2, kNoVoice = 3, kSynthFailed = 4, kWriteFailed = 5 };

int outputFd = -1;  // in the child only

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

int streamSamples(short* wav, int count, espeak_EVENT* /*events*/) {
    if (!wav || count <= 0) return 0;
    // A non-zero answer asks the engine to stop: the parent has gone away.
    return writeAll(outputFd, reinterpret_cast<const char*>(wav), static_cast<size_t>(count) * sizeof(short)) ? 0 : 1;
}

struct ChildRequest {
    QByteArray text;
    QByteArray language;
    int wordsPerMinute;
    int pitch;
};

// Runs in the child: only the engine and plain system calls, no Qt.
[[noreturn]] void synthesizeInChild(const ChildRequest& request, int fd) {
    outputFd = fd;
    // A null path lets the library use the data folder it was built with (espeak-ng-data).
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) <= 0) _exit(kNoData);
    espeak_SetSynthCallback(streamSamples);
    if (espeak_SetVoiceByName(request.language.constData()) != EE_OK) {
        // Not a voice name: take the best voice for the language ("en" finds an English one).
        // Asking by properties instead would fall back to a default voice without a word.
        espeak_VOICE wanted{};
        wanted.languages = request.language.constData();
        const espeak_VOICE** matches = espeak_ListVoices(&wanted);
        if (!matches || !matches[0] || espeak_SetVoiceByName(matches[0]->name) != EE_OK) _exit(kNoVoice);
    }
    espeak_SetParameter(espeakRATE, request.wordsPerMinute, 0);
    espeak_SetParameter(espeakPITCH, request.pitch, 0);
    const espeak_ERROR result = espeak_Synth(request.text.constData(), static_cast<size_t>(request.text.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    if (result != EE_OK || espeak_Synchronize() != EE_OK) _exit(kSynthFailed);
    _exit(kChildOk);
}

QString childFailure(int status, const QString& language) {
    if (!WIFEXITED(status)) return QStringLiteral("The speech synthesizer stopped unexpectedly.");
    switch (WEXITSTATUS(status)) {
        case kNoData:
            return QStringLiteral("The speech synthesizer cannot start: its data (espeak-ng-data) was not found.");
        case kNoVoice:
            return QStringLiteral("The speech synthesizer has no voice for \"%1\".").arg(language);
        default:
            return QStringLiteral("The speech synthesizer could not speak the text.");
    }
}

// Reads the child's samples until it closes the pipe, or gives up after the time limit.
bool readSamples(int fd, pid_t child, std::vector<std::int16_t>& samples) {
    constexpr int kLimitMs = 30000;
    QElapsedTimer elapsed;
    elapsed.start();
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const auto left = static_cast<int>(kLimitMs - elapsed.elapsed());
        pollfd p{fd, POLLIN, 0};
        const int ready = left > 0 ? ::poll(&p, 1, left) : 0;
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            ::kill(child, SIGKILL);
            return false;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::kill(child, SIGKILL);
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    samples.resize(static_cast<size_t>(bytes.size()) / sizeof(std::int16_t));
    if (!samples.empty()) std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(std::int16_t));
    return true;
}

int waitForChild(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace

Result<PcmAudio> synthesizeSpeech(const QString& text, const SpeechVoice& voice) {
    // Everything the child needs is prepared before the fork.
    const ChildRequest request{text.toUtf8(), voice.language.toUtf8(), voice.wordsPerMinute, voice.pitch};
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return Error{QStringLiteral("The speech synthesizer cannot start.")};
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return Error{QStringLiteral("The speech synthesizer cannot start.")};
    }
    if (child == 0) {
        ::close(fds[0]);
        synthesizeInChild(request, fds[1]);
    }
    ::close(fds[1]);
    PcmAudio out;
    out.sampleRate = 22050;
    out.channels = 1;
    const bool complete = readSamples(fds[0], child, out.samples);
    ::close(fds[0]);
    const int status = waitForChild(child);
    if (!complete) return Error{QStringLiteral("The speech synthesizer did not finish in time.")};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != kChildOk) return Error{childFailure(status, voice.language)};
    return out;
}
