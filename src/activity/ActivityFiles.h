#pragma once

#include <QString>

// The shipped files the activity window loads by name, all in AppFolder.
namespace activity::files {

inline const QString kExitButton = QStringLiteral("aobj_but_exit.jpg");
inline const QString kPlayVideoButton = QStringLiteral("aobj_but_play_video.jpg");
inline const QString kReadStoryButton = QStringLiteral("aobj_but_read_story.jpg");
inline const QString kReviewButton = QStringLiteral("aobj_but_start_review.jpg");
inline const QString kMenuNext = QStringLiteral("aobj_continue_next.jpg");
inline const QString kMenuReplay = QStringLiteral("aobj_continue_replay.jpg");
inline const QString kMenuTaskList = QStringLiteral("aobj_continue_task.jpg");
inline const QString kMissingPicture = QStringLiteral("aobj_missing_pic.jpg");
inline const QString kStopReviewButton = QStringLiteral("aobj_but_stop_review.jpg");
inline const QString kTelevision = QStringLiteral("aobj_tv.jpg");
inline const QString kTvPause = QStringLiteral("aobj_tv_pause.jpg");
inline const QString kTvPlay = QStringLiteral("aobj_tv_play.jpg");
inline const QString kTvRewind = QStringLiteral("aobj_tv_rewind.jpg");
inline const QString kTvSkip = QStringLiteral("aobj_tv_skip.jpg");

// Prompts.
inline const QString kHowDid = QStringLiteral("aobj_how_did.wav");
inline const QString kThisDoesntGoHere = QStringLiteral("aobj_this_doesnt_go_here.wav");
inline const QString kKeepTrying = QStringLiteral("aobj_keep_trying.wav");
inline const QString kNextActivity = QStringLiteral("aobj_next_activity.wav");
inline const QString kSameActivity = QStringLiteral("aobj_same_activity.wav");
inline const QString kActivitySelection = QStringLiteral("aobj_activity_selection.wav");
inline const QString kSilenceHalfSecond = QStringLiteral("aobj_silence_half_sec.wav");
inline const QString kSilenceOneSecond = QStringLiteral("aobj_silence_1sec.wav");
inline const QString kVideoAnnouncement = QStringLiteral("aobj_video.wav");

}  // namespace activity::files
