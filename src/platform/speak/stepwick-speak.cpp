// stepwick-speak: speaks the text on standard input into raw samples on standard output
// (22050 Hz, mono, signed 16-bit in the machine's byte order), then exits.
//
//   stepwick-speak [--voice NAME] [--rate WORDS_PER_MINUTE] [--pitch 0..99] < text > samples
//
// The program runs one of these for every text. A fresh engine for each text is what makes the
// same text give the same samples every time (the engine carries state from one utterance to the
// next), and the engine's locale switch and its memory stay out of the program. Plain C++ and
// espeak-ng only, so that it starts in a few milliseconds.

#include <espeak-ng/speak_lib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Exit codes the synthesizer in the program turns into messages.
enum Exit { kOk = 0, kNoData = 2, kNoVoice = 3, kSynthFailed = 4, kWriteFailed = 5, kUsage = 64 };

constexpr int kSampleRate = 22050;

bool writeFailed = false;

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
    if (!writeAll(STDOUT_FILENO, reinterpret_cast<const char*>(wav), static_cast<size_t>(count) * sizeof(short))) {
        writeFailed = true;
        return 1;  // asks the engine to stop: nobody is reading any more
    }
    return 0;
}

bool readAll(int fd, std::string& text) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        text.append(buffer, static_cast<size_t>(n));
    }
}

// The engine itself keeps rate and pitch within what it can do.
bool parseNumber(const char* text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < 0 || v > 10000) return false;
    value = static_cast<int>(v);
    return true;
}

bool selectVoice(const char* name) {
    if (espeak_SetVoiceByName(name) == EE_OK) return true;
    // Not a voice name: take the best voice for the language ("en" finds an English one).
    // Asking by properties instead would fall back to a default voice without a word.
    espeak_VOICE wanted{};
    wanted.languages = name;
    const espeak_VOICE** matches = espeak_ListVoices(&wanted);
    return matches && matches[0] && espeak_SetVoiceByName(matches[0]->name) == EE_OK;
}

}  // namespace

int main(int argc, char** argv) {
    const char* voice = "en-us";
    int rate = 150;
    int pitch = 50;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--voice") == 0 && hasValue) {
            voice = argv[++i];
        } else if (std::strcmp(argv[i], "--rate") == 0 && hasValue) {
            if (!parseNumber(argv[++i], rate)) return kUsage;
        } else if (std::strcmp(argv[i], "--pitch") == 0 && hasValue) {
            if (!parseNumber(argv[++i], pitch)) return kUsage;
        } else {
            return kUsage;
        }
    }
    std::string text;
    if (!readAll(STDIN_FILENO, text)) return kUsage;

    // A null path lets the library use the data folder it was built with (espeak-ng-data).
    const int sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (sampleRate <= 0) return kNoData;
    if (sampleRate != kSampleRate) return kSynthFailed;
    espeak_SetSynthCallback(streamSamples);
    if (!selectVoice(voice)) return kNoVoice;
    espeak_SetParameter(espeakRATE, rate, 0);
    espeak_SetParameter(espeakPITCH, pitch, 0);
    const espeak_ERROR result =
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    if (result != EE_OK || espeak_Synchronize() != EE_OK) return writeFailed ? kWriteFailed : kSynthFailed;
    if (writeFailed) return kWriteFailed;
    // No espeak_Terminate: the process ends here and the system takes everything back.
    return kOk;
}
