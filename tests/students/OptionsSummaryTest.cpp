#include "students/OptionsSummary.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

namespace {

StudentOptionsRecord timedScanningStudent() {
    StudentOptionsRecord o;
    o.AccessMethod = 3;
    o.ScanInterval = 4;
    o.FeedbackMode = 2;
    o.BoxStyle = 1;
    o.Narration = 2;
    o.PictureTitles = 1;
    o.VideoBeforeTask = 2;
    o.VideoButton = 1;
    o.ReviewBeforeTask = 1;
    o.ReviewButton = 2;
    o.LayoutDirection = 3;
    o.ShuffleMode = 2;
    o.BackgroundColor = 4;
    o.RewardMode = 1;
    o.AudioInstructions = 1;
    o.JumpStart[3][1] = 1;
    o.JumpStart[5][2] = 1;
    return o;
}

TEST(OptionsSummary, EveryLineInWords) {
    const QStringList expected{
        QStringLiteral("Switch / Mouse Setting:   Timed scanning with an interval of 4 seconds"),
        QStringLiteral("Response Setting:   Reveal immediately after the picture is placed whether it is in the "
                       "correct position"),
        QStringLiteral("Placement Box Style:   The target boxes contain a border with a number in it"),
        QStringLiteral("Auditory Narration:   OFF"),
        QStringLiteral("Picture Title Setting:   Display the picture title over the picture during the task"),
        QStringLiteral(
            "Video Clip Setting:   DON'T play the video clip before each task and show the play video button"),
        QStringLiteral("Lesson Review Setting:   Play the review before each task and hide the review button"),
        QStringLiteral("Sequencing Direction:   Right to Left"),
        QStringLiteral("Picture Shuffling Sequence:   Always out of sequence"),
        QStringLiteral("Jump Start:   There are 2 jump start setting(s)"),
        QStringLiteral("Background Color:   Blue"),
        QStringLiteral("Reward Setting:   Show reward at the end of the task"),
        QStringLiteral("Auditory Instructions:   ON"),
    };
    EXPECT_EQ(optionsSummaryLines(timedScanningStudent()), expected);
    EXPECT_EQ(optionsSummaryTitle(QStringLiteral("Blue Group")),
              QStringLiteral("Summary of options set for Blue Group"));
}

TEST(OptionsSummary, TheOtherWordsOfEachLine) {
    StudentOptionsRecord o;
    o.AccessMethod = 5;
    o.FeedbackMode = 1;
    o.BoxStyle = 2;
    o.Narration = 1;
    o.PictureTitles = 2;
    o.VideoBeforeTask = 1;
    o.VideoButton = 2;
    o.ReviewBeforeTask = 2;
    o.ReviewButton = 1;
    o.LayoutDirection = 2;
    o.ShuffleMode = 3;
    o.BackgroundColor = 6;
    o.RewardMode = 2;
    o.AudioInstructions = 2;
    const QStringList lines = optionsSummaryLines(o);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(
        lines[0],
        QStringLiteral("Switch / Mouse Setting:   Click to pick up the picture, move mouse and click again to drop"));
    EXPECT_EQ(lines[1],
              QStringLiteral("Response Setting:   Wait until all the pictures are placed before revealing whether "
                             "the sequence is correct"));
    EXPECT_EQ(lines[2],
              QStringLiteral("Placement Box Style:   The target box just has a border without a number in it"));
    EXPECT_EQ(lines[3], QStringLiteral("Auditory Narration:   ON"));
    EXPECT_EQ(
        lines[4],
        QStringLiteral("Picture Title Setting:   DON'T display the picure title over the picture during the task"));
    EXPECT_EQ(
        lines[5],
        QStringLiteral("Video Clip Setting:   Play the video clip before each task and hide the play video button"));
    EXPECT_EQ(
        lines[6],
        QStringLiteral("Lesson Review Setting:   DON'T play the review before each task and show the review button"));
    EXPECT_EQ(lines[7], QStringLiteral("Sequencing Direction:   Top to Bottom"));
    EXPECT_EQ(lines[8], QStringLiteral("Picture Shuffling Sequence:   Always in sequence"));
    EXPECT_EQ(lines[9], QStringLiteral("Jump Start:   There are no jump start settings"));
    EXPECT_EQ(lines[10], QStringLiteral("Background Color:   White"));
    EXPECT_EQ(lines[11], QStringLiteral("Reward Setting:   Don't show a reward at the end of the task"));
    EXPECT_EQ(lines[12], QStringLiteral("Auditory Instructions:   OFF"));

    const std::pair<int, const char*> methods[] = {{1, "Step scanning with 2 switches"},
                                                   {2, "Selects directly with a mouse click or touch window"},
                                                   {4, "Drag and drop"}};
    for (const auto& [method, words] : methods) {
        o.AccessMethod = static_cast<std::int16_t>(method);
        EXPECT_EQ(optionsSummaryLines(o)[0], QStringLiteral("Switch / Mouse Setting:   ") + QString::fromLatin1(words));
    }
    const char* colours[] = {"Black", "Red", "Green", "Blue", "Purple", "White"};
    for (int c = 1; c <= 6; ++c) {
        o.BackgroundColor = static_cast<std::int16_t>(c);
        EXPECT_EQ(optionsSummaryLines(o)[10],
                  QStringLiteral("Background Color:   ") + QString::fromLatin1(colours[c - 1]));
    }
    o.LayoutDirection = 1;
    o.ShuffleMode = 1;
    EXPECT_EQ(optionsSummaryLines(o)[7], QStringLiteral("Sequencing Direction:   Left to Right"));
    EXPECT_EQ(optionsSummaryLines(o)[8], QStringLiteral("Picture Shuffling Sequence:   Totally Random"));
}

TEST(OptionsSummary, AValueOutsideItsRangeLeavesTheHeading) {
    // Every field 0, as in a record that was never filled: nothing but the headings (and the jump
    // start count, which has no range).
    const QStringList lines = optionsSummaryLines(StudentOptionsRecord{});
    const QStringList headings{
        QStringLiteral("Switch / Mouse Setting:   "),
        QStringLiteral("Response Setting:   "),
        QStringLiteral("Placement Box Style:   "),
        QStringLiteral("Auditory Narration:   "),
        QStringLiteral("Picture Title Setting:   "),
        QStringLiteral("Video Clip Setting:   "),
        QStringLiteral("Lesson Review Setting:   "),
        QStringLiteral("Sequencing Direction:   "),
        QStringLiteral("Picture Shuffling Sequence:   "),
        QStringLiteral("Jump Start:   There are no jump start settings"),
        QStringLiteral("Background Color:   "),
        QStringLiteral("Reward Setting:   "),
        QStringLiteral("Auditory Instructions:   "),
    };
    EXPECT_EQ(lines, headings);

    StudentOptionsRecord o = timedScanningStudent();
    o.AccessMethod = 7;
    o.BackgroundColor = 7;
    o.LayoutDirection = -1;
    o.VideoBeforeTask = 3;  // the button's words still follow
    const QStringList odd = optionsSummaryLines(o);
    EXPECT_EQ(odd[0], QStringLiteral("Switch / Mouse Setting:   "));
    EXPECT_EQ(odd[10], QStringLiteral("Background Color:   "));
    EXPECT_EQ(odd[7], QStringLiteral("Sequencing Direction:   "));
    EXPECT_EQ(odd[5], QStringLiteral("Video Clip Setting:    and show the play video button"));
}

TEST(OptionsSummary, JumpStartCountsOnlyStoredPositions) {
    StudentOptionsRecord o;
    o.JumpStart[10][10] = 1;
    o.JumpStart[2][1] = 1;
    o.JumpStart[2][2] = 1;
    o.JumpStart[4][3] = 2;  // not a setting
    o.JumpStart[3][4] = 1;  // outside a 3-step task
    o.JumpStart[1][1] = 1;  // no 1-step tasks
    EXPECT_EQ(jumpStartSettingCount(o), 3);
    EXPECT_EQ(optionsSummaryLines(o)[9], QStringLiteral("Jump Start:   There are 3 jump start setting(s)"));
}

TEST(OptionsSummary, LabelsStacked55TwipsApart) {
    const QList<QRect> rects = summaryLabelRects(QRect(120, 600, 9000, 285));
    ASSERT_EQ(rects.size(), 13);
    EXPECT_EQ(rects[0], QRect(120, 600, 9000, 285));
    EXPECT_EQ(rects[1], QRect(120, 940, 9000, 285));
    EXPECT_EQ(rects[12], QRect(120, 600 + 12 * 340, 9000, 285));
}

}  // namespace
