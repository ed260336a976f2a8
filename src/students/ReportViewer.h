#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// A student's report, shown read-only in a window of its own: the desktop may have no program
// for ".sta" files, and the report is plain text.
class ReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit ReportViewer(QWidget* parent);

    // Shows the text of the report at path (titled with the file's name), scrolled to its top.
    void showReport(const QString& path, const QString& text);

    // The file's name over the text: without a window manager the title bar is not shown.
    QLabel* LabReportTitle = nullptr;
    QPlainTextEdit* TextReport = nullptr;
    QPushButton* CmdClose = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
