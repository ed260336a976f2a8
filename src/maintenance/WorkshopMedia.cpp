#include "maintenance/WorkshopMedia.h"

#include "library/PathHelpers.h"
#include "maintenance/WorkshopFiles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct PromptRow {
    const char* file;
    const char* caption;
    const char* help;
};

// The prompts in screen order; entry 16 as the video edition words it.
constexpr PromptRow kPrompts[kPromptCount] = {
    {"aobj_access_1.wav",
     QT_TRANSLATE_NOOP(
         "Prompts",
         "Press the first switch to move from picture to picture.  Press the second switch to choose the picture"),
     QT_TRANSLATE_NOOP("Prompts",
                       "In the beginning of each task, the selected access mode is narrated.  In this case it is "
                       "explaining how to select a picture using step scanning with two switches.")},
    {"aobj_access_2.wav",
     QT_TRANSLATE_NOOP("Prompts", "Click on the picture, or touch the picture with a touch window to select it."),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "In the beginning of each task, the selected access mode is narrated.  In this case it is explaining that you "
         "select a picture by left clicking the picture with a mouse or touch the picture with a touch window.")},
    {"aobj_access_3.wav",
     QT_TRANSLATE_NOOP("Prompts", "Press the switch when it gets to the picture that you want to select"),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "In the beginning of each task, the selected access mode is narrated.  In this case it is explaining that you "
         "select a picture by pressing the switch when it gets to the picture that you want to select.")},
    {"aobj_access_4.wav", QT_TRANSLATE_NOOP("Prompts", "Drag and Drop the picture to a part of the sequence"),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "In the beginning of each task, the selected access mode is narrated.  In this case it is explaining that you "
         "place the picture in the seuqnece by dragging and dropping the picture with the mouse.")},
    {"aobj_access_5.wav",
     QT_TRANSLATE_NOOP(
         "Prompts", "Click on the picture to pick it up. move the mouse to move the picture. click again to drop it."),
     QT_TRANSLATE_NOOP("Prompts",
                       "In the beginning of each task, the selected access mode is narrated.  In this case it is "
                       "explaining that you pick up the picture by clicking on it, move the picture with the mouse to "
                       "a part of the sequence, and click it again to drop it")},
    {"aobj_how_did.wav", QT_TRANSLATE_NOOP("Prompts", "Lets see how you did."),
     QT_TRANSLATE_NOOP("Prompts",
                       "This is said after the student places all the pictures and before the computer will check to "
                       "see if they are in the correct position.")},
    {"aobj_this_doesnt_go_here.wav", QT_TRANSLATE_NOOP("Prompts", "This doesn't go here, try again"),
     QT_TRANSLATE_NOOP("Prompts",
                       "This will be said when the computer finds a picture that is not in the correct sequence.")},
    {"aobj_doesnt_go_here.wav", QT_TRANSLATE_NOOP("Prompts", "doesn't go here, try again"),
     QT_TRANSLATE_NOOP("Prompts",
                       "If the picture has an auditory narration recording associated with it, the above will be said "
                       "as the ending part of the sentence with the auditory recorded narration in the beginning part "
                       "of the sentence.  When recording this, speak it with an inflection as though you were saying "
                       "ie. Dialing the Phone doesn't go here. Try Again")},
    {"aobj_keep_trying.wav", QT_TRANSLATE_NOOP("Prompts", "Keep trying, you can do it"),
     QT_TRANSLATE_NOOP("Prompts", "If a pictures are not in the correct sequence, this is said.")},
    {"aobj_lets_learn.wav", QT_TRANSLATE_NOOP("Prompts", "Let's learn about"),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "This is said in the beginning of the lesson and part of the sentence explaining what the task is. It should "
         "be spoken with inflection as if you were saying ie. Let's learn about tying your shoes")},
    {"aobj_first_is.wav", QT_TRANSLATE_NOOP("Prompts", "first is"),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "This is said during the lesson for the first picture and is the first part of a sentence.  It should be "
         "spoken with inflection. The computer points to a picture and says 'First is' and then finishes the sentence "
         "with the auditory recording for that picture. ie first is picking up the phone")},
    {"aobj_next_is.wav", QT_TRANSLATE_NOOP("Prompts", "next is"),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "This is said during the lesson any picture except the first picture and is the first part of a sentence.  It "
         "should be spoken with inflection.  The computer points to a picture and says 'Next is' and then finishes the "
         "sentence with the auditory recording for that picture. ie. next is hanging up the phone.")},
    {"aobj_your_turn.wav", QT_TRANSLATE_NOOP("Prompts", "Now it is your turn"),
     QT_TRANSLATE_NOOP("Prompts",
                       "After the lesson is given, the computer says this to instruct the student that it will be his "
                       "turn to sequence the pictures.")},
    {"aobj_reward3.wav", QT_TRANSLATE_NOOP("Prompts", "Good job, you get 3 stars"),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "This is a reward for completing the task and getting more incorrect placements than there are steps")},
    {"aobj_reward4.wav", QT_TRANSLATE_NOOP("Prompts", "Excellent, you get 4 stars"),
     QT_TRANSLATE_NOOP("Prompts",
                       "This is a reward for completing the task and getting less incorrect placements than there are "
                       "steps but at least one was incorrect")},
    {"aobj_reward5.wav", QT_TRANSLATE_NOOP("Prompts", "Perfect, you get 5 stars"),
     QT_TRANSLATE_NOOP("Prompts", "This is a reward for completing the task and having no incorrect placements")},
    {"aobj_video.wav", QT_TRANSLATE_NOOP("Prompts", "Let's see a video about"),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "This is said before the task starts and is part of the sentence that describes the task. It should be spoken "
         "with inflection as if you were saying ie. Let's see a video about tying your shoes")},
    {"aobj_arrange.wav", QT_TRANSLATE_NOOP("Prompts", "Put the pictures in the correct order for"),
     QT_TRANSLATE_NOOP("Prompts",
                       "This is said before the sequencing task begins and is part of the sentence explaining what the "
                       "task is. It should be spoken with inflection as if you were saying ie. Put the pictures in the "
                       "correct order for tying your shoes")},
    {"aobj_very_good.wav", QT_TRANSLATE_NOOP("Prompts", "Very good."),
     QT_TRANSLATE_NOOP(
         "Prompts",
         "If the option for showing the reward screen is turned off, this is said when the task is completed.")},
    {"aobj_next_activity.wav", QT_TRANSLATE_NOOP("Prompts", "Next task"),
     QT_TRANSLATE_NOOP("Prompts",
                       "After a task is completed, this is the auditory narration for the button on the menu to "
                       "continue to the next task.")},
    {"aobj_same_activity.wav", QT_TRANSLATE_NOOP("Prompts", "Same task again"),
     QT_TRANSLATE_NOOP("Prompts",
                       "After a task is completed, this is the auditory narration for the button on the menu to replay "
                       "the same task again.")},
    {"aobj_activity_selection.wav", QT_TRANSLATE_NOOP("Prompts", "Task selection menu"),
     QT_TRANSLATE_NOOP("Prompts",
                       "After a task is completed, this is the auditory narration for the button on the menu to go "
                       "back to the task selection menu.")},
};

// Entry 16 in the story edition.
constexpr PromptRow kStoryPrompt = {
    "aobj_video.wav", QT_TRANSLATE_NOOP("Prompts", "Let's read a story"),
    QT_TRANSLATE_NOOP(
        "Prompts",
        "This is said before the story starts and is part of the sentence that names the story. It should be spoken "
        "with inflection as if you were saying ie. Let's read to a story called The Circus")};

}  // namespace

const QStringList& videoEndings() {
    static const QStringList endings = {QStringLiteral("mpg"), QStringLiteral("wmv"),  QStringLiteral("avi"),
                                        QStringLiteral("mp4"), QStringLiteral("webm"), QStringLiteral("mkv"),
                                        QStringLiteral("mov")};
    return endings;
}

bool isVideoFileName(const QString& name) { return hasEnding(name, videoEndings()); }

QString storedVideoName(const QString& clip) { return toStoredName(noneIfEmpty(clip)); }

std::array<PromptEntry, kPromptCount> promptTable(int edition) {
    std::array<PromptEntry, kPromptCount> table;
    for (int i = 0; i < kPromptCount; ++i) {
        const PromptRow& row = (i == 16 && edition != 1) ? kStoryPrompt : kPrompts[i];
        table[static_cast<size_t>(i)] = PromptEntry{QString::fromLatin1(row.file), row.caption, row.help};
    }
    return table;
}

QString suppliedPromptFile(const QString& promptFile) { return promptFile + QStringLiteral("_bak"); }

bool recordingTimeIsUp(double startSeconds, double nowSeconds) {
    return (nowSeconds - startSeconds) * 1000.0 >= kRecordingLimitMs;
}

double toDbfs(float level) {
    if (!(level > 0.0f)) return -std::numeric_limits<double>::infinity();
    return 20.0 * std::log10(static_cast<double>(level));
}

bool isSilentRecording(float peak) { return toDbfs(peak) < kSilenceDbfs; }

int meterReading(float level) {
    const double db = toDbfs(level);
    if (db <= -60.0) return 0;
    return std::clamp(static_cast<int>(std::lround((db + 60.0) * 100.0 / 60.0)), 0, 100);
}

QRectF printedPictureRect(QSize previewPixels, double twipsPerPixelX, double twipsPerPixelY) {
    return {0.0, 0.0, previewPixels.width() * twipsPerPixelX, previewPixels.height() * twipsPerPixelY};
}

Result<PrintPictures> taskPrintPictures(const QString& taskFile) {
    auto opened = openTaskForChange(taskFile);
    if (!opened) return Error{opened.error()};
    PrintPictures pictures;
    for (int s = 1; s <= opened->task.StepCount; ++s) {
        const QString& image = opened->stepPictures[s];
        pictures.images.append(isNone(image) ? inAppFolder(kMissingPictureFile) : image);
    }
    pictures.problems = opened->problems;
    return pictures;
}

std::optional<ProgramCall> microphoneSettings(const std::function<bool(const QString&)>& installed) {
    // pavucontrol's tab 4 is "Input Devices", where a microphone's level is set.
    const ProgramCall candidates[] = {
        {QStringLiteral("pavucontrol"), {QStringLiteral("--tab=4")}},
        {QStringLiteral("pavucontrol-qt"), {QStringLiteral("--tab=4")}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}},
        {QStringLiteral("systemsettings"), {QStringLiteral("kcm_pulseaudio")}},
        {QStringLiteral("mate-volume-control"), {QStringLiteral("--page=input")}},
        {QStringLiteral("cinnamon-settings"), {QStringLiteral("sound")}},
    };
    for (const ProgramCall& call : candidates) {
        if (installed(call.program)) return call;
    }
    return std::nullopt;
}
