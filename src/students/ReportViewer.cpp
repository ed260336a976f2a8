#include "students/ReportViewer.h"

#include "app/WindowSetup.h"
#include "platform/Services.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReportViewer::ReportViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ReportViewer"));
    prepareWindow(this, false);
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    LabReportTitle = new QLabel(this);
    LabReportTitle->setObjectName(QStringLiteral("LabReportTitle"));
    LabReportTitle->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    layout->addWidget(LabReportTitle);
    TextReport = new QPlainTextEdit(this);
    TextReport->setObjectName(QStringLiteral("TextReport"));
    TextReport->setReadOnly(true);
    TextReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Read-only, but the keyboard can still move through it and select.
    TextReport->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(11);
    TextReport->setFont(mono);
    layout->addWidget(TextReport, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    CmdClose = new QPushButton(tr("Close"), this);
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    CmdClose->setAccessibleName(CmdClose->text());
    CmdClose->setAutoDefault(true);
    CmdClose->setMinimumHeight(40);
    row->addWidget(CmdClose);
    layout->addLayout(row);
    connect(CmdClose, &QPushButton::clicked, this, &QWidget::close);

    const QRect screen = platform::screen().geometry();
    const QSize size(qMin(900, screen.width() - 40), qMin(640, screen.height() - 60));
    setGeometry(QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

void ReportViewer::showReport(const QString& path, const QString& text) {
    const QString title = QFileInfo(path).fileName();
    setWindowTitle(title);
    LabReportTitle->setText(title);
    TextReport->setAccessibleName(title);
    TextReport->setPlainText(text);
    TextReport->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
    TextReport->setFocus(Qt::OtherFocusReason);
}

void ReportViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
