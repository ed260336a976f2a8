#include "audio/MultimediaCommands.h"

#include "app/Globvars.h"
#include "audio/MediaPath.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QStringList>

// An open device: a wave file for playback or a recording, never both.
struct MultimediaCommands::Device {
    std::unique_ptr<PlaybackDevice> playback;
    std::unique_ptr<WaveRecorder> recorder;
    bool recording = false;

    ~Device() {
        if (playback) playback->stop();
        if (recorder) recorder->close();
    }
};

namespace {

// Splits a command at blanks; a word in double quotes may hold blanks and keeps its quotes, so
// that a quoted path is never taken for a keyword.
QStringList splitCommand(const QString& command) {
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = command.size();
    while (i < n) {
        if (command[i].isSpace()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        if (command[i] == u'"') {
            const qsizetype close = command.indexOf(u'"', i + 1);
            i = close < 0 ? n : close + 1;
        } else {
            while (i < n && !command[i].isSpace()) ++i;
        }
        words.append(command.mid(start, i - start));
    }
    return words;
}

QString unquoted(const QString& word) {
    QString text = word;
    if (text.startsWith(u'"')) text.remove(0, 1);
    if (text.endsWith(u'"')) text.chop(1);
    return text;
}

bool is(const QString& word, const char16_t* keyword) {
    return word.compare(QStringView(keyword), Qt::CaseInsensitive) == 0;
}

QString aliasKey(const QString& word) { return word.toLower(); }

MciError setRecordingFormat(const QStringList& words) {
    // The recorder always saves 16-bit, 22050 Hz, mono; those are the only settings it takes.
    if (words.size() != 4) return MciUnknownCommand;
    const QString& item = words[2];
    const QString& value = words[3];
    if (is(item, u"bitspersample")) return value == QStringView(u"16") ? MciOk : MciUnsupported;
    if (is(item, u"samplespersec")) return value == QStringView(u"22050") ? MciOk : MciUnsupported;
    if (is(item, u"channels")) return value == QStringView(u"1") ? MciOk : MciUnsupported;
    return MciUnknownCommand;
}

}  // namespace

MultimediaCommands::MultimediaCommands() = default;
MultimediaCommands::~MultimediaCommands() = default;

MciError MultimediaCommands::send(const QString& command, QString* reply) {
    if (observer) observer(command);
    return run(splitCommand(command), reply);
}

MciError MultimediaCommands::run(const QStringList& words, QString* reply) {
    if (words.size() < 2) return MciUnknownCommand;
    const QString& verb = words[0];
    if (is(verb, u"open")) return open(words);
    if (is(verb, u"close")) return words.size() == 2 ? close(words[1]) : MciUnknownCommand;

    const bool knownVerb =
        is(verb, u"play") || is(verb, u"status") || is(verb, u"set") || is(verb, u"record") || is(verb, u"save");
    if (!knownVerb) return MciUnknownCommand;
    const auto found = devices_.find(aliasKey(words[1]));
    if (found == devices_.end()) return MciNoSuchDevice;
    Device& device = *found->second;

    if (is(verb, u"status")) {
        if (words.size() != 3 || !is(words[2], u"mode")) return MciUnknownCommand;
        QString mode;
        if (device.playback)
            mode = device.playback->mode();
        else
            mode = device.recording ? QStringLiteral("recording") : QStringLiteral("stopped");
        if (reply != nullptr) *reply = mode;
        return MciOk;
    }
    if (is(verb, u"play")) {
        if (words.size() != 2) return MciUnknownCommand;
        if (!device.playback) return MciUnsupported;
        device.playback->play();
        return MciOk;
    }
    if (!device.recorder) return MciUnsupported;  // the rest is for recordings only
    if (is(verb, u"set")) return setRecordingFormat(words);
    if (is(verb, u"record")) {
        if (words.size() != 2) return MciUnknownCommand;
        device.recording = device.recorder->start().ok();
        return device.recording ? MciOk : MciDeviceFailed;
    }
    // save ALIAS "PATH"
    if (words.size() != 3) return MciUnknownCommand;
    const QString path = absoluteMediaPath(unquoted(words[2]));
    if (path.isEmpty()) return MciCannotOpen;
    return device.recorder->save(path).ok() ? MciOk : MciDeviceFailed;
}

MciError MultimediaCommands::open(const QStringList& words) {
    const bool newRecording = words.size() == 6 && is(words[1], u"new") && is(words[2], u"type") &&
                              is(words[3], u"waveaudio") && is(words[4], u"alias");
    const bool waveFile = words.size() == 4 && is(words[2], u"alias");
    if (!newRecording && !waveFile) return MciUnknownCommand;

    const QString alias = aliasKey(words.last());
    if (is(alias, u"all")) return MciUnknownCommand;
    if (devices_.count(alias) != 0) return MciAliasInUse;

    auto device = std::make_unique<Device>();
    if (newRecording) {
        device->recorder = platform::audioDevices().openRecorder();
        if (!device->recorder) return MciCannotOpen;
    } else {
        const QString path = absoluteMediaPath(unquoted(words[1]));
        if (path.isEmpty()) return MciCannotOpen;
        device->playback = platform::audioDevices().openPlayback(path);
        if (!device->playback) return MciCannotOpen;
    }
    devices_.emplace(alias, std::move(device));
    return MciOk;
}

MciError MultimediaCommands::close(const QString& alias) {
    if (is(alias, u"all")) {
        devices_.clear();
        return MciOk;
    }
    return devices_.erase(aliasKey(alias)) != 0 ? MciOk : MciNoSuchDevice;
}

WaveRecorder* MultimediaCommands::recorder(const QString& alias) const {
    const auto found = devices_.find(aliasKey(alias));
    return found == devices_.end() ? nullptr : found->second->recorder.get();
}

bool MultimediaCommands::isRecording(const QString& alias) const {
    const auto found = devices_.find(aliasKey(alias));
    return found != devices_.end() && found->second->recording;
}

MultimediaCommands& multimedia() {
    // Its devices are Qt Multimedia objects: made only while the application object exists.
    Q_ASSERT(QCoreApplication::instance() != nullptr);
    if (!MultimediaInterpreter) MultimediaInterpreter = std::make_shared<MultimediaCommands>();
    return *MultimediaInterpreter;
}

MciError mciSendString(const QString& command) { return multimedia().send(command); }

MciError mciSendString(const QString& command, QString& replyBuffer) {
    QString reply;
    const MciError error = multimedia().send(command, &reply);
    if (error != MciOk || replyBuffer.isEmpty()) return error;
    const qsizetype room = replyBuffer.size() - 1;  // one place for the NUL
    const QString text = reply.left(room);
    replyBuffer.replace(0, text.size(), text);
    replyBuffer[text.size()] = QChar(u'\0');
    return error;
}

QString modeFromReply(const QString& replyBuffer) {
    const qsizetype nul = replyBuffer.indexOf(QChar(u'\0'));
    if (nul == 0) return QStringLiteral("unknown");
    return nul < 0 ? replyBuffer : replyBuffer.left(nul);
}
