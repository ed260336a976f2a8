#pragma once

#include "core/Result.h"

#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// The decisions of the workshop's media that need no window: which files the video chooser
// offers and how a clip is stored, the program's prompts and their explanations, where a printed
// picture goes on its page, how long a recording may run, how loud the level meter shows a
// recording and when a recording counts as silent, and which program sets the microphone's level.

// The clips the video chooser offers and previews: mpg, wmv, avi, mp4, webm, mkv and mov, the
// endings compared without regard to case.
const QStringList& videoEndings();
bool isVideoFileName(const QString& name);

// The video line a task stores for the clip shown in the video label: the bare name for a clip
// directly in the data folder, the full path for any other, "None" for none (empty or "None").
QString storedVideoName(const QString& clip);

// One of the program's prompts on the "Language Customization" screen: the file that holds it
// (in the data folder), the wording of its option button and the explanation of when it is
// heard. The texts are source texts; the screen shows their translations (context "Prompts").
struct PromptEntry {
    QString file;
    const char* caption = nullptr;
    const char* help = nullptr;
};
inline constexpr int kPromptCount = 22;
inline constexpr const char* kPromptContext = "Prompts";
// The 22 prompts in screen order. Entry 16 ("aobj_video.wav") reads as the video announcement
// for edition 1 and as the story announcement for any other edition.
std::array<PromptEntry, kPromptCount> promptTable(int edition);
// The copy of a prompt as supplied with the program: the whole file name followed by "_bak".
QString suppliedPromptFile(const QString& promptFile);

// A recording stops by itself this long after its start.
inline constexpr int kRecordingLimitMs = 15000;
// True once the recording started at startSeconds has run its time at nowSeconds (monotonic).
bool recordingTimeIsUp(double startSeconds, double nowSeconds);

// A recording whose loudest sample stays below this is silent.
inline constexpr double kSilenceDbfs = -50.0;
// A sample's size (0 to 1 of full scale) in decibels below full scale; -infinity for 0.
double toDbfs(float level);
bool isSilentRecording(float peak);
// The level meter's reading, 0 to 100, for a level of 0 to 1: 60 dB of range, so -60 dBFS and
// below show nothing and a full-scale sound fills the bar.
int meterReading(float level);

// Where a printed picture goes: the top left corner of the page, at the size the preview shows
// it (pixels made twips at the screen's twips per pixel across and down).
QRectF printedPictureRect(QSize previewPixels, double twipsPerPixelX, double twipsPerPixelY);

// The images of a task's steps in step order, for printing: each step's picture made absolute,
// the missing picture for an image that is gone or a picture file that cannot be read. An error
// naming the file when the task file cannot be read.
struct PrintPictures {
    QStringList images;
    QStringList problems;  // picture files that cannot be read
};
Result<PrintPictures> taskPrintPictures(const QString& taskFile);

// A program to start and its arguments.
struct ProgramCall {
    QString program;
    QStringList arguments;
    friend bool operator==(const ProgramCall&, const ProgramCall&) = default;
};
// The desktop's settings of the microphone's level: pavucontrol on its input devices tab when it
// is installed, otherwise the first of the desktops' sound settings that is; none when there is
// none. installed tells whether a program of that name can be started.
std::optional<ProgramCall> microphoneSettings(const std::function<bool(const QString&)>& installed);
// The package to install when no such program is there.
inline constexpr const char* kMicrophoneSettingsPackage = "pavucontrol";
