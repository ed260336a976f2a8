#include "students/FormMain.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "app/WindowSetup.h"
#include "audio/Sound.h"
#include "core/ShippedFiles.h"
#include "library/OptionsFile.h"
#include "library/ResultsRecord.h"
#include "platform/Services.h"
#include "students/ProgramType.h"
#include "students/ReportViewer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Twips of the menu buttons and the banner; converted with the screen's twips per pixel.
constexpr double kButtonWidthTwips = 1800;
constexpr double kButtonHeightTwips = 1500;
constexpr double kGapTwips = 240;
constexpr double kBannerHeightTwips = 2400;

QPushButton* panelButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    b->setMinimumHeight(40);
    return b;
}

// A panel over the black window: light, in the desktop's colours.
QGroupBox* lightPanel(QWidget* parent, const char* name, const QString& caption) {
    auto* panel = new QGroupBox(caption, parent);
    panel->setObjectName(QString::fromLatin1(name));
    // Colours set one by one: a palette that sets none inherits the black window's.
    QPalette light = panel->palette();
    light.setColor(QPalette::Window, QColor(236, 236, 236));
    light.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(light);
    panel->setAutoFillBackground(true);
    QFont f = panel->font();
    f.setPointSize(12);
    panel->setFont(f);
    panel->hide();
    return panel;
}

}  // namespace

FormMain::FormMain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormMain"));
    prepareWindow(this, true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    buildMainFrame();
    buildLogonFrame();
    buildStudentFrame();
    buildInitSpeedFrame();
    Form_Load();
}

FormMain::~FormMain() = default;

void FormMain::buildMainFrame() {
    const double tx = platform::screen().twipsPerPixelX();
    const double ty = platform::screen().twipsPerPixelY();
    const int bw = qRound(kButtonWidthTwips / tx);
    const int bh = qRound(kButtonHeightTwips / ty);
    const int gap = qRound(kGapTwips / tx);
    const int bannerH = qRound(kBannerHeightTwips / ty);
    const int width = 4 * bw + 3 * gap;

    FrameMain = new QFrame(this);
    FrameMain->setObjectName(QStringLiteral("FrameMain"));
    FrameMain->resize(width, bannerH + 2 * bh + 3 * gap);
    FrameMain->hide();

    ImageBanner = new PictureBox(FrameMain, QStringLiteral("ImageBanner"));
    ImageBanner->setGeometry(0, 0, width, bannerH);
    ImageBanner->setAccessibleName(tr("Stepwick"));

    struct Spec {
        PictureButton** button;
        const char* name;
        const char* caption;
        void (FormMain::*handler)();
    };
    const Spec specs[7] = {
        {&ImageEnter, "ImageEnter", QT_TRANSLATE_NOOP("FormMain", "Start"), &FormMain::ImageEnter_Click},
        {&ImageOptions, "ImageOptions", QT_TRANSLATE_NOOP("FormMain", "Options"), &FormMain::ImageOptions_Click},
        {&ImageQuit, "ImageQuit", QT_TRANSLATE_NOOP("FormMain", "Quit"), &FormMain::ImageQuit_Click},
        {&ImageButTask, "ImageButTask", QT_TRANSLATE_NOOP("FormMain", "Task Maker"), &FormMain::ImageButTask_Click},
        {&PicButStudent, "PicButStudent", QT_TRANSLATE_NOOP("FormMain", "View Data / Delete / Add Student"),
         &FormMain::PicButStudent_Click},
        {&ImageUserGuide, "ImageUserGuide", QT_TRANSLATE_NOOP("FormMain", "User Guide"),
         &FormMain::ImageUserGuide_Click},
        {&ImageCredits, "ImageCredits", QT_TRANSLATE_NOOP("FormMain", "Credits"), &FormMain::ImageCredits_Click}};
    for (int i = 0; i < 7; ++i) {
        auto* b = new PictureButton(FrameMain, QString::fromLatin1(specs[i].name), tr(specs[i].caption));
        b->resize(bw, bh);
        b->installEventFilter(this);
        connect(b, &QAbstractButton::clicked, this, specs[i].handler);
        *specs[i].button = b;
        menuButtons_[i] = b;
    }
    // First row: three buttons centred under the banner; second row: four.
    const int row1 = bannerH + gap;
    const int row2 = row1 + bh + gap;
    const int left1 = (width - (3 * bw + 2 * gap)) / 2;
    ImageEnter->move(left1, row1);
    ImageOptions->move(left1 + bw + gap, row1);
    ImageQuit->move(left1 + 2 * (bw + gap), row1);
    ImageButTask->move(0, row2);
    PicButStudent->move(bw + gap, row2);
    ImageUserGuide->move(2 * (bw + gap), row2);
    ImageCredits->move(3 * (bw + gap), row2);
}

void FormMain::buildLogonFrame() {
    FrameStartLogon = lightPanel(this, "FrameStartLogon", tr("Log On"));
    auto* layout = new QVBoxLayout(FrameStartLogon);
    layout->setContentsMargins(20, 24, 20, 16);
    auto* note = new QLabel(tr("Click on your name, then click on \"Continue\"."), FrameStartLogon);
    layout->addWidget(note);
    ListLogon = new QListWidget(FrameStartLogon);
    ListLogon->setObjectName(QStringLiteral("ListLogon"));
    ListLogon->setAccessibleName(tr("Students"));
    ListLogon->setMinimumSize(360, 300);
    note->setBuddy(ListLogon);
    layout->addWidget(ListLogon, 1);
    auto* buttons = new QHBoxLayout;
    CmdLogonContinue = panelButton(FrameStartLogon, "CmdLogonContinue", tr("Continue"));
    CmdLogonBack = panelButton(FrameStartLogon, "CmdLogonBack", tr("Back to the Main Menu"));
    buttons->addWidget(CmdLogonContinue);
    buttons->addWidget(CmdLogonBack);
    layout->addLayout(buttons);
    FrameStartLogon->adjustSize();

    // A click or the arrow keys choose the student at once; Enter or a double click goes on.
    connect(ListLogon, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!fillingLists_ && !name.isEmpty()) ListLogon_Click(name);
    });
    connect(ListLogon, &QListWidget::itemActivated, this, [this] { CmdLogonContinue->click(); });
    connect(CmdLogonContinue, &QPushButton::clicked, this, &FormMain::CmdLogonContinue_Click);
    connect(CmdLogonBack, &QPushButton::clicked, this, &FormMain::CmdLogonBack_Click);
}

void FormMain::buildStudentFrame() {
    FrameStudent = lightPanel(this, "FrameStudent", tr("Student Information"));
    auto* layout = new QHBoxLayout(FrameStudent);
    layout->setContentsMargins(20, 28, 20, 16);
    layout->setSpacing(20);

    auto* listColumn = new QVBoxLayout;
    auto* listLabel = new QLabel(tr("Students"), FrameStudent);
    ListLogon2 = new QListWidget(FrameStudent);
    ListLogon2->setObjectName(QStringLiteral("ListLogon2"));
    ListLogon2->setAccessibleName(tr("Students"));
    ListLogon2->setMinimumSize(260, 320);
    listLabel->setBuddy(ListLogon2);
    listColumn->addWidget(listLabel);
    listColumn->addWidget(ListLogon2, 1);
    CmdDeleteLogon = panelButton(FrameStudent, "CmdDeleteLogon", tr("Remove Student"));
    listColumn->addWidget(CmdDeleteLogon);
    layout->addLayout(listColumn);

    auto* right = new QVBoxLayout;
    right->setSpacing(14);
    auto* add = new QGroupBox(tr("Add a Student"), FrameStudent);
    auto* addLayout = new QVBoxLayout(add);
    auto* nameLabel = new QLabel(tr("Name of the new student:"), add);
    TextAddLogon = new QLineEdit(add);
    TextAddLogon->setObjectName(QStringLiteral("TextAddLogon"));
    TextAddLogon->setAccessibleName(tr("Name of the new student"));
    nameLabel->setBuddy(TextAddLogon);
    CmdButAddLogon = panelButton(add, "CmdButAddLogon", tr("Add a Student"));
    addLayout->addWidget(nameLabel);
    addLayout->addWidget(TextAddLogon);
    addLayout->addWidget(CmdButAddLogon);
    right->addWidget(add);

    FrameView = new QGroupBox(tr("View Student Data"), FrameStudent);
    FrameView->setObjectName(QStringLiteral("FrameView"));
    auto* viewLayout = new QHBoxLayout(FrameView);
    auto* viewNote = new QLabel(tr("To view student data, select the student name from the student logon list and "
                                   "then click on one of the buttons to the right."),
                                FrameView);
    viewNote->setWordWrap(true);
    viewNote->setMinimumWidth(220);
    viewLayout->addWidget(viewNote, 1);
    auto* viewButtons = new QVBoxLayout;
    CmdViewStudentData = panelButton(FrameView, "CmdViewStudentData", tr("Simple Format"));
    CmdSpreadsheet = panelButton(FrameView, "CmdSpreadsheet", tr("Spreadsheet Format"));
    viewButtons->addWidget(CmdViewStudentData);
    viewButtons->addWidget(CmdSpreadsheet);
    viewLayout->addLayout(viewButtons);
    right->addWidget(FrameView);
    right->addStretch(1);
    CmdStudentBack = panelButton(FrameStudent, "CmdStudentBack", tr("Main Menu"));
    right->addWidget(CmdStudentBack);
    layout->addLayout(right, 1);
    FrameStudent->adjustSize();

    // Enter in the name box adds the student.
    connect(TextAddLogon, &QLineEdit::returnPressed, this, [this] { CmdButAddLogon->click(); });
    connect(CmdButAddLogon, &QPushButton::clicked, this, &FormMain::CmdButAddLogon_Click);
    connect(CmdDeleteLogon, &QPushButton::clicked, this, &FormMain::CmdDeleteLogon_Click);
    connect(CmdViewStudentData, &QPushButton::clicked, this, &FormMain::CmdViewStudentData_Click);
    connect(CmdSpreadsheet, &QPushButton::clicked, this, &FormMain::CmdSpreadsheet_Click);
    connect(CmdStudentBack, &QPushButton::clicked, this, &FormMain::CmdStudentBack_Click);
}

void FormMain::Form_Load() {
    // A damaged program-type file is reported at activation; the edition read last stays.
    static_cast<void>(loadEdition());
}

void FormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activation_.showed(this, event, [this] { Form_Activate(); });
}

void FormMain::Form_Activate() {
    ++activations_;
    if (Status s = platform::files().setCurrentDir(AppFolder); !s) tell(s.error());
    setWindowTitle(tr("Stepwick"));
    fillLogonList();
    loadCurrentStudent();
    if (StudentOptions.AnimationSpeed < 0) calibrateFirstRun();

    // The activity window (its angle tables are made with it) and the options window are made
    // now, so that they open at once later.
    form(FormId::Animation);
    form(FormId::Options);

    centreFrame(FrameMain);
    fillBackgroundColors();
    // A damaged program-type file is reported and the edition read last (or Kestrel) stays.
    if (Edition == 0) Edition = 1;
    if (Status s = loadEdition(); !s) tell(s.error());
    const QString& logo = Edition == 1 ? kKestrelLogo : kLarkinLogo;
    // Without its picture the banner stays black and a button shows its caption: the menu
    // still works, so a missing picture is not worth a message.
    static_cast<void>(ImageBanner->loadPicture(QDir(AppFolder).filePath(logo)));
    for (int i = 0; i < 7; ++i) {
        static_cast<void>(menuButtons_[i]->loadPicture(QDir(AppFolder).filePath(kMenuPictures[i])));
    }
    showOnly(FrameMain);
    ImageEnter->setFocus(Qt::OtherFocusReason);
    platform::pump().doEvents();

    if (GongPlayed != 1) {
        playWave(QDir(AppFolder).filePath(QStringLiteral("aobj_gong.wav")), QStringLiteral("DONT_LOOP"));
        GongPlayed = 1;
    }
}

void FormMain::loadCurrentStudent() {
    if (CurrentStudent.isEmpty()) CurrentStudent = QStringLiteral("teacher");
    const Status loaded = loadStudentOptions(CurrentStudent);
    if (loaded) return;
    tell(loaded.error());
    // Nothing may later be saved over the file that cannot be read: the teacher takes over.
    if (CurrentStudent != QLatin1String("teacher")) {
        CurrentStudent = QStringLiteral("teacher");
        if (const Status teacher = loadStudentOptions(CurrentStudent); !teacher) tell(teacher.error());
        selectInLogonList(CurrentStudent);
    }
}

void FormMain::centreFrame(QWidget* frame) {
    frame->move((width() - frame->width()) / 2, (height() - frame->height()) / 2);
}

void FormMain::showOnly(QWidget* frame) {
    for (QWidget* f : {static_cast<QWidget*>(FrameMain), static_cast<QWidget*>(FrameStartLogon),
                       static_cast<QWidget*>(FrameStudent), static_cast<QWidget*>(FrameInitSpeed)}) {
        if (f != frame) f->hide();
    }
    centreFrame(frame);
    frame->show();
}

void FormMain::tell(const QString& text) {
    platform::messages().ok(text);
    // Without a window manager the window does not take the keyboard back by itself.
    if (isVisible()) activateWindow();
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* button = qobject_cast<PictureButton*>(watched);
    if (button == nullptr) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        button->click();
        return true;
    }
    // The arrows move through the menu in reading order, as Tab does.
    int at = 0;
    while (at < 7 && menuButtons_[at] != button) ++at;
    if (key == Qt::Key_Right || key == Qt::Key_Down) {
        menuButtons_[(at + 1) % 7]->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Up) {
        menuButtons_[(at + 6) % 7]->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FormMain::ImageEnter_Click() {
    showOnly(FrameStartLogon);
    ListLogon->setFocus(Qt::OtherFocusReason);
}

void FormMain::ImageOptions_Click() {
    // The options window clears its changed mark each time it shows.
    showForm(FormId::Options);
    hide();
    platform::pump().doEvents();
}

bool FormMain::mayQuit() {
    if (PendingTaskResults.isEmpty()) return true;
    if (retryPendingResults(AppFolder, PendingTaskResults)) return true;
    const QString students = PendingTaskResults.students().join(QStringLiteral(", "));
    const bool quit = platform::messages().yesNo(
        tr("The results of the last tasks of %1 could not be saved in the data folder %2, and will be lost when the "
           "program ends. Make room on the disk or close the report or spreadsheet in the other program, then quit "
           "again to save them.\n\nQuit anyway and lose them?")
            .arg(students, AppFolder));
    if (!quit && isVisible()) activateWindow();
    return quit;
}

void FormMain::ImageQuit_Click() {
    if (!mayQuit()) return;
    quitting_ = true;
    QApplication::quit();
}

void FormMain::closeEvent(QCloseEvent* event) {
    // Closing the main window is Quit.
    if (quitting_ || mayQuit()) {
        quitting_ = true;
        event->accept();
        QApplication::quit();
    } else {
        event->ignore();
    }
}

void FormMain::ImageButTask_Click() {
    showForm(FormId::Maint);
    // The other windows go; the workshop makes the main window again when it is left. Deferred
    // deletion: this handler is still running in this window.
    for (FormId id :
         {FormId::Task, FormId::Animation, FormId::Options, FormId::Speech, FormId::TestSpeech, FormId::Main}) {
        unloadForm(id);
    }
    platform::pump().doEvents();
}

void FormMain::PicButStudent_Click() {
    fillStudentList();
    showOnly(FrameStudent);
    ListLogon2->setFocus(Qt::OtherFocusReason);
}

void FormMain::ImageUserGuide_Click() {
    if (Status s = platform::shell().open(QDir(AppFolder).filePath(kUserGuideFile)); !s) tell(s.error());
}

void FormMain::ImageCredits_Click() {
    if (Status s = platform::shell().open(QDir(AppFolder).filePath(kCreditsFile)); !s) tell(s.error());
}

void FormMain::CmdLogonBack_Click() {
    showOnly(FrameMain);
    ImageEnter->setFocus(Qt::OtherFocusReason);
}

void FormMain::CmdLogonContinue_Click() {
    ActivityStartTime = platform::clock().timer();
    showForm(FormId::Task);
    hide();
    // When this window shows again, it shows the main menu.
    FrameStartLogon->hide();
    FrameMain->show();
    platform::pump().doEvents();
}

void FormMain::CmdStudentBack_Click() {
    FrameStudent->hide();
    fillLogonList();
    showOnly(FrameMain);
    PicButStudent->setFocus(Qt::OtherFocusReason);
}
