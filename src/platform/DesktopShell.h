#pragma once

#include "platform/Shell.h"

class DesktopShell : public Shell {
public:
    Status open(const QString& pathOrUrl) override;
    Status startProgram(const QString& program, const QStringList& arguments) override;
    bool hasProgram(const QString& program) override;
};
