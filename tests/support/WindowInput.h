#pragma once

#include <QEvent>
#include <QPushButton>
#include <QWidget>

// Input as the window system delivers it: queued, and handled by the event loop's next pass that
// takes user input (unlike QTest's clicks, which are handled on the spot). The widget's window
// must be shown.

// A left-button press and release at the middle of the widget.
void queueClick(QWidget* widget);

// A press and release of the key, to the widget's window (its focus widget takes it).
void queueKey(QWidget* widget, Qt::Key key);

// One mouse event at `local` (the window's coordinates) with the time stamp the window system
// gives it: two presses close in time and place make a double click.
void queueMouseEvent(QWidget* window, QEvent::Type type, QPoint local, Qt::MouseButtons state, Qt::MouseButton button,
                     ulong timestamp);

// One key event to the window, as the keyboard's repeat sends it when autoRepeat is set.
void queueKeyEvent(QWidget* window, QEvent::Type type, Qt::Key key, bool autoRepeat = false);

// A shown window with one button, for input fixtures.
struct WindowWithButton {
    WindowWithButton();
    QWidget window;
    QPushButton* button;
};
