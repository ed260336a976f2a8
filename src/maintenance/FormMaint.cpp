#include "maintenance/FormMaint.h"

#include "app/ReturnToMain.h"
#include "app/WindowSetup.h"

FormMaint::FormMaint(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormMaint"));
    prepareWindow(this, true);
    addReturnToMainButton(this, "CmdExit");
}
