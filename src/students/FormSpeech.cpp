#include "students/FormSpeech.h"

#include "app/Forms.h"
#include "app/WindowSetup.h"
#include "platform/Services.h"
#include "students/OptionWidgets.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* boldLabel(const QString& text, QWidget* parent) {
    QLabel* label = wrappedLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}
}  // namespace

FormSpeech::FormSpeech(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormSpeech"));
    prepareWindow(this, false);
    setWindowTitle(tr("Speech"));
    setStyleSheet(optionsStyleSheet() + QStringLiteral("QWidget { font-size: 11pt; }"));
    ensurePolished();

    auto* outer = new QVBoxLayout(this);
    FrSpeechInstall = new QGroupBox(tr("eSpeak NG Text-To-Speech"), this);
    FrSpeechInstall->setObjectName(QStringLiteral("FrSpeechInstall"));
    FrSpeechInstall->setAccessibleName(FrSpeechInstall->title());
    outer->addWidget(FrSpeechInstall);
    auto* layout = new QVBoxLayout(FrSpeechInstall);
    layout->setSpacing(10);

    layout->addWidget(
        boldLabel(tr("Important:  Please read these instructions carefully before installing"), FrSpeechInstall));
    layout->addWidget(wrappedLabel(
        tr("If your computer is not outputting synthesized speech, then chances are the speech engine eSpeak NG or "
           "its English voice is not installed on your computer.  Stepwick speaks through its helper program "
           "stepwick-speak, which uses eSpeak NG.  Step One shows what is there and what is missing.  Step Two "
           "installs what is missing; it needs the password of the computer's administrator."),
        FrSpeechInstall));

    layout->addWidget(boldLabel(tr("Step One:  Check the speech engine"), FrSpeechInstall));
    auto* checkRow = new QHBoxLayout;
    LabSpeechStatus = wrappedLabel(QString(), FrSpeechInstall);
    LabSpeechStatus->setObjectName(QStringLiteral("LabSpeechStatus"));
    LabSpeechStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabSpeechStatus->setMinimumHeight(LabSpeechStatus->fontMetrics().lineSpacing() * 3);
    CmdCheckSpeech = namedButton(FrSpeechInstall, "CmdCheckSpeech", tr("Check Again"));
    checkRow->addWidget(LabSpeechStatus, 1);
    checkRow->addWidget(CmdCheckSpeech, 0, Qt::AlignTop);
    layout->addLayout(checkRow);

    layout->addWidget(boldLabel(tr("Step Two:  Install the missing packages"), FrSpeechInstall));
    layout->addWidget(wrappedLabel(tr("Open a terminal, paste this command into it and press Enter; type the "
                                      "administrator's password when you are asked for it:"),
                                   FrSpeechInstall));
    auto* commandRow = new QHBoxLayout;
    TextInstallCommand = new QLineEdit(FrSpeechInstall);
    TextInstallCommand->setObjectName(QStringLiteral("TextInstallCommand"));
    TextInstallCommand->setAccessibleName(tr("Install command"));
    TextInstallCommand->setReadOnly(true);
    TextInstallCommand->setStyleSheet(QStringLiteral("font-family: monospace;"));
    CmdCopyCommand = namedButton(FrSpeechInstall, "CmdCopyCommand", tr("Copy the Command"));
    commandRow->addWidget(TextInstallCommand, 1);
    commandRow->addWidget(CmdCopyCommand);
    layout->addLayout(commandRow);
    layout->addWidget(wrappedLabel(
        tr("When the installation has finished, click on \"Check Again\".  Then close this window and click on "
           "\"Test if Synthsized Speech is Working on your Computer\" to verify that Synthesized speech was installed "
           "successfully on your computer."),
        FrSpeechInstall));

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    CmdInstallClose = namedButton(FrSpeechInstall, "CmdInstallClose", tr("Close"));
    closeRow->addWidget(CmdInstallClose);
    layout->addLayout(closeRow);

    connect(CmdCheckSpeech, &QPushButton::clicked, this, &FormSpeech::CmdCheckSpeech_Click);
    connect(CmdCopyCommand, &QPushButton::clicked, this, &FormSpeech::CmdCopyCommand_Click);
    connect(CmdInstallClose, &QPushButton::clicked, this, &FormSpeech::CmdInstallClose_Click);

    TextInstallCommand->setText(installCommand({SpeechEngineCheck::Problem::EngineMissing, {}}));
    // Centred on the screen.
    resize(760, 560);
    centreOnScreen(this);
}

QString FormSpeech::statusText(const SpeechEngineCheck& check) {
    using Problem = SpeechEngineCheck::Problem;
    switch (check.problem) {
        case Problem::None:
            return tr(
                "The speech engine eSpeak NG and an English voice are installed: Stepwick can speak.  If you "
                "still hear nothing, check that the sound is turned up and the speakers are connected.");
        case Problem::HelperMissing:
            return tr("Stepwick's speech helper could not be started (%1).  It belongs beside the program: install "
                      "Stepwick again.")
                .arg(check.detail);
        case Problem::EngineMissing:
            return tr("The speech engine eSpeak NG is not installed (%1).  Install the Debian packages "
                      "libespeak-ng1 and espeak-ng-data (Step Two).")
                .arg(check.detail);
        case Problem::NoVoice:
            return tr("The speech engine eSpeak NG is installed, but it has no English voice (%1).  The English "
                      "voice comes with the Debian package espeak-ng-data: install it again (Step Two).")
                .arg(check.detail);
        case Problem::Failed:
            break;
    }
    return tr("The speech engine could not speak (%1).").arg(check.detail);
}

QString FormSpeech::installCommand(const SpeechEngineCheck& check) {
    if (check.problem == SpeechEngineCheck::Problem::NoVoice)
        return QStringLiteral("sudo apt install --reinstall espeak-ng-data");
    return QStringLiteral("sudo apt install libespeak-ng1 espeak-ng-data");
}

void FormSpeech::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CmdCheckSpeech->setFocus();
    QTimer::singleShot(0, this, &FormSpeech::CmdCheckSpeech_Click);
}

void FormSpeech::CmdCheckSpeech_Click() {
    LabSpeechStatus->setText(tr("Checking..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    platform::pump().doEvents();
    const SpeechEngineCheck check = platform::speech().checkEngine();
    QApplication::restoreOverrideCursor();
    LabSpeechStatus->setText(statusText(check));
    LabSpeechStatus->setAccessibleName(LabSpeechStatus->text());
    TextInstallCommand->setText(installCommand(check));
}

void FormSpeech::CmdCopyCommand_Click() {
    QGuiApplication::clipboard()->setText(TextInstallCommand->text());
    TextInstallCommand->selectAll();
}

void FormSpeech::CmdInstallClose_Click() {
    showForm(FormId::Options);
    unloadForm(FormId::Speech);
}

void FormSpeech::closeEvent(QCloseEvent* event) {
    // Closed by the window's own button: back to the options window as Close does.
    event->ignore();
    CmdInstallClose_Click();
}
