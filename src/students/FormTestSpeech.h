#pragma once

#include "audio/SpeechControl.h"

#include <QWidget>

class QGroupBox;
class QPushButton;

// "Test Synthesized Speech": speaks a fixed sentence, so that the teacher hears whether the
// computer's speech works. Opened from the options window, and closed back to it.
class FormTestSpeech : public QWidget {
    Q_OBJECT
public:
    explicit FormTestSpeech(QWidget* parent = nullptr);

    QGroupBox* FrTestSpeech = nullptr;
    QPushButton* CmdTestSpeech = nullptr;
    QPushButton* CmdCloseSpeech = nullptr;
    SpeechControl DirectSS1;

    void CmdTestSpeech_Click();
    void CmdCloseSpeech_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
};
