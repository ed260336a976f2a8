#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "activity/ActivitySound.h"
#include "activity/AngleTables.h"
#include "activity/BoardGeometry.h"
#include "activity/BoardState.h"
#include "activity/Glide.h"
#include "activity/Motion.h"
#include "activity/PictureCache.h"
#include "platform/MediaPlayer.h"

class CaptionLabel;
class ClickFrame;
class PictureBox;
class PictureButton;
class ScanShape;

// The sequencing activity. The task selection window fills the task queue (ChosenTaskList) and
// shows this window; showing it runs the whole activity (Form_Activate), which returns when the
// student leaves, hides this window and shows the task selection window again.
//
// The window is split by subject: FormAnimation.cpp (controls, events, switches),
// FormAnimationController.cpp (the queue and the runs), FormAnimationBoard.cpp (loading and
// layout), FormAnimationMotion.cpp, FormAnimationChecking.cpp, FormAnimationMenu.cpp,
// FormAnimationSelection.cpp (the scanning and clicking methods), FormAnimationPointer.cpp (the
// pointer methods), FormAnimationReward.cpp (results and reward), FormAnimationLesson.cpp (the
// review lesson) and FormAnimationVideo.cpp (the task's clip on the television panel).
//
// One thread: handlers only set flags or move controls; the loops act on the flags.
class FormAnimation : public QWidget {
    Q_OBJECT
public:
    explicit FormAnimation(QWidget* parent = nullptr);
    ~FormAnimation() override;

    template <typename T>
    using ControlArray = std::array<T*, 11>;  // 0..10; index 0 is never shown

    // ---- Controls (each child's objectName is the name below, "PicBase3" for an array) ----
    ControlArray<PictureBox> PicBase{};         // the picture of slot k: what moves
    ControlArray<PictureBox> ImBase{};          // the step picture inside PicBase(k)
    ControlArray<CaptionLabel> LabShowTitle{};  // the picture's title inside PicBase(k)
    ControlArray<PictureBox> PicSeq{};          // placement box b: a 7-pixel frame round its card
    ControlArray<PictureBox> ImSeq{};           // the card of box b
    ControlArray<PictureBox> PicSeparator{};    // holder of the arrow before box b (b >= 2)
    ControlArray<PictureBox> ImSeparator{};     // the arrow
    CaptionLabel* LabelTaskTitle = nullptr;
    CaptionLabel* LabGeneralInfo = nullptr;
    PictureButton* PicExit = nullptr;
    PictureButton* PicExitEarly = nullptr;
    PictureButton* PicPlayVideo = nullptr;
    PictureButton* PicPlayLesson = nullptr;
    PictureBox* PicScan = nullptr;         // the scanning highlight
    PictureBox* ImScanPointer = nullptr;   // its pointer
    PictureBox* ImArrowPointer = nullptr;  // the arrow at the target box
    PictureBox* PicHand = nullptr;         // the pointing hand of the final check
    PictureBox* PicTV = nullptr;           // the video screen
    PictureBox* PicRewardMain = nullptr;   // the reward surface
    PictureBox* PicReward = nullptr;       // the check mark on it
    ClickFrame* FrameContinue = nullptr;   // the after-task menu, over the whole window
    PictureButton* ImageContinueNext = nullptr;
    PictureButton* ImageContinueReplay = nullptr;
    PictureButton* ImageContinueTask = nullptr;
    ScanShape* ShapeContinueScan = nullptr;  // the menu's scanning highlight

    // The review lesson: a panel over the whole window with the pictures in order.
    PictureBox* FrameLesson = nullptr;
    CaptionLabel* LabelLesson = nullptr;       // the review word
    CaptionLabel* LabelLessonTitle = nullptr;  // the task's title
    ControlArray<PictureBox> ImLesson{};
    ControlArray<CaptionLabel> LabShowTitleLesson{};
    PictureBox* PicHandLesson = nullptr;
    PictureButton* PicStopLessonBut = nullptr;

    // The television panel: its picture, and the buttons below the screen. The player (MP1)
    // is made on first use.
    PictureBox* ImTV = nullptr;
    PictureButton* PicTvPause = nullptr;
    PictureButton* PicTvPlay = nullptr;  // at the place of PicTvPause; one of the two shows
    PictureButton* PicTvRewind = nullptr;
    PictureButton* PicTvSkip = nullptr;

    // ---- The window's flags and input state (1 = set) ----
    std::int16_t TaskInvalid = 0;  // the loaded task cannot be run
    std::int16_t NextTaskClicked = 0;
    std::int16_t SameTaskClicked = 0;
    std::int16_t TaskListClicked = 0;
    std::int16_t SpaceReleased = 1;  // a press counts only after a release
    std::int16_t EnterReleased = 1;
    std::int16_t ClickSelectEnabled = 0;  // clicks on pictures are taken as selections
    std::int16_t ClickedSlot = 0;         // the slot a click chose, 0 = none yet
    std::int16_t ScanSlot = 0;            // the slot under the highlight (or just clicked)
    std::int16_t HeldSlot = 0;            // the picture carried by the mouse, 0 = none
    std::int16_t Dragging = 0;
    std::int16_t PointerButtonDown = 0;
    std::int16_t GrabOffsetX = 0;
    std::int16_t GrabOffsetY = 0;
    std::int16_t PlacedCorrectly = 0;  // 1 after a correct placement judged at once
    std::int16_t LessonFromButton = 0;
    std::int16_t VideoPaused = 0;   // the student paused the clip
    std::int16_t VideoSkipped = 0;  // the student skipped it

    // What the board shows for each step: its picture, or "0" when the file has gone.
    std::array<QString, 11> BoardPictureFile{};

    // The window's sounds (sentences, narration, the speech control) and the reward's angles.
    ActivitySound sound;
    activity::AngleTables angles;

    // ---- The activity ----
    // Runs once per showing of the window (also started by showing it).
    void Form_Activate();
    void runTaskQueue();
    void loadAndRunTask(const QString& taskFile);
    // One run of a task for the scanning and clicking methods (1 to 3) and the pointer methods.
    void runScanningTask();
    void runPointerTask();
    // The after-task menu: 3 next task, 2 the same task again, 1 back to the task list.
    int askWhatNext();

    void PicExit_Click();
    void PicExitEarly_Click();
    void PicPlayLesson_Click();
    void FrameContinue_Click();
    void ImageContinueNext_Click();
    void ImageContinueReplay_Click();
    void ImageContinueTask_Click();

    // The switches: Space (32) scans, Enter (13) selects; a mouse button on the window selects
    // while it is held.
    void Form_KeyDown(int keyCode);
    void Form_KeyUp(int keyCode);
    void Form_MouseDown();
    void Form_MouseUp();

    // ---- Task loading and the board ----
    // Reads the task and its steps into Task; TaskInvalid (after a message) when it cannot run.
    void loadTask(const QString& taskFile);
    void sequence_Init_Arrays();
    void resetBoard();
    void enableClickSelect();
    // Builds the whole board for the layout direction, shuffled, with the jump start placed.
    void layOutBoard();
    void resetTaskCounters();

    // The last layout (rectangles, home positions) and the options it was made with.
    const activity::BoardGeometry& boardGeometry() const { return geometry_; }
    const activity::BoardOptions& boardOptions() const { return options_; }

    // The placement state of the shared tables as a plain record, and back. Read it right
    // before a decision and store it right after: handlers may change the tables whenever
    // events run (during every glide and sentence).
    activity::BoardState board() const;
    void storeBoard(const activity::BoardState& state);

    // ---- Motion ----
    // A scanning or clicking selection: out of its box if it sits in one, else into the lowest
    // empty box, then judged.
    void moveSelectedPicture(int slot);
    void returnHome(int slot, activity::HomeVariant variant);
    void clearBoxOf(int slot);
    // The carried picture under the cursor (pointer methods).
    void followCursor(int slot);
    // Walks a control along a path one pixel per step: move, delay, events.
    void glide(QWidget* control, const activity::GlidePath& path, double delay);

    // ---- Checking ----
    void rejectPlacement(int slot);
    // Once every box is filled: says how it went, sends the wrong pictures home. 1 go on,
    // 0 solved.
    int checkSequence();

    // ---- Access methods (FormAnimationSelection.cpp, FormAnimationPointer.cpp) ----
    std::int16_t TargetBox = 0;   // the first empty box, 0 when every box is filled
    double TimedScanStart = 0.0;  // monotonic seconds when the timed highlight last moved

    // What a click on the picture of `slot` does once it passed the guards: it becomes the
    // clicked slot. The run loop takes it up. Tests use it to place pictures.
    void selectSlot(int slot);
    // The introduction recording and the access instructions before a run.
    virtual void introduceTask();
    // The run loop of the scanning and clicking methods; true when the task was solved, false
    // when the run was left by Exit.
    virtual bool runSelectionLoop();
    void highlightSlot(int slot);
    void placeScanPointer();
    void markTargetBox();
    void placeTargetArrow();
    // Clicks of the scanning and clicking methods.
    void PicScan_MouseDown();
    void PicScan_MouseUp();
    void ImBase_Click(int slot);
    void LabShowTitle_Click(int slot);
    void PicBase_Click(int slot);
    void ImSeq_Click();
    void ImSeparator_Click();
    void LabGeneralInfo_Click();
    // The pointer methods' handling, shared by PicBase, ImBase and LabShowTitle of a slot.
    // `cursor` is the cursor in the window's coordinates.
    void Picture_MouseDown(int slot, QPoint cursor);
    void Picture_MouseMove(int slot, QPoint cursor);
    void Picture_MouseUp(int slot);
    // A pass of the pointer run: drops held back while a sentence played, and rejections.
    void finishPendingDrops();
    // The video and the review lesson before a task and from their buttons.
    virtual void playVideoBeforeTask();
    virtual void playLesson();
    virtual void PicPlayVideo_Click();
    void PicStopLessonBut_Click();
    void PicTvPause_Click();
    void PicTvPlay_Click();
    void PicTvRewind_Click();
    void PicTvSkip_Click();
    // The clip's player, made on first use.
    MediaPlayer& MP1();
    // A clip asked to play that is still loading after this long is given up.
    static constexpr double kClipLoadTimeoutSeconds = 5.0;
    // Writes the task's result (TaskFinished says whether it was solved).
    virtual void recordResults();
    // The reward for a solved task; records the result first.
    void showReward();

    // Showing the window starts the activity; a harness that drives the board itself turns
    // that off.
    void setStartsOnShow(bool starts) { startsOnShow_ = starts; }
    // Pictures are kept decoded for the next layout; this forgets them (a benchmark of the
    // first layout of a task).
    void forgetDecodedPictures() { pictures_.clear(); }
    bool activityRunning() const { return activityRunning_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the activity stands, for what a window close means at that moment.
    enum class Phase { Loading, BeforeRun, Run, Reward, Menu };

    // What leaving the activity (closing or unloading the window) means where it stands.
    void leaveActivity();
    // The board of a new run: empty, laid out, introduced.
    void startRun();
    void createBoardControls();
    void createButtons();
    void createMenu();
    void wireHandlers();
    void loadButtonFaces();
    // Loads a button's face from the data folder; a missing face leaves the button showing its
    // caption, which the student can still use, so the problem goes to the log.
    static void loadFace(PictureButton* button, const QString& bareName);
    void showLoadingProblem(const QString& problem);
    void applyBoard();
    void applySlot(int k);
    void placeJumpStart(const activity::BoardState& beforeJumpStart);
    void loadImageAt(PictureBox* image, const QString& path, QSize size);
    // The picture of slot k ("0" for a file that has gone), or the missing-picture card.
    void loadStepPicture(int k, const QString& file, QSize size);
    void showOwnPicture(PictureBox* box, const QString& bareName);
    void glideHand(const activity::GlidePath& path);
    int checkBoxes(activity::BoardLayout layout);
    void sendHomeFromBox(int box);
    void showBoxAgain(int box);
    int menuMethod() const;
    void untickTask(int position);
    void tidyTaskWindow();

    activity::BoardGeometry geometry_;
    activity::BoardOptions options_;
    QStringList undecodablePictures_;
    PictureCache pictures_;
    Phase phase_ = Phase::Loading;
    bool leaving_ = false;  // the window is being closed or unloaded: the activity ends
    bool startsOnShow_ = true;
    bool activityRunning_ = false;
    bool deleteWhenDone_ = false;

    // ---- Access methods ----
    bool runStepScanning();
    bool runDirectSelection();
    bool runTimedScanning();
    void wireAccessHandlers();
    // The mouse's press on a picture of the window while a picture is carried (click to carry):
    // wherever it lands, it is the dropping click of the carried picture. True when taken.
    bool carryPress(QEvent* event);
    bool pictureIgnoresInput(int slot) const;
    bool pointerMethod() const;
    void dropPicture(int slot);
    void resetPointerState();
    QCursor handCursor_;
    int droppingSlot_ = 0;                                // click to carry: the picture the dropping click let go
    int pendingDrop_ = 0;                                 // a drop made while a sentence played, finished after it
    std::array<int, 11> pickUps_{};                       // pick-ups of each slot, so a stale rejection is skipped
    std::vector<std::pair<int, int>> pendingRejections_;  // (slot, its pick-ups at the drop)

    // ---- Results and reward (FormAnimationReward.cpp) ----
    // When the task on the board began (its layout), on the monotonic clock: the task's time.
    double taskStartSeconds_ = 0.0;
    // At the hand-back to the task selection: writes what is still pending and tells the teacher
    // what could not be saved during the activity.
    void handBackResultsProblems();

    // ---- Lesson (FormAnimationLesson.cpp) and video (FormAnimationVideo.cpp) ----
    void createLessonControls();
    void createTelevision();
    // Moves the lesson's hand one twip per step along the path; false when the lesson was
    // stopped on the way.
    bool moveLessonHand(const activity::GlidePath& path);
    void placeLessonHand();
    bool clipExists() const;
    // The clip on the panel: announcement, playing, the wait. beforeTask adds the early-exit
    // test and the second of silence.
    void showClip(bool beforeTask);
    void announceClip();
    void waitForClip(bool beforeTask);

    std::unique_ptr<MediaPlayer> player_;
    QString clipPath_;
    QPoint lessonHandTwips_;  // where the lesson's hand is, in twips
    int lessonTwipsPerPixel_ = 15;
};
