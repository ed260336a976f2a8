#include "activity/FormAnimation.h"

#include "app/ReturnToMain.h"
#include "app/WindowSetup.h"

FormAnimation::FormAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormAnimation"));
    prepareWindow(this, true);
    addReturnToMainButton(this, "CmdExit");
}
