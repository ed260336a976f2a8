#pragma once

#include <functional>

class QIcon;
class QShowEvent;
class QWidget;

// The program's icon: numbered boxes, drawn in code.
QIcon stepwickIcon();

// Titles the window "Stepwick", gives it the icon and, for a full-screen window, sets its
// geometry to the whole screen explicitly (a full-screen request alone does nothing without a
// window manager).
void prepareWindow(QWidget* window, bool fullScreen);

// Runs a window's activation once per showing, after the window is on screen: a window system's
// own show (after being minimised) or the return from a message box is not a new showing, and a
// window hidden again before its turn is not activated. Call showed() from showEvent.
class ActivationOnShow {
public:
    void showed(QWidget* window, const QShowEvent* event, std::function<void()> activate);

private:
    bool pending_ = false;
};
