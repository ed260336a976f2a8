#include "library/FormTask.h"

#include "app/ReturnToMain.h"
#include "app/WindowSetup.h"

FormTask::FormTask(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormTask"));
    prepareWindow(this, true);
    addReturnToMainButton(this, "CmdBack");
}
