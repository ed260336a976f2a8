#include "students/OptionControls.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

const std::vector<OptionGroup>& optionGroups() {
    using O = StudentOptionsRecord;
    static const std::vector<OptionGroup> groups = {
        {"OptInputDevice",
         &O::AccessMethod,
         {QT_TRANSLATE_NOOP("FormOptions",
                            "Option 1: Step Scanning with 2 switches.  The <Space> key scans, the <Enter> key or the "
                            "left mouse click selects the picture."),
          QT_TRANSLATE_NOOP("FormOptions",
                            "Option 2: Touch Windows or Mouse Click. The picture that is clicked on is selected."),
          QT_TRANSLATE_NOOP("FormOptions",
                            "Option 3: Timed Scanning with 1 switch.  The program automatically scans for the number "
                            "of seconds set by the slider bar.  The <Enter>, <Space> key or the left mouse click will "
                            "select the picture."),
          QT_TRANSLATE_NOOP("FormOptions", "Option 4: Drag && Drop.  Use the mouse to drag && drop the pictures."),
          QT_TRANSLATE_NOOP("FormOptions",
                            "Option 5: Click the mouse to pick up the picture and click it again to put it down.")}},
        {"OptFeedback",
         &O::FeedbackMode,
         {QT_TRANSLATE_NOOP("FormOptions",
                            "Wait until all the pictures are placed before revealing whether the pictures are in the "
                            "correct sequence."),
          QT_TRANSLATE_NOOP("FormOptions",
                            "Reveal immediately after the picture is placed whether it is in the correct position.")}},
        {"seqOption",
         &O::ShuffleMode,
         {QT_TRANSLATE_NOOP("FormOptions",
                            "Randomly places the pictures.  Note that on occasion they may end up in the right "
                            "sequence."),
          QT_TRANSLATE_NOOP("FormOptions", "The pictures will always be out of seqeunce."),
          QT_TRANSLATE_NOOP("FormOptions", "The pictures will always be in the correct sequence.")}},
        {"OptionBC",
         &O::BackgroundColor,
         {QT_TRANSLATE_NOOP("FormOptions", "Black"), QT_TRANSLATE_NOOP("FormOptions", "Red"),
          QT_TRANSLATE_NOOP("FormOptions", "Green"), QT_TRANSLATE_NOOP("FormOptions", "Blue"),
          QT_TRANSLATE_NOOP("FormOptions", "Purple"), QT_TRANSLATE_NOOP("FormOptions", "White")}},
        {"OptLayout",
         &O::LayoutDirection,
         {QT_TRANSLATE_NOOP("FormOptions", "Lay Out the Pictures Horizontally (Left to Right)"),
          QT_TRANSLATE_NOOP("FormOptions", "Lay Out the Pictures Vertically"),
          QT_TRANSLATE_NOOP("FormOptions",
                            "Lay Out the Pictures Horizontally (Right to Left)  - Useful for some foreign "
                            "languages.")}},
        {"OptSeqStyle",
         &O::BoxStyle,
         {QT_TRANSLATE_NOOP("FormOptions", "The target boxes contain a border with a number in it."),
          QT_TRANSLATE_NOOP("FormOptions", "The target boxes just has a border without a number in it.")}},
        {"OptionTitle",
         &O::PictureTitles,
         {QT_TRANSLATE_NOOP("FormOptions", "Display the picure title over the picture."),
          QT_TRANSLATE_NOOP("FormOptions", "DON'T display the picure title over the picture.")}},
        {"OptInstructions",
         &O::AudioInstructions,
         {QT_TRANSLATE_NOOP("FormOptions", "Play audio Instructions before the task"),
          QT_TRANSLATE_NOOP("FormOptions", "DON'T play audio instructions before the task")}},
        {"OptAudio",
         &O::Narration,
         {QT_TRANSLATE_NOOP("FormOptions", "Auditory Narration ON"),
          QT_TRANSLATE_NOOP("FormOptions", "Auditory Narration OFF")}},
        {"OptLesson",
         &O::ReviewBeforeTask,
         {QT_TRANSLATE_NOOP("FormOptions", "Play the review before each task."),
          QT_TRANSLATE_NOOP("FormOptions", "DON'T play the review before each task.")}},
        {"OptLessonButton",
         &O::ReviewButton,
         {QT_TRANSLATE_NOOP("FormOptions", "Show the \"Review Button\" during the sequencing task."),
          QT_TRANSLATE_NOOP("FormOptions", "Hide the \"Review Button\" during the sequencing task.")}},
        {"OptVideo",
         &O::VideoBeforeTask,
         {QT_TRANSLATE_NOOP("FormOptions", "Play the video clip  (if exists) before each task."),
          QT_TRANSLATE_NOOP("FormOptions", "DON'T play the video clip before each task.")}},
        {"OptVideoButton",
         &O::VideoButton,
         {QT_TRANSLATE_NOOP("FormOptions",
                            "Show the \"Play Video\" button during the sequencing task if a video clip exists."),
          QT_TRANSLATE_NOOP("FormOptions", "Hide the \"Play Video\" button during the sequencing task.")}},
        {"OptReward",
         &O::RewardMode,
         {QT_TRANSLATE_NOOP("FormOptions", "Show reward"), QT_TRANSLATE_NOOP("FormOptions", "DON'T show reward")}},
    };
    return groups;
}

const OptionGroup& optionGroup(const char* name) {
    for (const OptionGroup& g : optionGroups()) {
        if (std::strcmp(g.name, name) == 0) return g;
    }
    std::fprintf(stderr, "No option group %s\n", name);
    std::abort();
}

std::optional<std::int32_t> speedBoxValue(const QString& text) {
    if (text.isEmpty() || text.size() > kSpeedBoxDigits) return std::nullopt;
    std::int32_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString speedBoxMessage() {
    return QCoreApplication::translate("FormOptions", "The Animation Speed must be a number between 0 and 999999999");
}

QString jumpStartRefusal(const JumpStartTicks& ticked) {
    for (int n = 2; n <= 10; ++n) {
        bool every = true;
        for (int p = 1; p <= n; ++p) every = every && ticked[n][p];
        if (every) {
            return QCoreApplication::translate("FormOptions", "On %1 Tasks, every box is checked.  This is not allowed")
                .arg(n);
        }
    }
    return {};
}
