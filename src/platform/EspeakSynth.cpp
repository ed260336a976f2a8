#include "platform/EspeakSynth.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <optional>

// The engine keeps state from one utterance to the next (the phase of its pitch flutter, its gain
// control, where the last wave cycle ended), so speaking the same text twice with one engine gives
// different samples; it cannot be set back (starting it a second time in one process hangs it),
// and starting it switches the process's character locale. So every text is spoken by a fresh
// helper process, stepwick-speak, that reads the text and writes the samples. posix_spawn starts
// it without running any code of this process in the child, which is what makes that safe in a
// process full of threads (Qt's, the media framework's) that may hold locks at that moment.

namespace {

// Exit codes of stepwick-speak, and the ones the system gives a program it cannot run (a library
// missing: the dynamic loader exits with 127).
enum HelperExit { kHelperOk = 0, kNoData = 2, kNoVoice = 3, kNotRunnable = 126, kNoLibrary = 127 };

const QString kHelperName = QStringLiteral("stepwick-speak");

QString cannotStart(const QString& why) { return QStringLiteral("The speech synthesizer cannot start: %1").arg(why); }

QString helperFailure(int status, const QString& language) {
    if (!WIFEXITED(status)) return QStringLiteral("The speech synthesizer stopped unexpectedly.");
    switch (WEXITSTATUS(status)) {
        case kNoData:
            return cannotStart(QStringLiteral("its data (espeak-ng-data) was not found."));
        case kNoVoice:
            return QStringLiteral("The speech synthesizer has no voice for \"%1\".").arg(language);
        case kNoLibrary:
        case kNotRunnable:
            return cannotStart(QStringLiteral("a library it needs (libespeak-ng) is missing."));
        default:
            return QStringLiteral("The speech synthesizer could not speak the text.");
    }
}

// The helper's own end of the socket becomes its standard input and output; its error output is
// not wanted, and no other descriptor of this process goes with it.
class SpawnSetup {
public:
    explicit SpawnSetup(int helperEnd) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_adddup2(&actions_, helperEnd, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions_, helperEnd, STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
        // Signals as a fresh program has them, whatever this thread blocks or ignores.
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSetup() {
        posix_spawnattr_destroy(&attributes_);
        posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// Sends the text, then reads samples until the helper closes its end. False when the time is up
// first. A helper that fails on the way closes its end early; its exit status says why.
bool exchange(int fd, const QByteArray& text, const QElapsedTimer& elapsed, int limitMs, QByteArray& output) {
    qsizetype sent = 0;
    bool sending = true;
    char buffer[65536];
    for (;;) {
        if (sending && sent == text.size()) {
            ::shutdown(fd, SHUT_WR);  // the end of the text
            sending = false;
        }
        const qint64 left = limitMs - elapsed.elapsed();
        if (left <= 0) return false;
        pollfd p{fd, static_cast<short>(POLLIN | (sending ? POLLOUT : 0)), 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        if (sending && (p.revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = ::send(fd, text.constData() + sent, static_cast<size_t>(text.size() - sent),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n >= 0) {
                sent += n;
            } else if (errno != EINTR && errno != EAGAIN) {
                sending = false;  // the helper has gone: read what it left
            }
        }
        if (p.revents & (POLLIN | POLLERR | POLLHUP)) {
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n > 0) {
                output.append(buffer, n);
            } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
                return true;
            }
        }
    }
}

// The helper's exit status, or none when it was still running when the time was up (it is ended
// then) or cannot be had.
std::optional<int> waitForExit(pid_t helper, const QElapsedTimer& elapsed, int limitMs) {
    int status = 0;
    for (;;) {
        const pid_t r = ::waitpid(helper, &status, WNOHANG);
        if (r == helper) return status;
        if (r < 0 && errno != EINTR) return std::nullopt;
        if (elapsed.elapsed() >= limitMs) break;
        // It has closed its output and is on its way out: this is rarely more than one turn.
        const timespec pause{0, 2'000'000};
        ::nanosleep(&pause, nullptr);
    }
    ::kill(helper, SIGKILL);
    while (::waitpid(helper, &status, 0) < 0 && errno == EINTR) {
    }
    return std::nullopt;
}

}  // namespace

SpeechHelper defaultSpeechHelper() {
    const QDir folder = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absoluteDir();
    const QString beside = folder.filePath(kHelperName);
    const QString buildTree = QDir::cleanPath(folder.filePath(QStringLiteral("../bin/") + kHelperName));
    return SpeechHelper{QFileInfo(beside).isExecutable() || !QFileInfo(buildTree).isExecutable() ? beside : buildTree};
}

Result<PcmAudio> synthesizeSpeech(const QString& text, const SpeechVoice& voice) {
    return synthesizeSpeech(text, voice, defaultSpeechHelper());
}

namespace {

// One run of the helper: the samples it wrote and how it ended.
struct HelperRun {
    QString startError;         // set when the helper could not be started
    bool inTime = false;        // it closed its output and ended within the time limit
    std::optional<int> status;  // its wait status once it has ended
    QByteArray bytes;
};

HelperRun runHelper(const QString& text, const SpeechVoice& voice, const SpeechHelper& helper) {
    HelperRun run;
    QByteArray program = QFile::encodeName(helper.program);
    QByteArray language = voice.language.toUtf8();
    QByteArray rate = QByteArray::number(voice.wordsPerMinute);
    QByteArray pitch = QByteArray::number(voice.pitch);
    QByteArray voiceOption("--voice"), rateOption("--rate"), pitchOption("--pitch");
    char* const arguments[] = {program.data(), voiceOption.data(), language.data(), rateOption.data(),
                               rate.data(),    pitchOption.data(), pitch.data(),    nullptr};

    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        run.startError = cannotStart(qt_error_string(errno));
        return run;
    }
    Descriptor mine(ends[0]);
    Descriptor helpers(ends[1]);
    pid_t child = -1;
    {
        const SpawnSetup setup(helpers.get());
        const int failed =
            ::posix_spawn(&child, program.constData(), setup.actions(), setup.attributes(), arguments, environ);
        if (failed == ENOENT) {
            run.startError = cannotStart(QStringLiteral("%1 was not found.").arg(helper.program));
            return run;
        }
        if (failed != 0) {
            run.startError = cannotStart(QStringLiteral("%1: %2").arg(helper.program, qt_error_string(failed)));
            return run;
        }
    }
    helpers.reset();  // only the helper holds its end now, so its exit is the end of the samples

    QElapsedTimer elapsed;
    elapsed.start();
    const bool complete = exchange(mine.get(), text.toUtf8(), elapsed, helper.limitMs, run.bytes);
    mine.reset();
    run.status = waitForExit(child, elapsed, complete ? helper.limitMs : 0);
    run.inTime = complete && run.status.has_value();
    return run;
}

bool endedWell(const HelperRun& run) {
    return run.inTime && WIFEXITED(*run.status) && WEXITSTATUS(*run.status) == kHelperOk;
}

}  // namespace

Result<PcmAudio> synthesizeSpeech(const QString& text, const SpeechVoice& voice, const SpeechHelper& helper) {
    const HelperRun run = runHelper(text, voice, helper);
    if (!run.startError.isEmpty()) return Error{run.startError};
    if (!run.inTime) return Error{QStringLiteral("The speech synthesizer did not finish in time.")};
    if (!endedWell(run)) return Error{helperFailure(*run.status, voice.language)};

    PcmAudio out;
    out.sampleRate = 22050;
    out.channels = 1;
    out.samples.resize(static_cast<size_t>(run.bytes.size()) / sizeof(std::int16_t));
    if (!out.samples.empty())
        std::memcpy(out.samples.data(), run.bytes.constData(), out.samples.size() * sizeof(std::int16_t));
    return out;
}

SpeechEngineCheck checkSpeechEngine(const SpeechVoice& voice, const SpeechHelper& helper) {
    using Problem = SpeechEngineCheck::Problem;
    const HelperRun run = runHelper(QStringLiteral("test"), voice, helper);
    if (!run.startError.isEmpty()) return {Problem::HelperMissing, run.startError};
    if (!run.inTime) return {Problem::Failed, QStringLiteral("The speech synthesizer did not finish in time.")};
    if (endedWell(run)) {
        if (run.bytes.isEmpty()) return {Problem::Failed, QStringLiteral("The speech synthesizer gave no sound.")};
        return {};
    }
    const QString message = helperFailure(*run.status, voice.language);
    if (WIFEXITED(*run.status)) {
        switch (WEXITSTATUS(*run.status)) {
            case kNoData:
            case kNoLibrary:
            case kNotRunnable:
                return {Problem::EngineMissing, message};
            case kNoVoice:
                return {Problem::NoVoice, message};
            default:
                break;
        }
    }
    return {Problem::Failed, message};
}
