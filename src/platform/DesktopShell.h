#pragma once

#include "platform/Shell.h"

class DesktopShell : public Shell {
public:
    bool open(const QString& pathOrUrl) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
};
