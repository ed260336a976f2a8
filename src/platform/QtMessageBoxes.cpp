#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

MessageBoxes::Answer QtMessageBoxes::show(const QString& text, Buttons buttons, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::translate("QtMessageBoxes", "Stepwick") : title);
    box.setText(text);
    box.setAccessibleName(text);
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
    }
    // Large enough to read from across a classroom.
    QFont f = box.font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    box.setFont(f);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}
