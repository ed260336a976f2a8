#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

// The desktop's "open" and starting other programs.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a document, folder or web address with the desktop's default program. An error
    // names what could not be opened.
    virtual Status open(const QString& pathOrUrl) = 0;

    // Starts a program with arguments and does not wait for it. An error names the program.
    virtual Status startProgram(const QString& program, const QStringList& arguments) = 0;

    // True when a program of that name can be started (it is on the search path).
    virtual bool hasProgram(const QString& program) = 0;
};
