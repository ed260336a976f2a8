#pragma once

#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/PlaybackDevice.h"
#include "platform/Printer.h"
#include "platform/ScreenMetrics.h"
#include "platform/Shell.h"
#include "platform/Speech.h"
#include "platform/WavePlayer.h"

#include <functional>
#include <memory>

// The process-wide registry of platform services. main() installs the real ones; a test
// installs doubles. Everything outside src/platform reaches the platform only through these.
struct Services {
    EventPump* pump = nullptr;
    Clock* clock = nullptr;
    ScreenMetrics* screen = nullptr;
    MessageBoxes* messages = nullptr;
    WavePlayer* wave = nullptr;
    AudioDevices* audio = nullptr;
    Speech* speech = nullptr;
    MediaPlayers* media = nullptr;
    // Printers are made per document; the factory stands here.
    std::function<std::unique_ptr<Printer>()> newPrinter;
    Shell* shell = nullptr;
    FileSystem* files = nullptr;
};

namespace platform {

// The installed services. Aborts with a clear message if one is asked for before it is installed.
Services& services();
void installServices(const Services& s);

EventPump& pump();
Clock& clock();
ScreenMetrics& screen();
MessageBoxes& messages();
WavePlayer& wavePlayer();
AudioDevices& audioDevices();
Speech& speech();
MediaPlayers& mediaPlayers();
std::unique_ptr<Printer> newPrinter();
Shell& shell();
FileSystem& files();

}  // namespace platform

// Owns the real implementations for the life of the program (needs a QApplication).
class RealServices {
public:
    // printFolder: where documents go as PDF when no printer is set up.
    explicit RealServices(const QString& printFolder);
    ~RealServices();
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    const Services& services() const { return services_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Services services_;
};
