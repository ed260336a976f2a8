#include "students/FormOptions.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/Killtime.h"
#include "app/WindowSetup.h"
#include "core/TextFormat.h"
#include "library/OptionsFile.h"
#include "platform/Services.h"
#include "students/OptionWidgets.h"
#include "students/OptionsSummary.h"
#include "students/StudentNames.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The widest a panel grows; on a smaller screen it takes the screen's width less a margin.
constexpr int kPanelWidth = 960;
constexpr int kMainPanelWidth = 780;
constexpr int kScreenMargin = 12;
}  // namespace

FormOptions::FormOptions(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormOptions"));
    prepareWindow(this, true);
    twipsPerPixelX_ = platform::screen().twipsPerPixelX();
    twipsPerPixelY_ = platform::screen().twipsPerPixelY();
    setStyleSheet(optionsStyleSheet() +
                  QStringLiteral("#LabOptions { font-size: 20pt; font-weight: bold; }"
                                 "#labelSummaryTitle { font-size: 16pt; font-weight: bold; }"
                                 "#FrameInputDevice, #FrameFeedback, #FrameNumbers, #FrameSpeed, #FrameAuditory,"
                                 " #FrameVideo, #FrameReward, #FrameHeadStart { font-size: 14pt; }"));
    ensurePolished();

    buildMainPanel();
    buildDevicePanel();
    buildFeedbackPanel();
    buildLayoutPanel();
    buildPicturePanel();
    buildAuditoryPanel();
    buildVideoPanel();
    buildRewardPanel();
    buildJumpStartPanel();
    buildSummaryPanel();

    // Form_Load: the window covers the screen (prepareWindow); nothing is changed yet.
    OptionsChanged = 0;
}

FormOptions::~FormOptions() = default;

void FormOptions::buildMainPanel() {
    FrameAllOptions = new QFrame(this);
    FrameAllOptions->setObjectName(QStringLiteral("FrameAllOptions"));
    FrameAllOptions->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(FrameAllOptions);
    layout->setContentsMargins(18, 12, 18, 16);
    layout->setSpacing(10);

    auto* heading = new QLabel(tr("Options"), FrameAllOptions);
    heading->setObjectName(QStringLiteral("LabOptions"));
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    auto* listColumn = new QVBoxLayout;
    auto* listLabel = new QLabel(tr("Students"), FrameAllOptions);
    ListLogonOptions = new QListWidget(FrameAllOptions);
    ListLogonOptions->setObjectName(QStringLiteral("ListLogonOptions"));
    ListLogonOptions->setAccessibleName(tr("Students"));
    ListLogonOptions->setMinimumWidth(200);
    ListLogonOptions->setMaximumWidth(260);
    listLabel->setBuddy(ListLogonOptions);
    listLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    listColumn->addWidget(listLabel);
    listColumn->addWidget(ListLogonOptions, 1);
    columns->addLayout(listColumn);

    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
    } openers[] = {
        {&CmdDevice, "CmdDevice", QT_TRANSLATE_NOOP("FormOptions", "Switch / Mouse Setting")},
        {&cmdFeedBack, "cmdFeedBack", QT_TRANSLATE_NOOP("FormOptions", "Response Setting")},
        {&CmdNumbers, "CmdNumbers", QT_TRANSLATE_NOOP("FormOptions", "Task Layout Options")},
        {&CmdSpeed, "CmdSpeed", QT_TRANSLATE_NOOP("FormOptions", "Picture Options")},
        {&CmdAuditory, "CmdAuditory", QT_TRANSLATE_NOOP("FormOptions", "Auditory Options")},
        {&CmdVideo, "CmdVideo", QT_TRANSLATE_NOOP("FormOptions", "Video && Review Lesson Options")},
        {&CmdReward, "CmdReward", QT_TRANSLATE_NOOP("FormOptions", "Reward Screen Setting")},
        {&CmdHeadStart, "CmdHeadStart", QT_TRANSLATE_NOOP("FormOptions", "Jump Start Setting")},
    };
    int at = 0;
    for (const auto& o : openers) {
        *o.button = namedButton(FrameAllOptions, o.name, tr(o.caption));
        (*o.button)->setMinimumHeight(48);
        grid->addWidget(*o.button, at / 2, at % 2);
        ++at;
    }
    CmdSummary = namedButton(FrameAllOptions, "CmdSummary", optionsSummaryTitle(QStringLiteral("teacher")));
    CmdSummary->setMinimumHeight(48);
    grid->addWidget(CmdSummary, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    columns->addLayout(grid, 1);
    layout->addLayout(columns);

    auto* note = wrappedLabel(tr("Synthesied Speech can be used as a default if auditory narration wasn't recorded "
                                 "for a step in the sequence."),
                              FrameAllOptions);
    note->setObjectName(QStringLiteral("LabSpeechNote"));
    layout->addWidget(note);
    auto* speech = new QHBoxLayout;
    CmdInstallSynth = namedButton(FrameAllOptions, "CmdInstallSynth", tr("Install Speech Synthesis"));
    CmdTestSynth =
        namedButton(FrameAllOptions, "CmdTestSynth", tr("Test if Synthsized Speech is Working on your Computer"));
    speech->addWidget(CmdInstallSynth);
    speech->addWidget(CmdTestSynth, 1);
    layout->addLayout(speech);

    auto* leave = new QHBoxLayout;
    leave->addStretch(1);
    CmdDone = namedButton(FrameAllOptions, "CmdDone", tr("Main Menu"));
    CmdCancelChanges = namedButton(FrameAllOptions, "CmdCancelChanges", tr("Cancel"));
    for (QPushButton* b : {CmdDone, CmdCancelChanges}) {
        b->setMinimumSize(150, 44);
        leave->addWidget(b);
    }
    layout->addLayout(leave);

    connect(ListLogonOptions, &QListWidget::currentRowChanged, this, [this](int row) {
        if (fillingList_ || row < 0) return;
        ListLogonOptions_Click(ListLogonOptions->item(row)->text());
    });
    connect(CmdDone, &QPushButton::clicked, this, &FormOptions::CmdDone_Click);
    connect(CmdCancelChanges, &QPushButton::clicked, this, &FormOptions::CmdCancelChanges_Click);
    connect(CmdInstallSynth, &QPushButton::clicked, this, &FormOptions::CmdInstallSynth_Click);
    connect(CmdTestSynth, &QPushButton::clicked, this, &FormOptions::CmdTestSynth_Click);
    connect(CmdSummary, &QPushButton::clicked, this, &FormOptions::CmdSummary_Click);
}

QGroupBox* FormOptions::addPanel(const char* objectName, const QString& caption) {
    auto* panel = new QGroupBox(caption, this);
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setAccessibleName(displayedCaption(caption));
    panel->hide();
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);
    panels_.append(panel);
    return panel;
}

QPushButton* FormOptions::addDoneRow(QGroupBox* panel, const char* objectName, const QString& caption) {
    auto* done = namedButton(panel, objectName, caption.isEmpty() ? tr("Done") : caption);
    done->setMinimumSize(150, 44);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(done);
    static_cast<QBoxLayout*>(panel->layout())->addLayout(row);
    return done;
}

void FormOptions::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // As each showing of the window activates it: once per showing, after it is on screen.
    QTimer::singleShot(0, this, &FormOptions::Form_Activate);
}

void FormOptions::Form_Activate() {
    if (!isVisible()) return;
    if (CurrentStudent.isEmpty()) CurrentStudent = QStringLiteral("teacher");
    if (Status s = showStudentOptions(); !s) tell(s.error());
    fillOptionsStudentList();
    showMainPanel();
    setSummaryCaption();
    paintColourButtons();
    setSpeedButtonsIdle();
    OptionsChanged = 0;
    ListLogonOptions->setFocus(Qt::OtherFocusReason);
}

void FormOptions::setSummaryCaption() {
    CmdSummary->setText(escapeAmpersands(optionsSummaryTitle(CurrentStudent)));
    CmdSummary->setAccessibleName(optionsSummaryTitle(CurrentStudent));
}

void FormOptions::paintColourButtons() {
    // The table is the main window's; the options window may be the first to need it.
    if (!BackgroundColors[1].isValid()) fillBackgroundColors();
    for (int i = 1; i <= 6; ++i) static_cast<ColourButton*>(OptionBC[i])->setColour(BackgroundColors[i]);
}

Status FormOptions::showStudentOptions() {
    const Status loaded = loadStudentOptions(CurrentStudent);
    const StudentOptionsRecord& o = StudentOptions;
    for (const GroupBinding& b : bindings_) {
        const int value = o.*(b.group->field);
        const int count = static_cast<int>(b.group->captions.size());
        if (value >= 1 && value <= count) {
            (*b.buttons)[value]->setChecked(true);
        } else {
            // A value this window does not offer: no button is chosen, and storing keeps it.
            b.exclusive->setExclusive(false);
            for (int i = 1; i <= count; ++i) (*b.buttons)[i]->setChecked(false);
            b.exclusive->setExclusive(true);
        }
    }
    SliderScanTime->setValue(o.ScanInterval);
    scanIntervalMoved_ = false;
    for (int n = 2; n <= 10; ++n) {
        for (int p = 1; p <= n; ++p) CheckHeadStart[n][p]->setChecked(o.JumpStart[n][p] == 1);
    }
    shownSpeedText_ = QString::number(o.AnimationSpeed);
    TextSpeed->setText(shownSpeedText_);
    return loaded;
}

Status FormOptions::storeStudentOptions() {
    StudentOptionsRecord o = StudentOptions;
    // A speed the teacher has not touched is kept as it was read, even one this box would not
    // take (a negative one still to be calibrated).
    if (TextSpeed->text() != shownSpeedText_) {
        const std::optional<std::int32_t> speed = speedBoxValue(TextSpeed->text());
        if (!speed) return Error{speedBoxMessage()};
        o.AnimationSpeed = *speed;
    }
    for (const GroupBinding& b : bindings_) {
        if (const int id = b.exclusive->checkedId(); id >= 1) o.*(b.group->field) = static_cast<std::int16_t>(id);
    }
    // The slider holds 1 to 10; a value outside them stays until the teacher moves it.
    if (scanIntervalMoved_ || (o.ScanInterval >= 1 && o.ScanInterval <= 10)) {
        o.ScanInterval = static_cast<std::int16_t>(SliderScanTime->value());
    }
    for (int n = 2; n <= 10; ++n) {
        for (int p = 1; p <= n; ++p) o.JumpStart[n][p] = CheckHeadStart[n][p]->isChecked() ? 1 : 0;
    }
    const StudentOptionsRecord before = StudentOptions;
    StudentOptions = o;
    if (Status s = saveStudentOptions(CurrentStudent); !s) {
        StudentOptions = before;
        return s;
    }
    shownSpeedText_ = TextSpeed->text();
    return {};
}

bool FormOptions::storeAndShowMessage() {
    const Status s = storeStudentOptions();
    if (s) return true;
    if (s.error() == speedBoxMessage()) {
        refuseSpeedBox();
    } else {
        tell(s.error());
    }
    return false;
}

void FormOptions::fillOptionsStudentList() {
    fillingList_ = true;
    ListLogonOptions->clear();
    const QStringList names = rosterNames(platform::files().list(AppFolder, QStringLiteral("*.lgn")));
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, ListLogonOptions);
        item->setData(Qt::AccessibleTextRole, name);
    }
    if (CurrentStudent.isEmpty()) CurrentStudent = QStringLiteral("teacher");
    ListLogonOptions->setCurrentRow(static_cast<int>(names.indexOf(CurrentStudent)));
    fillingList_ = false;
}

void FormOptions::ListLogonOptions_Click(const QString& student) {
    const auto reselect = [this] {
        fillingList_ = true;
        const auto found = ListLogonOptions->findItems(CurrentStudent, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ListLogonOptions->setCurrentItem(found.isEmpty() ? nullptr : found.first());
        fillingList_ = false;
    };
    stopSpeedDisplay();
    if (!storeAndShowMessage()) {
        reselect();
        return;
    }
    const QString previous = CurrentStudent;
    CurrentStudent = student;
    if (Status s = showStudentOptions(); !s) {
        // The load changed nothing: the previous student's options, just stored, are still in
        // memory and (set from memory again) on the screen, and that student stays.
        CurrentStudent = previous;
        tell(s.error());
        reselect();
        return;
    }
    setSummaryCaption();
}

void FormOptions::centrePanel(QWidget* panel) {
    const int wanted = panel == FrameAllOptions ? kMainPanelWidth : kPanelWidth;
    const int w = std::min(wanted, width() - 2 * kScreenMargin);
    QLayout* layout = panel->layout();
    int h =
        layout != nullptr && layout->hasHeightForWidth() ? layout->totalHeightForWidth(w) : panel->sizeHint().height();
    if (panel == FrameSummary) h = panel->height();
    h = std::min(h, height() - 2 * kScreenMargin);
    panel->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
}

void FormOptions::showMainPanel() {
    for (QGroupBox* p : panels_) p->hide();
    centrePanel(FrameAllOptions);
    FrameAllOptions->show();
}

void FormOptions::openPanel(QGroupBox* panel, QPushButton* opener) {
    openedBy_ = opener;
    centrePanel(panel);
    FrameAllOptions->hide();
    panel->show();
    // The keyboard starts on the panel's first control.
    for (QWidget* w = panel->nextInFocusChain(); w != panel && panel->isAncestorOf(w); w = w->nextInFocusChain()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            // Into a group of option buttons at its chosen one, as Tab goes.
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (button != nullptr && button->group() != nullptr && button->group()->checkedButton() != nullptr)
                w = button->group()->checkedButton();
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    platform::pump().doEvents();
}

void FormOptions::panelDone(QGroupBox* panel) {
    stopSpeedDisplay();
    if (!storeAndShowMessage()) return;
    panel->hide();
    centrePanel(FrameAllOptions);
    FrameAllOptions->show();
    if (openedBy_ != nullptr) openedBy_->setFocus(Qt::OtherFocusReason);
}

void FormOptions::CmdDone_Click() {
    stopSpeedDisplay();
    if (!storeAndShowMessage()) return;
    if (Status s = showStudentOptions(); !s) tell(s.error());
    leaveForMainMenu();
}

void FormOptions::leaveForMainMenu() {
    showForm(FormId::Main);
    if (loopDepth_ > 0) {
        // A demonstration or a calibration is still on the stack below this handler: it has been
        // told to stop, and the window goes once it has returned.
        unloadPending_ = true;
        hide();
        return;
    }
    unloadForm(FormId::Options);
}

void FormOptions::CmdCancelChanges_Click() {
    stopSpeedDisplay();
    if (OptionsChanged == 1 && !ask(tr("Are you sure you want to exit without saving your changes?"))) {
        return;
    }
    if (Status s = showStudentOptions(); !s) tell(s.error());
    showForm(FormId::Main);
    hide();
    platform::pump().doEvents();
}

void FormOptions::closeEvent(QCloseEvent* event) {
    // Closing the window goes back to the main menu as "Main Menu" does: without a main window
    // the program would have nothing left on the screen.
    if (unloadPending_ || !isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    if (calibrating_) {
        stopSpeedDisplay();
        unloadPending_ = true;  // stored and left once the calibration has returned
        return;
    }
    CmdDone_Click();
}

void FormOptions::loopEnded() {
    if (loopDepth_ > 0 || !unloadPending_) return;
    if (isVisible()) {
        // Closed during a calibration: leave as "Main Menu" does, now that it has returned.
        unloadPending_ = false;
        CmdDone_Click();
        return;
    }
    unloadForm(FormId::Options);
}

void FormOptions::CmdInstallSynth_Click() {
    hide();
    showForm(FormId::Speech);
}

void FormOptions::CmdTestSynth_Click() {
    hide();
    showForm(FormId::TestSpeech);
}

void FormOptions::tell(const QString& text) {
    platform::messages().ok(text);
    reactivate();
}

bool FormOptions::ask(const QString& question) {
    const bool yes = platform::messages().yesNo(question);
    reactivate();
    return yes;
}

void FormOptions::reactivate() {
    // The window takes the keyboard back from the message box, also where no window manager
    // hands it back (the focus would work but not show).
    if (isVisible()) activateWindow();
}

double FormOptions::delay(double value) { return speedDelay ? speedDelay(value) : killtime(value); }

bool FormOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TextSpeed) {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            // Keys that type a character; Tab, arrows and the editing shortcuts go their way.
            if (text.size() == 1 && (text[0] == u'\b' || text[0].isPrint()) && !TextSpeed_KeyPress(text[0])) {
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // A message box or another window taking the focus is not the teacher leaving the box.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                // After the change of focus has ended, not in the middle of it.
                QTimer::singleShot(0, this, &FormOptions::speedBoxLeft);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
