#pragma once

class QWidget;

// A window that is not finished yet offers one way out: a button back to the main menu.
void addReturnToMainButton(QWidget* window, const char* objectName);
