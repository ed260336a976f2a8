// The options window's sub-panels: which groups and texts each one holds.

#include "students/FormOptions.h"

#include "students/OptionWidgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cstring>

namespace {
QVBoxLayout* columnOf(QWidget* w) { return static_cast<QVBoxLayout*>(w->layout()); }
}  // namespace

void FormOptions::addPanelText(QWidget* parent, QBoxLayout* layout, const QString& text) {
    layout->addWidget(wrappedLabel(text, parent));
}

void FormOptions::addOptionButtons(QWidget* parent, QBoxLayout* layout, const char* groupName, OptionButtons& buttons) {
    const OptionGroup& group = optionGroup(groupName);
    const bool colours = std::strcmp(groupName, "OptionBC") == 0;
    auto* exclusive = new QButtonGroup(parent);
    QBoxLayout* row = layout;
    if (colours) {
        row = new QHBoxLayout;
        layout->addLayout(row);
    }
    for (int i = 1; i <= static_cast<int>(group.captions.size()); ++i) {
        const QString caption = tr(group.captions[i - 1]);
        QAbstractButton* b = colours ? static_cast<QAbstractButton*>(new ColourButton(caption, parent))
                                     : new WrapRadioButton(caption, parent);
        b->setObjectName(QString::fromLatin1(groupName) + QString::number(i));
        exclusive->addButton(b, i);
        row->addWidget(b);
        connect(b, &QAbstractButton::clicked, this, &FormOptions::markChanged);
        buttons[i] = b;
    }
    if (colours) row->addStretch(1);
    bindings_.push_back({&group, &buttons, exclusive});
}

QGroupBox* FormOptions::optionGroupBox(QWidget* parent, const QString& title, const QStringList& texts,
                                       const char* groupName, OptionButtons& buttons) {
    auto* box = new QGroupBox(title, parent);
    box->setAccessibleName(displayedCaption(title));
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(6);
    for (const QString& text : texts) addPanelText(box, layout, text);
    addOptionButtons(box, layout, groupName, buttons);
    layout->addStretch(1);
    return box;
}

void FormOptions::buildDevicePanel() {
    FrameInputDevice = addPanel("FrameInputDevice", tr("Switch / Mouse Settings"));
    QVBoxLayout* layout = columnOf(FrameInputDevice);
    addPanelText(FrameInputDevice, layout,
                 tr("This options controls how the picture is selected and moved over to the target sequence "
                    "position"));
    addOptionButtons(FrameInputDevice, layout, "OptInputDevice", OptInputDevice);

    auto* scan = new QGridLayout;
    scan->setContentsMargins(28, 4, 0, 4);
    auto* label = new QLabel(tr("Seconds between two scan steps (Option 3):"), FrameInputDevice);
    SliderScanTime = new FocusSlider(Qt::Horizontal, FrameInputDevice);
    SliderScanTime->setObjectName(QStringLiteral("SliderScanTime"));
    SliderScanTime->setAccessibleName(label->text());
    SliderScanTime->setRange(1, 10);
    SliderScanTime->setSingleStep(1);
    SliderScanTime->setPageStep(5);
    SliderScanTime->setTickPosition(QSlider::TicksBelow);
    SliderScanTime->setTickInterval(1);
    SliderScanTime->setFixedWidth(420);
    label->setBuddy(SliderScanTime);
    auto* scale =
        new SliderScale(tr("   1    2    3    4    5    6    7    8    9   10"), SliderScanTime, FrameInputDevice);
    scale->setObjectName(QStringLiteral("LabScanScale"));
    // A little wider than the slider, so that "10" under its right end is not cut off.
    scale->setFixedWidth(SliderScanTime->width() + 2 * scale->fontMetrics().horizontalAdvance(QStringLiteral("10")));
    scan->addWidget(label, 0, 0);
    scan->addWidget(SliderScanTime, 0, 1, Qt::AlignLeft);
    scan->addWidget(scale, 1, 1, Qt::AlignLeft);
    scan->setColumnStretch(2, 1);
    layout->addLayout(scan);
    // Every move the teacher makes (drag, click, keys, wheel) is an action; setting it is not.
    connect(SliderScanTime, &QSlider::actionTriggered, this, [this] {
        markChanged();
        scanIntervalMoved_ = true;
    });

    addPanelText(FrameInputDevice, layout,
                 tr("Important Note: For Options 1,2 && 3  If the selected picture is on the top row waiting to be "
                    "sequenced, it will move down to the next available position when selected.  If the picture "
                    "selected is already in a sequenced position, it will move back up so it can be selected again "
                    "for sequencing."));
    CmdDeviceDone = addDoneRow(FrameInputDevice, "CmdDeviceDone");
    connect(CmdDevice, &QPushButton::clicked, this, [this] { openPanel(FrameInputDevice, CmdDevice); });
    connect(CmdDeviceDone, &QPushButton::clicked, this, [this] { panelDone(FrameInputDevice); });
}

void FormOptions::buildFeedbackPanel() {
    FrameFeedback = addPanel("FrameFeedback", tr("Response Setting"));
    QVBoxLayout* layout = columnOf(FrameFeedback);
    addPanelText(FrameFeedback, layout,
                 tr("This option controls whether the computer will wait until all the pictures are sequenced "
                    "before revealing whether they are right or wrong,  or revealing after each placement."));
    addOptionButtons(FrameFeedback, layout, "OptFeedback", OptFeedback);
    CmdFeedbackDone = addDoneRow(FrameFeedback, "CmdFeedbackDone");
    connect(cmdFeedBack, &QPushButton::clicked, this, [this] { openPanel(FrameFeedback, cmdFeedBack); });
    connect(CmdFeedbackDone, &QPushButton::clicked, this, [this] { panelDone(FrameFeedback); });
}

void FormOptions::buildLayoutPanel() {
    FrameNumbers = addPanel("FrameNumbers", tr("Task Layout Options"));
    auto* grid = new QGridLayout;
    grid->setSpacing(10);
    grid->addWidget(optionGroupBox(FrameNumbers, tr("Picture Shuffling Sequence"),
                                   {tr("This option controls how the computer shuffles the pictures to be sequenced")},
                                   "seqOption", seqOption),
                    0, 0);
    grid->addWidget(
        optionGroupBox(FrameNumbers, tr("Background Color"),
                       {tr("This option sets the background color for the sequencing task and the lesson.")},
                       "OptionBC", OptionBC),
        0, 1);
    grid->addWidget(optionGroupBox(FrameNumbers, tr("Sequencing Direction"),
                                   {tr("This option controls whether the sequencing activity will be from left to "
                                       "right, top to bottom, or right to left.")},
                                   "OptLayout", OptLayout),
                    1, 0);
    grid->addWidget(optionGroupBox(FrameNumbers, tr("Placement Box Style"),
                                   {tr("This option determines whether the boxes that the student will move the "
                                       "pictures to, will be numbered or just blank.")},
                                   "OptSeqStyle", OptSeqStyle),
                    1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    columnOf(FrameNumbers)->addLayout(grid);
    cmdNumbersDone = addDoneRow(FrameNumbers, "cmdNumbersDone");
    connect(CmdNumbers, &QPushButton::clicked, this, [this] { openPanel(FrameNumbers, CmdNumbers); });
    connect(cmdNumbersDone, &QPushButton::clicked, this, [this] { panelDone(FrameNumbers); });
}

void FormOptions::buildPicturePanel() {
    FrameSpeed = addPanel("FrameSpeed", tr("Picture Options"));
    QVBoxLayout* layout = columnOf(FrameSpeed);
    layout->addWidget(optionGroupBox(
        FrameSpeed, tr("Picture Title Settings"),
        {tr("This option controls whether descriptions of the pictures will appear over the picture during the "
            "sequencing task. For example, a picture of someone brushing their teeth will have the words \"brushing "
            "your teeth\" appear over the picture, when this option is turned on.")},
        "OptionTitle", OptionTitle));
    auto* speed = new QGroupBox(tr("Picture Movement Speed"), FrameSpeed);
    speed->setAccessibleName(speed->title());
    buildSpeedGroup(speed);
    layout->addWidget(speed);
    CmdSpeedDone = addDoneRow(FrameSpeed, "CmdSpeedDone");
    connect(CmdSpeed, &QPushButton::clicked, this, [this] { openPanel(FrameSpeed, CmdSpeed); });
    connect(CmdSpeedDone, &QPushButton::clicked, this, [this] {
        setSpeedButtonsIdle();
        panelDone(FrameSpeed);
    });
}

void FormOptions::buildAuditoryPanel() {
    FrameAuditory = addPanel("FrameAuditory", tr("Auditory Narration Options"));
    QVBoxLayout* layout = columnOf(FrameAuditory);
    layout->addWidget(optionGroupBox(FrameAuditory, tr("Audtio Instructions"),
                                     {tr("This option controls whether the computer will verbally narrate the switch "
                                         "/ mouse settings that are currently set of how a picture is selected and "
                                         "moved.")},
                                     "OptInstructions", OptInstructions));
    layout->addWidget(optionGroupBox(FrameAuditory, tr("Auditory Narration for each Picture in a Task"),
                                     {tr("This option controls whether the computer will play the recorded auditory "
                                         "narrations associated with the picture for each step in the task.")},
                                     "OptAudio", OptAudio));
    cmdAuditoryDone = addDoneRow(FrameAuditory, "cmdAuditoryDone");
    connect(CmdAuditory, &QPushButton::clicked, this, [this] { openPanel(FrameAuditory, CmdAuditory); });
    connect(cmdAuditoryDone, &QPushButton::clicked, this, [this] { panelDone(FrameAuditory); });
}

void FormOptions::buildVideoPanel() {
    FrameVideo = addPanel("FrameVideo", tr("Video && Review Lesson Options"));
    QVBoxLayout* layout = columnOf(FrameVideo);
    const auto pairOfGroups = [this](const QString& title, const QString& text, const QString& first,
                                     const char* firstGroup, OptionButtons& firstButtons, const QString& second,
                                     const char* secondGroup, OptionButtons& secondButtons) {
        auto* box = new QGroupBox(title, FrameVideo);
        box->setAccessibleName(displayedCaption(title));
        auto* column = new QVBoxLayout(box);
        addPanelText(box, column, text);
        auto* row = new QHBoxLayout;
        row->addWidget(optionGroupBox(box, first, {}, firstGroup, firstButtons), 1);
        row->addWidget(optionGroupBox(box, second, {}, secondGroup, secondButtons), 1);
        column->addLayout(row);
        return box;
    };
    layout->addWidget(pairOfGroups(
        tr("Review Lesson Options"),
        tr("This option controls whether the review will be played or not before a sequencing actiity and whether to "
           "enable the \"Play Lesson\" button during the sequencing task."),
        tr("Activity Review Options"), "OptLesson", OptLesson, tr("Review Button Options"), "OptLessonButton",
        OptLessonButton));
    layout->addWidget(pairOfGroups(
        tr("Video Clip Options"),
        tr("This option controls whether a video clip will be played or not and whether to enable the \"Play "
           "Video\" button during the sequencing task."),
        tr("Play Video Clip"), "OptVideo", OptVideo, tr("Show or Hide the \"Play Video\" Button"), "OptVideoButton",
        OptVideoButton));
    CmdVideoDone = addDoneRow(FrameVideo, "CmdVideoDone");
    connect(CmdVideo, &QPushButton::clicked, this, [this] { openPanel(FrameVideo, CmdVideo); });
    connect(CmdVideoDone, &QPushButton::clicked, this, [this] { panelDone(FrameVideo); });
}

void FormOptions::buildRewardPanel() {
    FrameReward = addPanel("FrameReward", tr("Rewards"));
    QVBoxLayout* layout = columnOf(FrameReward);
    addPanelText(FrameReward, layout,
                 tr("This option controls whether a reward will be given at the end of an task or not."));
    addPanelText(FrameReward, layout,
                 tr("The reward screen gives 5 stars when every picture went straight to its place, 4 stars when "
                    "there were no more wrong placements than the task has steps, and 3 stars when there were "
                    "more."));
    addOptionButtons(FrameReward, layout, "OptReward", OptReward);
    CmdRewardDone = addDoneRow(FrameReward, "CmdRewardDone");
    connect(CmdReward, &QPushButton::clicked, this, [this] { openPanel(FrameReward, CmdReward); });
    connect(CmdRewardDone, &QPushButton::clicked, this, [this] { panelDone(FrameReward); });
}
