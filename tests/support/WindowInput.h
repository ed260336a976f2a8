#pragma once

#include <QPushButton>
#include <QWidget>

// Input as the window system delivers it: queued, and handled by the event loop's next pass that
// takes user input (unlike QTest's clicks, which are handled on the spot). The widget's window
// must be shown.

// A left-button press and release at the middle of the widget.
void queueClick(QWidget* widget);

// A press and release of the key, to the widget's window (its focus widget takes it).
void queueKey(QWidget* widget, Qt::Key key);

// A shown window with one button, for input fixtures.
struct WindowWithButton {
    WindowWithButton();
    QWidget window;
    QPushButton* button;
};
