#pragma once

#include "platform/Shell.h"

class FakeShell : public Shell {
public:
    bool open(const QString& pathOrUrl) override {
        opened.append(pathOrUrl);
        return result;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return result;
    }

    QStringList opened;
    QStringList started;
    bool result = true;
};
