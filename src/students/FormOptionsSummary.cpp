// The summary panel: every option of the student in words, one line per topic.

#include "students/FormOptions.h"

#include "app/Globvars.h"
#include "platform/Services.h"
#include "students/OptionWidgets.h"
#include "students/OptionsSummary.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <algorithm>

namespace {
// Where the first line sits on the panel, in twips: as wide as the screen allows up to 13500,
// and high enough for two lines of text.
constexpr int kFirstLineLeftTwips = 300;
constexpr int kFirstLineTopTwips = 1000;
constexpr int kLineWidthTwips = 13500;
constexpr int kTitleTopTwips = 300;
}  // namespace

void FormOptions::buildSummaryPanel() {
    FrameSummary = addPanel("FrameSummary", QString());
    // The lines are placed by their own arithmetic, not by the panel's layout.
    delete FrameSummary->layout();
    const auto pixelsX = [this](int twips) { return toPixelsX(twips); };
    const auto pixelsY = [this](int twips) { return toPixelsY(twips); };

    const int screenTwips = static_cast<int>(platform::screen().geometry().width() * twipsPerPixelX_);
    const int lineWidthTwips = std::min(kLineWidthTwips, screenTwips - 2 * kFirstLineLeftTwips - 600);

    labelSummaryTitle = new QLabel(FrameSummary);
    labelSummaryTitle->setObjectName(QStringLiteral("labelSummaryTitle"));
    labelSummaryTitle->ensurePolished();
    labelSummaryTitle->setTextFormat(Qt::PlainText);
    labelSummaryTitle->setGeometry(pixelsX(kFirstLineLeftTwips), pixelsY(kTitleTopTwips), pixelsX(lineWidthTwips),
                                   labelSummaryTitle->fontMetrics().height() + 8);
    for (int i = 0; i < kSummaryLabelCount; ++i) {
        auto* label = new QLabel(FrameSummary);
        label->setObjectName(QStringLiteral("LabelSummary%1").arg(i));
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->ensurePolished();
        LabelSummary[i] = label;
    }
    const int lineHeightTwips =
        static_cast<int>(std::ceil((2 * LabelSummary[0]->fontMetrics().lineSpacing() + 2) * twipsPerPixelY_));
    summaryFirstLineTwips_ = QRect(kFirstLineLeftTwips, kFirstLineTopTwips, lineWidthTwips, lineHeightTwips);

    CmdSummaryBack = namedButton(FrameSummary, "CmdSummaryBack", tr("Back"));
    CmdSummaryBack->setFixedSize(150, 44);
    // Laid out once here so the panel has its size before it is first opened.
    const QList<QRect> rects = summaryLabelRects(summaryFirstLineTwips_);
    const QRect last = rects.back();
    const int bottom = pixelsY(last.top() + last.height());
    const int width = pixelsX(kFirstLineLeftTwips * 2 + lineWidthTwips);
    CmdSummaryBack->move(width - CmdSummaryBack->width() - pixelsX(kFirstLineLeftTwips), bottom + 12);
    FrameSummary->resize(width, CmdSummaryBack->geometry().bottom() + 14);
    connect(CmdSummaryBack, &QPushButton::clicked, this, &FormOptions::CmdSummaryBack_Click);
}

void FormOptions::CmdSummary_Click() {
    centrePanel(FrameSummary);
    FrameAllOptions->hide();
    labelSummaryTitle->setText(optionsSummaryTitle(CurrentStudent));
    const QList<QRect> rects = summaryLabelRects(summaryFirstLineTwips_);
    const QStringList lines = optionsSummaryLines(StudentOptions);
    for (int i = 0; i < kSummaryLabelCount; ++i) {
        const QRect& r = rects[i];
        LabelSummary[i]->setGeometry(toPixelsX(r.left()), toPixelsY(r.top()), toPixelsX(r.width()),
                                     toPixelsY(r.height()));
        LabelSummary[i]->setText(lines[i]);
        LabelSummary[i]->setAccessibleName(lines[i]);
    }
    FrameSummary->show();
    CmdSummaryBack->setFocus(Qt::OtherFocusReason);
}

void FormOptions::CmdSummaryBack_Click() {
    FrameSummary->hide();
    showMainPanel();
    CmdSummary->setFocus(Qt::OtherFocusReason);
}
