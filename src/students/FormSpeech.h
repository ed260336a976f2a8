#pragma once

#include <QWidget>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct SpeechEngineCheck;

// "Speech": how to get synthesized speech working on this computer. It checks whether the
// speech engine (eSpeak NG, through the program's helper stepwick-speak) and an English voice
// are there, and says which Debian packages to install when they are not. Opened from the
// options window, and closed back to it.
class FormSpeech : public QWidget {
    Q_OBJECT
public:
    explicit FormSpeech(QWidget* parent = nullptr);

    QGroupBox* FrSpeechInstall = nullptr;
    QPushButton* CmdCheckSpeech = nullptr;
    QLabel* LabSpeechStatus = nullptr;
    QLineEdit* TextInstallCommand = nullptr;
    QPushButton* CmdCopyCommand = nullptr;
    QPushButton* CmdInstallClose = nullptr;

    // Step One: asks the speech service what is there and shows the answer.
    void CmdCheckSpeech_Click();
    // Step Two: puts the install command on the clipboard, to paste into a terminal.
    void CmdCopyCommand_Click();
    void CmdInstallClose_Click();

    // What the teacher reads for a check's result, and the command that installs what is missing.
    static QString statusText(const SpeechEngineCheck& check);
    static QString installCommand(const SpeechEngineCheck& check);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
