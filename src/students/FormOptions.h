#pragma once

#include "core/Result.h"
#include "core/TextFormat.h"
#include "students/OptionControls.h"

#include <QRect>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class ColourButton;
class PictureBox;
class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class WrapRadioButton;

// The options window: a main panel with the student list and a button per topic, and nine
// panels on which the teacher sets the options of one student. Every panel's Done stores the
// controls into StudentOptions and writes the student's option file at once.
//
// Split by subject: FormOptions.cpp (main panel, activation, storing, leaving),
// FormOptionsPanels.cpp (the sub-panels), FormOptionsJumpStart.cpp, FormOptionsSpeed.cpp (the
// speed box, its calibration and demonstration), FormOptionsSummary.cpp.
class FormOptions : public QWidget {
    Q_OBJECT
public:
    explicit FormOptions(QWidget* parent = nullptr);
    ~FormOptions() override;

    // Main panel.
    QFrame* FrameAllOptions = nullptr;
    QListWidget* ListLogonOptions = nullptr;
    QPushButton* CmdDevice = nullptr;
    QPushButton* cmdFeedBack = nullptr;
    QPushButton* CmdNumbers = nullptr;
    QPushButton* CmdSpeed = nullptr;
    QPushButton* CmdAuditory = nullptr;
    QPushButton* CmdVideo = nullptr;
    QPushButton* CmdReward = nullptr;
    QPushButton* CmdHeadStart = nullptr;
    QPushButton* CmdSummary = nullptr;
    QPushButton* CmdDone = nullptr;
    QPushButton* CmdCancelChanges = nullptr;
    QPushButton* CmdInstallSynth = nullptr;
    QPushButton* CmdTestSynth = nullptr;

    // The nine panels and their Done (or Back) buttons.
    QGroupBox* FrameInputDevice = nullptr;
    QGroupBox* FrameFeedback = nullptr;
    QGroupBox* FrameNumbers = nullptr;
    QGroupBox* FrameSpeed = nullptr;
    QGroupBox* FrameAuditory = nullptr;
    QGroupBox* FrameVideo = nullptr;
    QGroupBox* FrameReward = nullptr;
    QGroupBox* FrameHeadStart = nullptr;
    QGroupBox* FrameSummary = nullptr;
    QPushButton* CmdDeviceDone = nullptr;
    QPushButton* CmdFeedbackDone = nullptr;
    QPushButton* cmdNumbersDone = nullptr;
    QPushButton* CmdSpeedDone = nullptr;
    QPushButton* cmdAuditoryDone = nullptr;
    QPushButton* CmdVideoDone = nullptr;
    QPushButton* CmdRewardDone = nullptr;
    QPushButton* CmdHeadStartDone = nullptr;
    QPushButton* CmdSummaryBack = nullptr;

    // Option groups: entry i sets its field to i; entry 0 is never used.
    using OptionButtons = std::array<QAbstractButton*, 11>;
    OptionButtons OptInputDevice{}, OptFeedback{}, seqOption{}, OptionBC{}, OptLayout{}, OptSeqStyle{}, OptionTitle{},
        OptInstructions{}, OptAudio{}, OptLesson{}, OptLessonButton{}, OptVideo{}, OptVideoButton{}, OptReward{};
    QSlider* SliderScanTime = nullptr;

    // Picture movement speed.
    QLineEdit* TextSpeed = nullptr;
    QPushButton* CmdTestSpeed = nullptr;
    QPushButton* CmdStopTest = nullptr;
    QPushButton* CmdSpeedFaster = nullptr;
    QPushButton* CmdSpeedSlower = nullptr;
    QPushButton* CmdCalibrate = nullptr;
    QFrame* FrameTestSpeed = nullptr;
    PictureBox* PicSpeed = nullptr;

    // Jump start: CheckHeadStart[N][j] is the box of position j in tasks of N steps (the
    // arrays CheckHeadStart2 .. CheckHeadStart10); entries outside 2..10, 1..N are null.
    std::array<std::array<QCheckBox*, 11>, 11> CheckHeadStart{};

    // Summary.
    QLabel* labelSummaryTitle = nullptr;
    std::array<QLabel*, 13> LabelSummary{};

    // 1 once the teacher has changed a control since the window was shown; asked by Cancel.
    std::int16_t OptionsChanged = 0;
    // The marks of the speed demonstration and the calibration (1 = set).
    std::int16_t DemoStop = 0;
    std::int16_t DemoRunning = 0;
    std::int16_t CalibrationStop = 0;

    // The delay after each one-twip step of the speed box; killtime unless a test gives another.
    std::function<double(double)> speedDelay;

    // Where the yellow speed box is, in twips from the strip's left edge.
    int speedBoxLeftTwips() const { return speedBoxLeft_; }

    // Loads CurrentStudent's options and sets every control from them (the controls are set
    // from the record in memory even when the load fails; the error is returned).
    Status showStudentOptions();
    // Sets the record from the controls and writes CurrentStudent's file. A speed box that does
    // not hold 1 to 9 digits is refused (nothing is changed or written).
    Status storeStudentOptions();
    void fillOptionsStudentList();

    void Form_Activate();
    void ListLogonOptions_Click(const QString& student);
    void CmdDone_Click();
    void CmdCancelChanges_Click();
    void CmdInstallSynth_Click();
    void CmdTestSynth_Click();
    void CmdSummary_Click();
    void CmdSummaryBack_Click();
    void CmdHeadStartDone_Click();

    void CmdCalibrate_Click();
    void CmdTestSpeed_Click();
    void CmdStopTest_Click();
    void CmdSpeedFaster_Click();
    void CmdSpeedSlower_Click();
    // Returns false when the key is discarded.
    bool TextSpeed_KeyPress(QChar key);
    void TextSpeed_LostFocus();
    // The focus has left the speed box: TextSpeed_LostFocus once the click that moved it is over.
    void speedBoxLeft();
    // Says that the box must hold 0 to 999999999 and puts the focus back into it.
    void refuseSpeedBox();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct GroupBinding {
        const OptionGroup* group;
        OptionButtons* buttons;
        QButtonGroup* exclusive;
    };

    void buildMainPanel();
    void buildDevicePanel();
    void buildFeedbackPanel();
    void buildLayoutPanel();
    void buildPicturePanel();
    void buildAuditoryPanel();
    void buildVideoPanel();
    void buildRewardPanel();
    void buildJumpStartPanel();
    void buildSummaryPanel();
    void buildSpeedGroup(QGroupBox* group);

    // A panel of the window with its caption, hidden; addDoneRow puts its Done (or Back) button
    // at its foot.
    QGroupBox* addPanel(const char* objectName, const QString& caption);
    QPushButton* addDoneRow(QGroupBox* panel, const char* objectName, const QString& caption = {});
    QGroupBox* optionGroupBox(QWidget* parent, const QString& title, const QStringList& texts, const char* groupName,
                              OptionButtons& buttons);
    void addOptionButtons(QWidget* parent, QBoxLayout* layout, const char* groupName, OptionButtons& buttons);
    void addPanelText(QWidget* parent, QBoxLayout* layout, const QString& text);

    void openPanel(QGroupBox* panel, QPushButton* opener);
    void showMainPanel();
    void centrePanel(QWidget* panel);
    // Done of every panel but Jump Start: stops the speed display, stores, returns to the main
    // panel; a failed store says so and leaves the panel open.
    void panelDone(QGroupBox* panel);
    bool storeAndShowMessage();
    void setSummaryCaption();
    void paintColourButtons();
    void markChanged() { OptionsChanged = 1; }
    // A message box, and the question of Cancel; the window has the keyboard again afterwards.
    void tell(const QString& text);
    bool ask(const QString& question);
    void reactivate();

    // Speed.
    void stopSpeedDisplay();
    void setSpeedButtonsIdle();
    void setSpeedButtonsRunning();
    void placeSpeedBox(int leftTwips);
    void runDemonstration();
    double delay(double value);
    // After a demonstration or a calibration returns: a leave asked for meanwhile happens now.
    void loopEnded();
    void leaveForMainMenu();

    std::vector<GroupBinding> bindings_;
    QList<QGroupBox*> panels_;
    QPushButton* openedBy_ = nullptr;

    int toPixelsX(double twips) const { return roundToInt16(twips / twipsPerPixelX_); }
    int toPixelsY(double twips) const { return roundToInt16(twips / twipsPerPixelY_); }

    QRect summaryFirstLineTwips_;  // where the summary's first line was designed, in twips
    double twipsPerPixelX_ = 15;
    double twipsPerPixelY_ = 15;
    int speedBoxLeft_ = 25;
    QString shownSpeedText_;          // the speed as showStudentOptions put it in the box
    bool scanIntervalMoved_ = false;  // the teacher has moved the slider since then
    int loopDepth_ = 0;               // demonstrations and calibrations running, one inside the other
    bool calibrating_ = false;
    bool unloadPending_ = false;  // "Main Menu" came while a loop ran: unload once it has returned
    int displayStops_ = 0;        // how often the speed display was stopped
    bool fillingList_ = false;
    bool speedMessageShowing_ = false;
};
