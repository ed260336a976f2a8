#include "students/FormTestSpeech.h"

#include "app/ReturnToMain.h"
#include "app/WindowSetup.h"

FormTestSpeech::FormTestSpeech(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormTestSpeech"));
    prepareWindow(this, false);
    addReturnToMainButton(this, "CmdClose");
}
