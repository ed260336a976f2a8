#include "library/DefaultOptions.h"

StudentOptionsRecord defaultStudentOptions() {
    StudentOptionsRecord o;
    o.AccessMethod = 2;
    o.ScanInterval = 3;
    o.BackgroundColor = 4;
    o.AudioInstructions = 1;
    o.RewardMode = 1;
    o.PictureTitles = 1;
    o.Narration = 1;
    o.VideoBeforeTask = 2;
    o.VideoButton = 1;
    o.ReviewBeforeTask = 2;
    o.ReviewButton = 1;
    o.BoxStyle = 1;
    o.AnimationSpeed = -1;
    o.LayoutDirection = 1;
    o.FeedbackMode = 2;
    o.ShuffleMode = 2;
    o.Reserved1 = 0;
    o.Reserved2 = 0;
    o.PressReminder = 1;
    o.PressReminderSeconds = 15;
    o.Reserved3 = 0;
    o.Reserved4 = 0;
    // No jump start: the table stays all zero.
    for (int n = 2; n <= 10; ++n) o.StepFilter[n] = 1;
    return o;
}
