#include "students/FormSpeech.h"

#include "app/ReturnToMain.h"
#include "app/WindowSetup.h"

FormSpeech::FormSpeech(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormSpeech"));
    prepareWindow(this, false);
    addReturnToMainButton(this, "CmdClose");
}
