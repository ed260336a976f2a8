#pragma once

#include "platform/Shell.h"

class FakeShell : public Shell {
public:
    Status open(const QString& pathOrUrl) override {
        opened.append(pathOrUrl);
        return answer(pathOrUrl);
    }
    Status startProgram(const QString& program, const QStringList& arguments) override {
        started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return answer(program);
    }

    bool hasProgram(const QString& program) override { return programs.contains(program); }

    QStringList opened;
    QStringList started;
    QStringList programs;  // the programs installed
    bool result = true;    // false: every call fails

private:
    Status answer(const QString& what) const {
        if (result) return {};
        return Error{what + QStringLiteral(" could not be opened.")};
    }
};
