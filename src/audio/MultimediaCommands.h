#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class PlaybackDevice;
class WaveRecorder;

// Error codes of a multimedia command; 0 is success. A failing command has no effect.
enum MciError : std::uint32_t {
    MciOk = 0,
    MciUnknownCommand = 1,  // not one of the commands the program uses
    MciNoSuchDevice = 2,    // no device is open under that alias
    MciCannotOpen = 3,      // the file is missing or cannot be decoded, or no recorder
    MciAliasInUse = 4,
    MciUnsupported = 5,   // a command or setting the device cannot do
    MciDeviceFailed = 6,  // the device refused (no microphone, nothing recorded, write failed)
};

// The multimedia command interface: text commands that open, play, poll, record and close
// devices by alias, over the platform's playback devices and recorder.
//
//   close all | close ALIAS
//   open "PATH" alias ALIAS                        a wave file for playback
//   open new type waveaudio alias ALIAS            an empty recording
//   play ALIAS | status ALIAS mode
//   set ALIAS bitspersample 16 | samplespersec 22050 | channels 1
//   record ALIAS | save ALIAS "PATH"
//
// Keywords and aliases ignore case; paths travel between double quotes so they may hold blanks;
// a relative path is taken from the working directory.
class MultimediaCommands {
public:
    MultimediaCommands();
    ~MultimediaCommands();
    MultimediaCommands(const MultimediaCommands&) = delete;
    MultimediaCommands& operator=(const MultimediaCommands&) = delete;

    // Runs one command. reply receives the reply text ("playing") when there is one.
    MciError send(const QString& command, QString* reply = nullptr);

    // Every command sent goes here first (tests read the strings back).
    std::function<void(const QString&)> observer;

    // Aliases of the devices open now.
    int openDeviceCount() const { return static_cast<int>(devices_.size()); }

    // The recording open under that alias, or null: the level meter and the silence check look
    // at it while it is open.
    WaveRecorder* recorder(const QString& alias) const;
    // True when the recording open under that alias was started: its microphone records.
    bool isRecording(const QString& alias) const;

private:
    struct Device;
    MciError run(const QStringList& words, QString* reply);
    MciError open(const QStringList& words);
    MciError close(const QString& alias);

    std::map<QString, std::unique_ptr<Device>> devices_;  // by alias, lower case
};

// The program's one multimedia interface: every window sends its commands here, so "close all"
// closes whatever any of them opened. Made on first use (after the application object) and kept
// in Globvars; resetGlobvars destroys it with its devices.
MultimediaCommands& multimedia();

// Sends a command to multimedia() and ignores any reply.
MciError mciSendString(const QString& command);

// Sends a command with a reply buffer: on success the reply is written at the start of the
// buffer followed by a NUL (cut to fit its length); a failed command leaves the buffer as it was.
MciError mciSendString(const QString& command, QString& replyBuffer);

// The device state in a "status ... mode" reply buffer: the text before its first NUL,
// "unknown" when the buffer starts with NUL, the whole buffer when it holds none.
QString modeFromReply(const QString& replyBuffer);
