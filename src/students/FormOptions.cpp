#include "students/FormOptions.h"

#include "app/ReturnToMain.h"
#include "app/WindowSetup.h"

FormOptions::FormOptions(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormOptions"));
    prepareWindow(this, true);
    addReturnToMainButton(this, "CmdDone");
}
