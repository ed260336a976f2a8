#pragma once

class QIcon;
class QWidget;

// The program's icon: numbered boxes, drawn in code.
QIcon stepwickIcon();

// Titles the window "Stepwick", gives it the icon and, for a full-screen window, sets its
// geometry to the whole screen explicitly (a full-screen request alone does nothing without a
// window manager).
void prepareWindow(QWidget* window, bool fullScreen);
