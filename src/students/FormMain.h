#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

#include "app/WindowSetup.h"

class PictureBox;
class PictureButton;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class ReportViewer;

// The start-up window and hub: the edition's logo and the main menu, the log-on panel, the
// student panel (add, remove, view data) and the first-run speed calibration.
//
// Split by subject: FormMain.cpp (panels, activation, menu), FormMainRoster.cpp (the two student
// lists, adding and removing, viewing data), FormMainCalibration.cpp (the first-run calibration).
class FormMain : public QWidget {
    Q_OBJECT
public:
    explicit FormMain(QWidget* parent = nullptr);
    ~FormMain() override;

    // The main menu.
    QFrame* FrameMain = nullptr;
    PictureBox* ImageBanner = nullptr;
    PictureButton* ImageEnter = nullptr;
    PictureButton* ImageOptions = nullptr;
    PictureButton* ImageQuit = nullptr;
    PictureButton* ImageButTask = nullptr;
    PictureButton* PicButStudent = nullptr;
    PictureButton* ImageUserGuide = nullptr;
    PictureButton* ImageCredits = nullptr;

    // The log-on panel.
    QGroupBox* FrameStartLogon = nullptr;
    QListWidget* ListLogon = nullptr;
    QPushButton* CmdLogonContinue = nullptr;
    QPushButton* CmdLogonBack = nullptr;

    // The student panel, with its "View Student Data" group.
    QGroupBox* FrameStudent = nullptr;
    QListWidget* ListLogon2 = nullptr;
    QLineEdit* TextAddLogon = nullptr;
    QPushButton* CmdButAddLogon = nullptr;
    QPushButton* CmdDeleteLogon = nullptr;
    QGroupBox* FrameView = nullptr;
    QPushButton* CmdViewStudentData = nullptr;
    QPushButton* CmdSpreadsheet = nullptr;
    QPushButton* CmdStudentBack = nullptr;

    // The first-run calibration.
    QFrame* FrameInitSpeed = nullptr;
    PictureBox* PicBackCalibrate = nullptr;
    PictureBox* PicCalibrate = nullptr;
    QLineEdit* TextCalibSpeed = nullptr;

    // The delay after each one-twip move of the calibration picture; killtime unless a test
    // gives another.
    std::function<double(double)> calibrationDelay;

    // The report window of Simple Format, while one is open.
    ReportViewer* reportViewer() const { return reportViewer_; }
    // How often Form_Activate has run (once per showing).
    int activations() const { return activations_; }
    // Where the calibration picture is, in twips from the panel's left edge.
    double calibratePictureLeftTwips() const { return calibrateLeftTwips_; }

    void Form_Load();
    void Form_Activate();

    void ImageEnter_Click();
    void ImageOptions_Click();
    void ImageQuit_Click();
    void ImageButTask_Click();
    void PicButStudent_Click();
    void ImageUserGuide_Click();
    void ImageCredits_Click();
    void CmdLogonBack_Click();
    void CmdLogonContinue_Click();
    void CmdStudentBack_Click();

    void fillLogonList();
    void fillStudentList();
    void ListLogon_Click(const QString& student);
    void CmdButAddLogon_Click();
    void CmdDeleteLogon_Click();
    void CmdViewStudentData_Click();
    void CmdSpreadsheet_Click();

    // The first-run calibration: the explanation, the measurement on FrameInitSpeed, the result
    // saved to CurrentStudent, "Calculation Complete".
    void calibrateFirstRun();

    // True when the program may end: nothing waits for a result file, or what waits was written
    // now, or the teacher chose to quit and lose it.
    bool mayQuit();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMainFrame();
    void buildLogonFrame();
    void buildStudentFrame();
    void buildInitSpeedFrame();
    void centreFrame(QWidget* frame);
    void showOnly(QWidget* frame);
    void loadCurrentStudent();
    // The entry of ListLogon2 selected, empty when none.
    QString selectedStudent() const;
    // The student of ListLogon2 whose file with this ending may be shown, or empty after saying why not.
    QString studentWithData(const QString& extension);
    void selectInLogonList(const QString& student);
    void placeCalibratePicture(double leftTwips);
    void tell(const QString& text);

    PictureButton* menuButtons_[7] = {};
    ReportViewer* reportViewer_ = nullptr;
    int activations_ = 0;
    ActivationOnShow activation_;
    bool fillingLists_ = false;
    bool quitting_ = false;
    double calibrateLeftTwips_ = 300;
};
