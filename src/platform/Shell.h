#pragma once

#include <QString>
#include <QStringList>

// The desktop's "open" and starting other programs.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a document, folder or web address with the desktop's default program.
    virtual bool open(const QString& pathOrUrl) = 0;

    // Starts a program with arguments and does not wait for it.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};
