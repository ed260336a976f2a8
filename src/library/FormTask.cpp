#include "library/FormTask.h"

#include "app/Forms.h"
#include "app/Globvars.h"
#include "app/WindowSetup.h"
#include "library/OptionsFile.h"
#include "platform/Services.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOption>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton* taskButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    b->setMinimumHeight(36);
    return b;
}

// The task list's tick boxes: the desktop style draws an item's box small, in a pale grey on
// white, which a teacher at a classroom screen hardly sees. This one is larger, framed in the
// text colour, with a bold tick.
class ClearTickStyle : public QProxyStyle {
public:
    static constexpr int kSide = 20;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) return kSide;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorItemViewItemCheck) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const int side = std::min({kSide, option->rect.width(), option->rect.height()});
        const QRectF box(option->rect.x() + (option->rect.width() - side) / 2.0,
                         option->rect.y() + (option->rect.height() - side) / 2.0, side, side);
        const QColor ink = option->palette.color(QPalette::Active, QPalette::Text);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(option->palette.color(QPalette::Active, QPalette::Base));
        painter->setPen(QPen(ink, 2));
        painter->drawRect(box.adjusted(1, 1, -1, -1));
        if (option->state & (State_On | State_NoChange)) {
            QPainterPath tick;
            tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
            tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.74);
            tick.lineTo(box.left() + side * 0.80, box.top() + side * 0.26);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(ink, side / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter->drawPath(tick);
        }
        painter->restore();
    }
};

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

FormTask::FormTask(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormTask"));
    prepareWindow(this, true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 18, 191));
    setPalette(pal);

    FrameTasks = new QFrame(this);
    FrameTasks->setObjectName(QStringLiteral("FrameTasks"));
    FrameTasks->setFrameShape(QFrame::StyledPanel);
    // Colours set one by one: a palette that sets none inherits the blue window's.
    QPalette light = FrameTasks->palette();
    light.setColor(QPalette::Window, QColor(236, 236, 236));
    light.setColor(QPalette::WindowText, Qt::black);
    FrameTasks->setPalette(light);
    FrameTasks->setAutoFillBackground(true);
    QFont f = FrameTasks->font();
    f.setPointSize(11);
    FrameTasks->setFont(f);
    auto* layout = new QVBoxLayout(FrameTasks);
    layout->setContentsMargins(18, 12, 18, 14);

    auto* heading = new QLabel(tr("Tasks"), FrameTasks);
    heading->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold;"));
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    auto* studentRow = new QHBoxLayout;
    studentRow->addWidget(new QLabel(tr("Logged on as Student:"), FrameTasks));
    LabCurrentStudent = new QLabel(FrameTasks);
    LabCurrentStudent->setObjectName(QStringLiteral("LabCurrentStudent"));
    LabCurrentStudent->setStyleSheet(QStringLiteral("font-weight: bold;"));
    studentRow->addWidget(LabCurrentStudent, 1);
    layout->addLayout(studentRow);

    auto* filtering = new QGroupBox(tr("Filtering"), FrameTasks);
    auto* filterLayout = new QVBoxLayout(filtering);
    filterLayout->addWidget(note(
        tr("Check or uncheck the boxes below to display only the tasks that have these number of steps."), filtering));
    auto* boxes = new QHBoxLayout;
    for (int n = 2; n <= 10; ++n) {
        auto* box = new QCheckBox(tr("%1 Steps").arg(n), filtering);
        box->setObjectName(QStringLiteral("CheckFilter%1").arg(n));
        box->setAccessibleName(box->text());
        boxes->addWidget(box);
        CheckFilter[n] = box;
        // Only a real change of a box rebuilds the list.
        connect(box, &QCheckBox::toggled, this, [this, n] { CheckFilter_Click(n); });
    }
    filterLayout->addLayout(boxes);
    auto* filterButtons = new QHBoxLayout;
    CmdSelectAll = taskButton(filtering, "CmdSelectAll", tr("Check All"));
    CmdUncheckAll = taskButton(filtering, "CmdUncheckAll", tr("Uncheck All"));
    filterButtons->addWidget(CmdSelectAll);
    filterButtons->addWidget(CmdUncheckAll);
    filterButtons->addStretch(1);
    filterLayout->addLayout(filterButtons);
    layout->addWidget(filtering);

    auto* listLabel = new QLabel(tr("Task List"), FrameTasks);
    listLabel->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(listLabel);
    ListTasks = new QListWidget(FrameTasks);
    ListTasks->setObjectName(QStringLiteral("ListTasks"));
    ListTasks->setAccessibleName(tr("Task List"));
    ListTasks->setMinimumHeight(260);
    ListTasks->setUniformItemSizes(true);
    ListTasks->setSpacing(2);  // the tick boxes of two entries do not touch
    auto* tickStyle = new ClearTickStyle;
    tickStyle->setParent(ListTasks);
    ListTasks->setStyle(tickStyle);
    listLabel->setBuddy(ListTasks);
    layout->addWidget(ListTasks, 1);
    layout->addWidget(
        note(tr("Click the white box next to the task to select it.  You may select more than one task."), FrameTasks));
    auto* listButtons = new QHBoxLayout;
    CmdtaskSelectAll = taskButton(FrameTasks, "CmdtaskSelectAll", tr("Select All Listed Tasks"));
    CmdTaskUnselectAll = taskButton(FrameTasks, "CmdTaskUnselectAll", tr("Deselect All Listed Tasks"));
    listButtons->addWidget(CmdtaskSelectAll);
    listButtons->addWidget(CmdTaskUnselectAll);
    listButtons->addStretch(1);
    layout->addLayout(listButtons);

    auto* leave = new QHBoxLayout;
    leave->addStretch(1);
    CmdContinue = taskButton(FrameTasks, "CmdContinue", tr("Continue"));
    Cmdback = taskButton(FrameTasks, "Cmdback", tr("Back to Main Menu"));
    CmdContinue->setMinimumWidth(180);
    Cmdback->setMinimumWidth(180);
    leave->addWidget(CmdContinue);
    leave->addWidget(Cmdback);
    layout->addLayout(leave);

    const QRect screen = platform::screen().geometry();
    FrameTasks->resize(qMin(860, screen.width() - 24), qMin(700, screen.height() - 24));
    FrameTasks->hide();

    connect(CmdSelectAll, &QPushButton::clicked, this, &FormTask::CmdSelectAll_Click);
    connect(CmdUncheckAll, &QPushButton::clicked, this, &FormTask::CmdUncheckAll_Click);
    connect(ListTasks, &QListWidget::itemChanged, this, &FormTask::ListTasks_Click);
    connect(CmdtaskSelectAll, &QPushButton::clicked, this, &FormTask::CmdtaskSelectAll_Click);
    connect(CmdTaskUnselectAll, &QPushButton::clicked, this, &FormTask::CmdTaskUnselectAll_Click);
    connect(CmdContinue, &QPushButton::clicked, this, &FormTask::CmdContinue_Click);
    connect(Cmdback, &QPushButton::clicked, this, &FormTask::Cmdback_Click);
}

void FormTask::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activation_.showed(this, event, [this] { Form_Activate(); });
}

void FormTask::Form_Activate() {
    FrameTasks->move((width() - FrameTasks->width()) / 2, (height() - FrameTasks->height()) / 2);
    FrameTasks->show();
    if (CurrentStudent.isEmpty()) CurrentStudent = QStringLiteral("teacher");
    LabCurrentStudent->setText(CurrentStudent);
    showStepFilter();
    if (!ListTasks->hasFocus()) ListTasks->setFocus(Qt::OtherFocusReason);
    // Results the activity could not write are the teacher's to know, told once, here.
    if (const QString problems = takeResultsProblems(); !problems.isEmpty()) tell(problems);
}

void FormTask::tell(const QString& text) {
    platform::messages().ok(text);
    // Without a window manager the window does not take the keyboard back by itself.
    if (isVisible()) activateWindow();
}

void FormTask::listTasks() {
    ListUpdating = 1;
    ++listBuilds_;
    ListTasks->clear();
    TaskListFiles.clear();
    std::array<std::int16_t, 11> filter{};
    for (int n = 2; n <= 10; ++n) filter[n] = CheckFilter[n]->isChecked() ? 1 : 0;
    const Listing listing = ::listTasks(filter);
    QStringList texts;
    for (const ListedFile& entry : listing.entries) {
        TaskListFiles.append(entry.file);
        texts.append(entry.text);
    }
    ListTasks->addItems(texts);
    for (int i = 0; i < ListTasks->count(); ++i) {
        QListWidgetItem* item = ListTasks->item(i);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    ListTasks->show();
    ListUpdating = 0;
    // A damaged file is named once, however often the list is built.
    if (const QStringList fresh = problemsShown_.unseen(listing.problems); !fresh.isEmpty()) {
        tell(tr("These task files cannot be read and are left out of the list:") + u'\n' + fresh.join(u'\n'));
    }
}

void FormTask::setFilterBoxes(const std::function<bool(int)>& ticked) {
    // Each box that changes would rebuild the list; the list is built once, after the last, with
    // the same result.
    batchingFilter_ = true;
    filterChanged_ = false;
    for (int n = 2; n <= 10; ++n) CheckFilter[n]->setChecked(ticked(n));
    batchingFilter_ = false;
    if (filterChanged_) listTasks();
}

void FormTask::showStepFilter() {
    setFilterBoxes([](int n) { return StudentOptions.StepFilter[n] == 1; });
}

void FormTask::readStepFilter() {
    for (int n = 2; n <= 10; ++n) StudentOptions.StepFilter[n] = CheckFilter[n]->isChecked() ? 1 : 0;
}

void FormTask::CheckFilter_Click(int /*n*/) {
    // The list follows the boxes; StepFilter itself changes only when the window is left.
    if (batchingFilter_) {
        filterChanged_ = true;
        return;
    }
    listTasks();
}

void FormTask::CmdSelectAll_Click() {
    setFilterBoxes([](int) { return true; });
}

void FormTask::CmdUncheckAll_Click() {
    setFilterBoxes([](int) { return false; });
}

void FormTask::ListTasks_Click(QListWidgetItem* /*item*/) {
    if (ListUpdating == 1) return;
    // The tick stays as the user's click set it; nothing else changes.
}

void FormTask::tickAll(bool ticked) {
    ListUpdating = 1;
    for (int i = 0; i < ListTasks->count(); ++i)
        ListTasks->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    if (ListTasks->count() > 0) ListTasks->setCurrentRow(0);
    ListUpdating = 0;
}

void FormTask::CmdtaskSelectAll_Click() { tickAll(true); }

void FormTask::CmdTaskUnselectAll_Click() { tickAll(false); }

void FormTask::saveFilter() {
    readStepFilter();
    if (Status s = saveStudentOptions(CurrentStudent); !s) tell(s.error());
}

void FormTask::CmdContinue_Click() {
    QList<ListedFile> listed;
    QList<bool> ticked;
    for (int l = 0; l < ListTasks->count() && l < TaskListFiles.size(); ++l) {
        listed.append({TaskListFiles[l], ListTasks->item(l)->text()});
        ticked.append(ListTasks->item(l)->checkState() == Qt::Checked);
    }
    const ChosenTasks chosen = chooseTasks(listed, ticked);
    if (chosen.count() == 0) {
        tell(nothingChosenMessage());
        return;
    }
    if (chosen.count() > kMaxChosenTasks) {
        tell(tr("At most %1 tasks can be chosen for one activity.").arg(kMaxChosenTasks));
        return;
    }
    ChosenTaskList.fill(QStringLiteral("0"));
    ChosenTaskIndex.fill(0);
    ChosenTaskCount = static_cast<std::int16_t>(chosen.count());
    for (int k = 1; k <= ChosenTaskCount; ++k) {
        ChosenTaskList[k] = chosen.files[k - 1];
        ChosenTaskIndex[k] = static_cast<std::int16_t>(chosen.listIndexes[k - 1]);
    }
    ListTasks->setCurrentRow(ListTasks->count() - 1);
    saveFilter();
    ActivityStartTime = platform::clock().timer();
    // The activity starts from the event loop once this click is over, not from inside it: until
    // a click's handler returns, Qt gives every mouse event to the button that was pressed, and
    // the student's clicks would never reach the pictures.
    showForm(FormId::Animation);
    hide();
}

void FormTask::Cmdback_Click() {
    saveFilter();
    showForm(FormId::Main);
    hide();
}

void FormTask::closeEvent(QCloseEvent* event) {
    // Closing the window from the desktop is Back: the main menu is what is left.
    event->ignore();
    Cmdback_Click();
}

int FormTask::taskCount() const { return ListTasks->count(); }

bool FormTask::isTaskTicked(int position) const {
    const QListWidgetItem* item = ListTasks->item(position);
    return item != nullptr && item->checkState() == Qt::Checked;
}

void FormTask::setTaskTicked(int position, bool ticked) {
    if (QListWidgetItem* item = ListTasks->item(position)) item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void FormTask::setCurrentTask(int position) {
    if (position >= 0 && position < ListTasks->count()) ListTasks->setCurrentRow(position);
}

void FormTask::setListUpdating(bool updating) { ListUpdating = updating ? 1 : 0; }
