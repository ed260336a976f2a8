#pragma once

#include "library/TaskListTexts.h"
#include "maintenance/TaskSlots.h"
#include "maintenance/WorkshopMedia.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class FileBrowser;
class LevelMeter;
class MediaPlayer;
class PictureBox;
class PictureButton;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeView;
class RecordTimer;
struct RecordingResult;

// "Task Maintenance": the teacher's workshop. A stack of frames of which one is shown at a time:
// the small menu, the task list and the four steps of the task wizard, the picture library and
// the three steps of the picture wizard, the prompt screen and the print preview; over them the
// video chooser and the troubleshooting panel. The controls carry the names the teacher's manual
// uses.
//
// The files: FormMaint.cpp (the window, its frames, activation, the lists, leaving),
// FormMaintTaskFrames.cpp / FormMaintTasks.cpp (the task list and wizard: controls / handlers),
// FormMaintPictureFrames.cpp / FormMaintPictures.cpp (the picture library and wizard),
// FormMaintMediaFrames.cpp (the controls of the media), FormMaintMedia.cpp (the recorders and the
// troubleshooting panel), FormMaintPrompts.cpp (the prompt screen), FormMaintVideo.cpp (the video
// chooser and printing).
class FormMaint : public QWidget {
    Q_OBJECT
public:
    explicit FormMaint(QWidget* parent = nullptr);
    ~FormMaint() override;

    // The frames, in the stack.
    QStackedWidget* Frames = nullptr;
    QFrame* FrameTaskMaker = nullptr;
    QFrame* FrameTMTaskSelect = nullptr;
    QFrame* FrameMaint1 = nullptr;
    QFrame* FrameMaint2 = nullptr;
    QFrame* FrameMaint3 = nullptr;
    QFrame* FrameMaint4 = nullptr;
    QFrame* FrameTMPicSelect = nullptr;
    QFrame* FrameSelectPic1 = nullptr;
    QFrame* FrameSelectPic2 = nullptr;
    QFrame* FrameSelectPic3 = nullptr;

    // The menu.
    QPushButton* CmdTMPics = nullptr;
    QPushButton* CmdTMTasks = nullptr;
    QPushButton* CmdOverlayWaves = nullptr;
    QPushButton* CmdMainMenu = nullptr;

    // The task list.
    QListWidget* ListTasks = nullptr;
    QPushButton* CmdAddTask = nullptr;
    QPushButton* CmdExistingTask = nullptr;
    QPushButton* CmdDeleteTask = nullptr;
    QPushButton* CmdPrintTask = nullptr;
    QPushButton* CmdTMTaskBack = nullptr;

    // Task wizard, step 1: description and category.
    QLineEdit* TextTask = nullptr;
    QComboBox* textTaskCategory = nullptr;
    QPushButton* CmdNextTask2 = nullptr;
    QPushButton* CmdStep1Cancel = nullptr;

    // Step 2: the pictures of the steps. Slots 1..10; entry 0 is never made.
    QListWidget* ListPicStep = nullptr;
    PictureBox* ImageCopyPreview = nullptr;
    std::array<PictureBox*, kMaxSteps + 1> ImageStep{};
    std::array<QLabel*, kMaxSteps + 1> LabelStep{};
    std::array<QPushButton*, kMaxSteps + 1> CmdPastePic{};
    std::array<QPushButton*, kMaxSteps + 1> CmdClearPic{};
    QPushButton* CmdMaint4Back3 = nullptr;
    QPushButton* CmdMaint2Next = nullptr;
    QPushButton* CmdTaskCancel = nullptr;

    // Step 3: the video clip.
    QLabel* LabVideoInfo = nullptr;
    QLabel* LabelVideoInfo = nullptr;
    QLabel* LabCurrentVideo = nullptr;
    QPushButton* CmdAddModifyTaskVideo = nullptr;
    QPushButton* CmdremoveVideo = nullptr;
    QPushButton* Cmdtask2Back1 = nullptr;
    QPushButton* Cmdtask2Next3 = nullptr;
    QPushButton* CmdDefineVideoDone = nullptr;

    // Step 4: the introduction.
    QLabel* LabelTaskName = nullptr;
    QLabel* LabelAudioIntro = nullptr;
    PictureButton* PicRecordWaveIntro = nullptr;
    PictureButton* PicStopRecordingIntro = nullptr;
    PictureButton* PicPlayRecordIntro = nullptr;
    QPushButton* CmdClearAudioIntro = nullptr;
    QPushButton* CmdTroubleIntro = nullptr;
    QPushButton* Cmdmaint3Back2 = nullptr;
    QPushButton* CmdTaskSave = nullptr;
    QPushButton* CmdGoBackIntro = nullptr;

    // The picture library.
    QListWidget* ListPics = nullptr;
    QPushButton* CmdAddPic = nullptr;
    QPushButton* CmdModifyPic = nullptr;
    QPushButton* CmdDeletePic = nullptr;
    QPushButton* cmdTMPicSelectBack = nullptr;

    // Picture wizard, step 1: the image. Dir1 and File1 are the browser's tree and list.
    FileBrowser* PictureBrowser = nullptr;
    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    PictureBox* ImagePreview = nullptr;
    PictureBox* ImageCurrentPicture = nullptr;
    QLabel* LabCurrentPicFile = nullptr;
    QPushButton* CmdPastePicture = nullptr;
    QPushButton* CmdClearPicture = nullptr;
    QPushButton* CmdPicStepForward2 = nullptr;
    QPushButton* CmdPic1cancel = nullptr;

    // Step 2: category, description, spoken text.
    PictureBox* ImagePicStep2 = nullptr;
    QComboBox* textCategory = nullptr;
    QLineEdit* TextPicDesc = nullptr;
    QLineEdit* TextPhonetic = nullptr;
    QPushButton* CmdPicBack1 = nullptr;
    QPushButton* CmdPicForward3 = nullptr;
    QPushButton* CmdPic2Cancel = nullptr;

    // Step 3: the narration.
    PictureBox* ImagePicStep3 = nullptr;
    QLabel* LabelTitleFromStep2 = nullptr;
    QLabel* LabelNotRecording = nullptr;
    QLabel* LabCurrentWaveFile = nullptr;  // never shown: the narration as read, later a new recording
    PictureButton* PicStartRecordingAuditory = nullptr;
    PictureButton* PicStopRecordingAuditory = nullptr;
    PictureButton* PicPlayRecordingAuditory = nullptr;
    QPushButton* CmdEraseRecording = nullptr;
    QPushButton* CmdTrouble = nullptr;
    QPushButton* CmdPicback2 = nullptr;
    QPushButton* CmdSaveExit = nullptr;
    QPushButton* CmdExitNoSave = nullptr;

    // The level meters beside the two recorders.
    LevelMeter* MeterIntro = nullptr;
    LevelMeter* MeterAuditory = nullptr;

    // The recorders share one device: RecordingActive is 1 while any of them records. Each has its
    // 15-second limit.
    std::int16_t RecordingActive = 0;
    RecordTimer* TimerRecord = nullptr;
    RecordTimer* TimerRecordIntro = nullptr;
    RecordTimer* TimerOverlay2 = nullptr;

    // The troubleshooting panel, shown over any frame.
    QFrame* FrameTrouble = nullptr;
    PictureBox* ImageMicUsb = nullptr;
    PictureBox* ImageMicJack = nullptr;
    QPushButton* CmdShowWindowsVolume = nullptr;
    QPushButton* CmdtroubleClose = nullptr;

    // The prompt screen ("Language Customization").
    QFrame* FrameOverlayRecord2 = nullptr;
    std::array<QRadioButton*, kPromptCount> OptOverlay{};
    std::array<QLabel*, kPromptCount> OptOverlayCaption{};  // each option's wording, wrapped beside it
    QLabel* LabExplainOverlay2 = nullptr;
    PictureButton* PicOverlayRecord2 = nullptr;
    PictureButton* PicOverlayStopRecord2 = nullptr;
    LevelMeter* MeterOverlay2 = nullptr;
    QPushButton* cmdOverlayPlay2 = nullptr;
    QPushButton* cmdOverlayRevert2 = nullptr;
    QPushButton* CmdTrouble2 = nullptr;
    QPushButton* CmdOverlayBack2 = nullptr;
    QLineEdit* TextReview = nullptr;
    std::array<QString, kPromptCount> PromptFiles;
    std::array<QString, kPromptCount> PromptHelp;
    int SelectedPrompt = 0;

    // The video chooser, shown over step 3. Dir3 and File3 are the browser's tree and list; the
    // preview shows in VideoScreen.
    QFrame* FrameTaskVideo = nullptr;
    FileBrowser* VideoBrowser = nullptr;
    QTreeView* Dir3 = nullptr;
    QListView* File3 = nullptr;
    QFrame* FrameVideo = nullptr;
    QWidget* VideoScreen = nullptr;
    QPushButton* CmdUseVideo = nullptr;
    QPushButton* CmdCancelVideo = nullptr;
    // The preview's player, made at the first preview, and the clip it holds (its file name).
    std::unique_ptr<MediaPlayer> MediaPlayer1;
    QString MediaPlayer1FileName;

    // The print preview.
    QFrame* FramePrintPic = nullptr;
    PictureBox* ImgPrintPreview = nullptr;
    QPushButton* CmdPrintThisPic = nullptr;
    QPushButton* CmdPrintNextPic = nullptr;
    // 1 while the preview waits for the teacher's choice; the choice: 1 print, 0 skip.
    std::int16_t PrintWaiting = 0;
    std::int16_t PrintChoice = 0;

    // The task wizard's state.
    QString EditTaskFile;            // bare name of the task file being made or changed
    QString EditTaskId;              // its id
    StepSlots EditStepFiles;         // the picture file in each slot; empty or "None" for an empty slot
    StepSlots EditStepPictures;      // the image shown in each slot; empty or "None" for an empty slot
    QString SelectedLibraryPicture;  // the image of the picture highlighted in ListPicStep
    std::int16_t EditStepCount = 0;
    // 1 from the start of a new or changed task (and of a print) until the wizard enters step 3:
    // the video chooser ignores single clicks in its file list meanwhile.
    std::int16_t IgnoreVideoListClicks = 0;

    // The lists' files, in list order: ListTasks, and ListPics and ListPicStep (one list for both).
    QStringList TaskListFiles;
    QStringList PictureListFiles;

    // The picture wizard's state.
    QString EditPictureFile;  // bare name of the picture file; empty for a new one until its save
    QString EditPictureId;
    QString EditNarration;  // the path of temp.wav when the picture has a narration, else empty or "None"

    void Form_Activate();
    void fillLibraryLists();
    void fillStepPictureList();
    void updateStepButtons();
    void resetTaskSlots();

    // Navigation.
    void CmdTMTasks_Click();
    void CmdTMTaskBack_Click();
    void CmdTMPics_Click();
    void cmdTMPicSelectBack_Click();
    void CmdMainMenu_Click();

    // The task wizard.
    void CmdAddTask_Click();
    void CmdExistingTask_Click();
    void CmdDeleteTask_Click();
    void CmdNextTask2_Click();
    void CmdMaint4Back3_Click();
    void CmdMaint2Next_Click();
    void Cmdtask2Back1_Click();
    void Cmdtask2Next3_Click();
    void Cmdmaint3Back2_Click();
    void ListPicStep_Click();
    void CmdPastePic_Click(int index);
    void CmdClearPic_Click(int index);
    void CmdTaskSave_Click();
    // Every Cancel of the task wizard (CmdStep1Cancel, CmdTaskCancel, CmdDefineVideoDone,
    // CmdGoBackIntro).
    void cancelTaskWizard();

    // The picture wizard.
    void CmdAddPic_Click();
    void CmdModifyPic_Click();
    void CmdDeletePic_Click();
    void File1_DblClick();
    void CmdPastePicture_Click();
    void CmdClearPicture_Click();
    void CmdPicStepForward2_Click();
    void CmdPicBack1_Click();
    void CmdPicForward3_Click();
    void CmdPicback2_Click();
    void CmdPic1cancel_Click();
    void CmdPic2Cancel_Click();
    void CmdExitNoSave_Click();
    void CmdSaveExit_Click();

    // The media of the wizards' last steps and printing (FormMaintMedia.cpp): what the wizards call
    // today; the recorders, the video chooser and the print preview plug in here.
    void showTaskInfo();
    void prepareVideoPreview();
    void stopVideoPreview();
    void CmdAddModifyTaskVideo_Click();
    void CmdremoveVideo_Click();
    void CmdPrintTask_Click();
    void CmdOverlayWaves_Click();
    // Shows or hides the introduction's play control and clear button.
    void showIntroductionControls(bool recorded);
    // The narration recorder as a picture is opened: idle, play control hidden, the erase button
    // usable only when the picture has a narration.
    void resetNarrationRecorder(bool recorded);
    // Called before the wizard leaves the introduction step or the narration step (Back, Save,
    // Cancel, closing the window); discard is true for Cancel. Ends a running recording first.
    void leavingIntroductionStep(bool discard);
    void leavingNarrationStep(bool discard);

    // The recorders (FormMaintMedia.cpp).
    void PicStartRecordingAuditory_Click();
    void PicStopRecordingAuditory_Click();
    void PicPlayRecordingAuditory_Click();
    void TimerRecord_Timer();
    void CmdEraseRecording_Click();
    void finishStepRecording();
    void PicRecordWaveIntro_Click();
    void PicStopRecordingIntro_Click();
    void PicPlayRecordIntro_Click();
    void TimerRecordIntro_Timer();
    void CmdClearAudioIntro_Click();
    void finishIntroRecording();
    // CmdTrouble, CmdTroubleIntro and CmdTrouble2.
    void CmdTrouble_Click();
    void CmdtroubleClose_Click();
    void CmdShowWindowsVolume_Click();

    // The prompt screen (FormMaintPrompts.cpp).
    void OptOverlay_Click(int index);
    void PicOverlayRecord2_Click();
    void PicOverlayStopRecord2_Click();
    void TimerOverlay2_Timer();
    void cmdOverlayPlay2_Click();
    void cmdOverlayRevert2_Click();
    void CmdOverlayBack2_Click();

    // The video chooser and printing (FormMaintVideo.cpp).
    void File3_Click();
    void File3_DblClick();
    void CmdUseVideo_Click();
    void CmdCancelVideo_Click();
    void CmdPrintThisPic_Click();
    void CmdPrintNextPic_Click();

    // The panel shown over the frames (the video chooser, the troubleshooting panel), or null.
    QFrame* currentOverlay() const { return overlay_; }

    // Shows one frame of the stack and puts the keyboard focus on its first control.
    void showFrame(QFrame* frame);
    QFrame* currentFrame() const;
    // Adds a frame to the stack (the media's frames join it this way).
    void addFrame(QFrame* frame);

    // The highlighted row of a list, or -1 when nothing is highlighted.
    static int highlightedRow(const QListWidget* list);
    // The same, but with nothing highlighted the message is shown.
    static int highlightedRowOrSay(const QListWidget* list, const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenuFrame();
    void buildTaskFrames();
    void buildTaskListFrame();
    void buildTaskStep1();
    void buildTaskStep2();
    void buildTaskStep3();
    void buildTaskStep4();
    void buildPictureFrames();
    void buildPictureListFrame();
    void buildPictureStep1();
    void buildPictureStep2();
    void buildPictureStep3();
    void connectTaskHandlers();
    void connectPictureHandlers();
    void setUpMediaControls();
    void buildTroubleFrame();
    void buildPromptFrame();
    void buildVideoChooser();
    void buildPrintFrame();

    // The recordings: which recorder records (one at a time), starting and ending it.
    enum class Recorder { None, Step, Intro, Prompt };
    bool beginRecording(Recorder recorder);
    RecordingResult endRecording(const QString& path);
    void dropRecording();
    // Tells the teacher when a recording brought nothing or only silence.
    void reportRecording(const RecordingResult& result);
    void showLevel();
    void finishPromptRecording();
    void resetPromptRecorder();

    void previewClip();
    void showOverlay(QFrame* overlay);
    void hideOverlay();
    void placeOverlay();
    void resetVideoPreview();

    void fillPictureLists(const QList<ListedFile>& pictures);
    void showListProblems(const QStringList& problems);
    void showStepPicture(int slot);
    void startTaskWizard();
    void startBrowsing(const QString& picture);
    void highlightFile(QListWidget* list, const QStringList& files, const QString& file);
    bool removeFiles(const QStringList& paths);
    void removeTemporary(const QString& name);
    void leaveWindow();

    ProblemsShownOnce shownProblems_;
    Recorder recording_ = Recorder::None;
    QFrame* overlay_ = nullptr;
    QPointer<QWidget> overlayReturnFocus_;
    bool printCancelled_ = false;
};
