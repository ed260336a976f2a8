#include "maintenance/FormMaint.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "app/WindowSetup.h"
#include "library/PathHelpers.h"
#include "maintenance/MaintWidgets.h"
#include "maintenance/RecordingControls.h"
#include "maintenance/WorkshopFiles.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

FormMaint::FormMaint(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormMaint"));
    prepareWindow(this, true);
    setWindowTitle(tr("Task Maintenance"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(58, 95, 138));
    setPalette(pal);
    QFont font = this->font();
    font.setPixelSize(14);
    setFont(font);

    EditStepFiles.fill(kNone);
    EditStepPictures.fill(kNone);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    Frames = new QStackedWidget(this);
    Frames->setObjectName(QStringLiteral("Frames"));
    layout->addWidget(Frames);

    buildMenuFrame();
    buildTaskFrames();
    buildPictureFrames();
    connectTaskHandlers();
    connectPictureHandlers();
    setUpMediaControls();
}

FormMaint::~FormMaint() = default;

void FormMaint::buildMenuFrame() {
    FrameTaskMaker = makeFrame(this, "FrameTaskMaker");
    auto* layout = new QVBoxLayout(FrameTaskMaker);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(14);
    QLabel* heading = makeHeading(FrameTaskMaker, tr("Task Maker Main Menu"));
    heading->setAlignment(Qt::AlignHCenter);
    layout->addWidget(heading);
    CmdTMPics = makeButton(FrameTaskMaker, "CmdTMPics", tr("Add, Modify, or Delete a Picture"));
    CmdTMTasks = makeButton(FrameTaskMaker, "CmdTMTasks", tr("Add, Modify, Print, or Delete a Sequencing Task"));
    CmdOverlayWaves = makeButton(FrameTaskMaker, "CmdOverlayWaves", tr("Language Customization"));
    CmdMainMenu = makeButton(FrameTaskMaker, "CmdMainMenu", tr("Main Menu"));
    for (QPushButton* b : {CmdTMPics, CmdTMTasks, CmdOverlayWaves, CmdMainMenu}) b->setMinimumSize(520, 48);
    layout->addWidget(CmdTMPics);
    layout->addWidget(makeLabel(FrameTaskMaker, tr("Note: A picture must be added before it can be used in a task.")));
    layout->addWidget(CmdTMTasks);
    layout->addWidget(CmdOverlayWaves);
    layout->addWidget(makeLabel(FrameTaskMaker, tr("Overlay the narrations supplied with the program, and the word "
                                                   "shown during the review, with your own (requires a microphone).")));
    layout->addSpacing(12);
    layout->addWidget(CmdMainMenu);
    addFrame(FrameTaskMaker);

    connect(CmdTMPics, &QPushButton::clicked, this, &FormMaint::CmdTMPics_Click);
    connect(CmdTMTasks, &QPushButton::clicked, this, &FormMaint::CmdTMTasks_Click);
    connect(CmdOverlayWaves, &QPushButton::clicked, this, &FormMaint::CmdOverlayWaves_Click);
    connect(CmdMainMenu, &QPushButton::clicked, this, &FormMaint::CmdMainMenu_Click);
}

void FormMaint::addFrame(QFrame* frame) {
    // Each frame sits in the middle of a page of the stack, at the size its contents ask for.
    auto* page = new QWidget(Frames);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    frame->setParent(page);
    grid->addWidget(frame, 1, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    Frames->addWidget(page);
}

void FormMaint::showFrame(QFrame* frame) {
    Frames->setCurrentWidget(frame->parentWidget());
    // The keyboard starts at the frame's first control, in reading order.
    for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain()) {
        if (!frame->isAncestorOf(w)) continue;
        if (w->isEnabled() && w->isVisibleTo(frame) && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

QFrame* FormMaint::currentFrame() const {
    QWidget* page = Frames->currentWidget();
    return page == nullptr ? nullptr : page->findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
}

int FormMaint::highlightedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

int FormMaint::highlightedRowOrSay(const QListWidget* list, const QString& message) {
    const int row = highlightedRow(list);
    if (row < 0) platform::messages().ok(message);
    return row;
}

void FormMaint::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The activation's work runs once the window is on screen, once per showing.
    if (!event->spontaneous()) QTimer::singleShot(0, this, &FormMaint::Form_Activate);
}

void FormMaint::Form_Activate() {
    resetTaskSlots();
    fillLibraryLists();
    updateStepButtons();
    showFrame(FrameTaskMaker);
}

void FormMaint::fillLibraryLists() {
    const Listing tasks = listLibraryTasks();
    TaskListFiles.clear();
    QStringList texts;
    for (const ListedFile& entry : tasks.entries) {
        TaskListFiles.append(entry.file);
        texts.append(entry.text);
    }
    ListTasks->clear();
    ListTasks->addItems(texts);
    const Listing pictures = listLibraryPictures();
    fillPictureLists(pictures.entries);
    showListProblems(tasks.problems + pictures.problems);
}

void FormMaint::fillStepPictureList() {
    const Listing pictures = listLibraryPictures();
    fillPictureLists(pictures.entries);
    showListProblems(pictures.problems);
}

void FormMaint::fillPictureLists(const QList<ListedFile>& pictures) {
    // Both picture lists show the same entries in the same order, so one list of files serves both.
    PictureListFiles.clear();
    QStringList texts;
    for (const ListedFile& entry : pictures) {
        PictureListFiles.append(entry.file);
        texts.append(entry.text);
    }
    for (QListWidget* list : {ListPics, ListPicStep}) {
        list->clear();
        list->addItems(texts);
    }
    SelectedLibraryPicture.clear();
}

void FormMaint::showListProblems(const QStringList& problems) {
    const QStringList fresh = shownProblems_.unseen(problems);
    if (fresh.isEmpty()) return;
    platform::messages().ok(tr("These files of the library cannot be read and are left out of the list:") + u'\n' +
                            fresh.join(u'\n'));
}

void FormMaint::CmdTMTasks_Click() { showFrame(FrameTMTaskSelect); }

void FormMaint::CmdTMTaskBack_Click() { showFrame(FrameTaskMaker); }

void FormMaint::CmdTMPics_Click() { showFrame(FrameTMPicSelect); }

void FormMaint::cmdTMPicSelectBack_Click() { showFrame(FrameTaskMaker); }

void FormMaint::CmdMainMenu_Click() {
    leaveWindow();
    platform::pump().doEvents();
}

void FormMaint::leaveWindow() {
    showForm(FormId::Main);
    // Unloaded with deferred deletion: the window goes once this handler has returned.
    if (isFormLoaded(FormId::Maint) && form(FormId::Maint) == this) {
        unloadForm(FormId::Maint);
    } else {
        hide();
        deleteLater();
    }
}

void FormMaint::closeEvent(QCloseEvent* event) {
    // Closing the window from the desktop is leaving it: a wizard in progress is cancelled first,
    // so no temporary recording stays behind, and the main menu comes back.
    // A print waiting for the teacher's choice ends first, and a prompt being recorded is dropped.
    if (PrintWaiting == 1) {
        printCancelled_ = true;
        PrintWaiting = 0;
    }
    if (recording_ == Recorder::Prompt) {
        TimerOverlay2->setEnabled(false);
        dropRecording();
    }
    hideOverlay();
    QFrame* frame = currentFrame();
    if (frame == FrameMaint1 || frame == FrameMaint2 || frame == FrameMaint3 || frame == FrameMaint4) {
        cancelTaskWizard();
    } else if (frame == FrameSelectPic3) {
        CmdExitNoSave_Click();
    }
    event->accept();
    leaveWindow();
}

bool FormMaint::removeFiles(const QStringList& paths) {
    QStringList problems;
    for (const QString& path : paths) {
        if (Status s = platform::files().remove(path); !s) problems.append(s.error());
    }
    if (!problems.isEmpty()) platform::messages().ok(problems.join(u'\n'));
    return problems.isEmpty();
}

void FormMaint::removeTemporary(const QString& name) {
    // A temporary recording that cannot be removed is left: the next recording, or the next task
    // or picture opened in the wizard, replaces or removes it.
    const QString path = inAppFolder(name);
    if (platform::files().exists(path)) static_cast<void>(platform::files().remove(path));
}
