// The jump-start panel: which pictures the computer places before the student starts.

#include "students/FormOptions.h"

#include "students/OptionWidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void FormOptions::buildJumpStartPanel() {
    FrameHeadStart = addPanel("FrameHeadStart", tr("Jump Start"));
    auto* layout = static_cast<QVBoxLayout*>(FrameHeadStart->layout());
    addPanelText(FrameHeadStart, layout,
                 tr("This option is used to have the computer automatically place pictures in the correct position "
                    "before the task is started.  With this option for example,  you can take an task of 5 steps and "
                    "turn it into a sequencing task of 2 steps."));
    addPanelText(FrameHeadStart, layout,
                 tr("Check off which pictures the computer will place automatically in the correct position before "
                    "the task is started."));
    for (int n = 2; n <= 10; ++n) {
        auto* group = new QGroupBox(tr("%1 Steps").arg(n), FrameHeadStart);
        group->setObjectName(QStringLiteral("FrameHeadStart%1").arg(n));
        group->setAccessibleName(group->title());
        auto* row = new QHBoxLayout(group);
        row->setContentsMargins(10, 2, 10, 2);
        for (int p = 1; p <= n; ++p) {
            auto* box = new QCheckBox(tr("Step %1").arg(p), group);
            box->setObjectName(QStringLiteral("CheckHeadStart%1_%2").arg(n).arg(p));
            box->setAccessibleName(box->text());
            box->setAccessibleDescription(group->title());
            connect(box, &QCheckBox::clicked, this, &FormOptions::markChanged);
            row->addWidget(box);
            CheckHeadStart[n][p] = box;
        }
        row->addStretch(1);
        layout->addWidget(group);
    }
    CmdHeadStartDone = addDoneRow(FrameHeadStart, "CmdHeadStartDone");
    connect(CmdHeadStart, &QPushButton::clicked, this, [this] { openPanel(FrameHeadStart, CmdHeadStart); });
    connect(CmdHeadStartDone, &QPushButton::clicked, this, &FormOptions::CmdHeadStartDone_Click);
}

void FormOptions::CmdHeadStartDone_Click() {
    JumpStartTicks ticked{};
    for (int n = 2; n <= 10; ++n) {
        for (int p = 1; p <= n; ++p) ticked[n][p] = CheckHeadStart[n][p]->isChecked();
    }
    // Every picture placed in advance would leave the student nothing to do.
    if (const QString refusal = jumpStartRefusal(ticked); !refusal.isEmpty()) {
        tell(refusal);
        return;
    }
    panelDone(FrameHeadStart);
}
