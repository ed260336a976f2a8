#include "students/FormTestSpeech.h"

#include "app/Forms.h"
#include "app/WindowSetup.h"
#include "platform/Services.h"
#include "students/OptionWidgets.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FormTestSpeech::FormTestSpeech(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormTestSpeech"));
    prepareWindow(this, false);
    setWindowTitle(tr("Test Synthesized Speech"));
    setStyleSheet(optionsStyleSheet() + QStringLiteral("QWidget { font-size: 12pt; }"));
    ensurePolished();

    auto* outer = new QVBoxLayout(this);
    FrTestSpeech = new QGroupBox(this);
    FrTestSpeech->setObjectName(QStringLiteral("FrTestSpeech"));
    outer->addWidget(FrTestSpeech);
    auto* layout = new QVBoxLayout(FrTestSpeech);
    layout->setSpacing(14);

    auto* testRow = new QHBoxLayout;
    testRow->addWidget(wrappedLabel(tr("Click the \"Test\" button."), FrTestSpeech), 1);
    CmdTestSpeech = namedButton(FrTestSpeech, "CmdTestSpeech", tr("Test"));
    testRow->addWidget(CmdTestSpeech);
    layout->addLayout(testRow);
    layout->addWidget(wrappedLabel(
        tr("If you do not hear the computer say the words \"This is a test\", then do the following:"), FrTestSpeech));
    layout->addWidget(
        wrappedLabel(tr("Close this window and then click on \"Install Synthesized Speech\""), FrTestSpeech));
    layout->addStretch(1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    CmdCloseSpeech = namedButton(FrTestSpeech, "CmdCloseSpeech", tr("Close"));
    closeRow->addWidget(CmdCloseSpeech);
    layout->addLayout(closeRow);

    connect(CmdTestSpeech, &QPushButton::clicked, this, &FormTestSpeech::CmdTestSpeech_Click);
    connect(CmdCloseSpeech, &QPushButton::clicked, this, &FormTestSpeech::CmdCloseSpeech_Click);

    // Centred on the screen.
    resize(640, 260);
    centreOnScreen(this);
    CmdTestSpeech->setFocus();
}

void FormTestSpeech::CmdTestSpeech_Click() { DirectSS1.speak(QStringLiteral("this is a test")); }

void FormTestSpeech::CmdCloseSpeech_Click() {
    DirectSS1.stop();
    showForm(FormId::Options);
    unloadForm(FormId::TestSpeech);
}

void FormTestSpeech::closeEvent(QCloseEvent* event) {
    // Closed by the window's own button: back to the options window as Close does.
    event->ignore();
    CmdCloseSpeech_Click();
}
