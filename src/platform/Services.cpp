#include "platform/Services.h"

#include <cstdio>
#include <cstdlib>

namespace {
Services g_services;

template <typename T>
T& need(T* p, const char* what) {
    if (p == nullptr) {
        std::fprintf(stderr, "stepwick: the %s service is not installed\n", what);
        std::abort();
    }
    return *p;
}
}  // namespace

namespace platform {

Services& services() { return g_services; }
void installServices(const Services& s) { g_services = s; }

EventPump& pump() { return need(g_services.pump, "event pump"); }
Clock& clock() { return need(g_services.clock, "clock"); }
ScreenMetrics& screen() { return need(g_services.screen, "screen"); }
MessageBoxes& messages() { return need(g_services.messages, "message box"); }
WavePlayer& wavePlayer() { return need(g_services.wave, "wave player"); }
AudioDevices& audioDevices() { return need(g_services.audio, "audio device"); }
Speech& speech() { return need(g_services.speech, "speech"); }
MediaPlayers& mediaPlayers() { return need(g_services.media, "media player"); }
std::unique_ptr<Printer> newPrinter() {
    if (!g_services.newPrinter) {
        std::fprintf(stderr, "stepwick: the printer service is not installed\n");
        std::abort();
    }
    return g_services.newPrinter();
}
Shell& shell() { return need(g_services.shell, "shell"); }
FileSystem& files() { return need(g_services.files, "file system"); }

}  // namespace platform
