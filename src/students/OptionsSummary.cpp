#include "students/OptionsSummary.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("OptionsSummary", text); }

// The words of value among choices 1, 2, ...; empty for any other value.
QString wordsFor(int value, std::initializer_list<const char*> choices) {
    if (value < 1 || value > static_cast<int>(choices.size())) return {};
    return tr(*(choices.begin() + (value - 1)));
}

QString accessMethodWords(const StudentOptionsRecord& o) {
    if (o.AccessMethod == 3) {
        return tr(QT_TRANSLATE_NOOP("OptionsSummary", "Timed scanning with an interval of %1 seconds"))
            .arg(o.ScanInterval);
    }
    return wordsFor(
        o.AccessMethod,
        {QT_TRANSLATE_NOOP("OptionsSummary", "Step scanning with 2 switches"),
         QT_TRANSLATE_NOOP("OptionsSummary", "Selects directly with a mouse click or touch window"), "",
         QT_TRANSLATE_NOOP("OptionsSummary", "Drag and drop"),
         QT_TRANSLATE_NOOP("OptionsSummary", "Click to pick up the picture, move mouse and click again to drop")});
}

QString jumpStartWords(const StudentOptionsRecord& o) {
    const int count = jumpStartSettingCount(o);
    if (count > 0) return tr(QT_TRANSLATE_NOOP("OptionsSummary", "There are %1 jump start setting(s)")).arg(count);
    return tr(QT_TRANSLATE_NOOP("OptionsSummary", "There are no jump start settings"));
}

}  // namespace

QString optionsSummaryTitle(const QString& student) {
    return tr(QT_TRANSLATE_NOOP("OptionsSummary", "Summary of options set for ")) + student;
}

int jumpStartSettingCount(const StudentOptionsRecord& o) {
    int count = 0;
    for (int n = 2; n <= 10; ++n) {
        for (int p = 1; p <= n; ++p) count += o.JumpStart[n][p] == 1 ? 1 : 0;
    }
    return count;
}

QStringList optionsSummaryLines(const StudentOptionsRecord& o) {
    return {
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Switch / Mouse Setting:   ")) + accessMethodWords(o),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Response Setting:   ")) +
            wordsFor(o.FeedbackMode, {QT_TRANSLATE_NOOP("OptionsSummary",
                                                        "Wait until all the pictures are placed before revealing "
                                                        "whether the sequence is correct"),
                                      QT_TRANSLATE_NOOP("OptionsSummary",
                                                        "Reveal immediately after the picture is placed whether it "
                                                        "is in the correct position")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Placement Box Style:   ")) +
            wordsFor(o.BoxStyle,
                     {QT_TRANSLATE_NOOP("OptionsSummary", "The target boxes contain a border with a number in it"),
                      QT_TRANSLATE_NOOP("OptionsSummary", "The target box just has a border without a number in it")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Auditory Narration:   ")) +
            wordsFor(o.Narration,
                     {QT_TRANSLATE_NOOP("OptionsSummary", "ON"), QT_TRANSLATE_NOOP("OptionsSummary", "OFF")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Picture Title Setting:   ")) +
            wordsFor(o.PictureTitles,
                     {QT_TRANSLATE_NOOP("OptionsSummary", "Display the picture title over the picture during the task"),
                      QT_TRANSLATE_NOOP("OptionsSummary",
                                        "DON'T display the picure title over the picture during the task")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Video Clip Setting:   ")) +
            wordsFor(o.VideoBeforeTask,
                     {QT_TRANSLATE_NOOP("OptionsSummary", "Play the video clip before each task"),
                      QT_TRANSLATE_NOOP("OptionsSummary", "DON'T play the video clip before each task")}) +
            wordsFor(o.VideoButton, {QT_TRANSLATE_NOOP("OptionsSummary", " and show the play video button"),
                                     QT_TRANSLATE_NOOP("OptionsSummary", " and hide the play video button")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Lesson Review Setting:   ")) +
            wordsFor(o.ReviewBeforeTask,
                     {QT_TRANSLATE_NOOP("OptionsSummary", "Play the review before each task"),
                      QT_TRANSLATE_NOOP("OptionsSummary", "DON'T play the review before each task")}) +
            wordsFor(o.ReviewButton, {QT_TRANSLATE_NOOP("OptionsSummary", " and show the review button"),
                                      QT_TRANSLATE_NOOP("OptionsSummary", " and hide the review button")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Sequencing Direction:   ")) +
            wordsFor(o.LayoutDirection, {QT_TRANSLATE_NOOP("OptionsSummary", "Left to Right"),
                                         QT_TRANSLATE_NOOP("OptionsSummary", "Top to Bottom"),
                                         QT_TRANSLATE_NOOP("OptionsSummary", "Right to Left")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Picture Shuffling Sequence:   ")) +
            wordsFor(o.ShuffleMode, {QT_TRANSLATE_NOOP("OptionsSummary", "Totally Random"),
                                     QT_TRANSLATE_NOOP("OptionsSummary", "Always out of sequence"),
                                     QT_TRANSLATE_NOOP("OptionsSummary", "Always in sequence")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Jump Start:   ")) + jumpStartWords(o),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Background Color:   ")) +
            wordsFor(o.BackgroundColor,
                     {QT_TRANSLATE_NOOP("OptionsSummary", "Black"), QT_TRANSLATE_NOOP("OptionsSummary", "Red"),
                      QT_TRANSLATE_NOOP("OptionsSummary", "Green"), QT_TRANSLATE_NOOP("OptionsSummary", "Blue"),
                      QT_TRANSLATE_NOOP("OptionsSummary", "Purple"), QT_TRANSLATE_NOOP("OptionsSummary", "White")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Reward Setting:   ")) +
            wordsFor(o.RewardMode, {QT_TRANSLATE_NOOP("OptionsSummary", "Show reward at the end of the task"),
                                    QT_TRANSLATE_NOOP("OptionsSummary", "Don't show a reward at the end of the task")}),
        tr(QT_TRANSLATE_NOOP("OptionsSummary", "Auditory Instructions:   ")) +
            wordsFor(o.AudioInstructions,
                     {QT_TRANSLATE_NOOP("OptionsSummary", "ON"), QT_TRANSLATE_NOOP("OptionsSummary", "OFF")}),
    };
}

QList<QRect> summaryLabelRects(const QRect& first) {
    QList<QRect> rects{first};
    for (int i = 1; i < kSummaryLabelCount; ++i) {
        const QRect above = rects.back();
        rects.append(
            QRect(first.left(), above.top() + above.height() + kSummaryLabelGap, first.width(), first.height()));
    }
    return rects;
}
