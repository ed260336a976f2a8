#include "platform/DesktopShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

Status DesktopShell::open(const QString& pathOrUrl) {
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath())
                                                  : QUrl::fromUserInput(pathOrUrl);
    if (QDesktopServices::openUrl(url)) return {};
    return Error{
        QCoreApplication::translate("DesktopShell", "%1 could not be opened: no program on this computer opens it.")
            .arg(pathOrUrl)};
}

Status DesktopShell::startProgram(const QString& program, const QStringList& arguments) {
    if (QProcess::startDetached(program, arguments)) return {};
    return Error{QCoreApplication::translate("DesktopShell", "The program %1 could not be started.").arg(program)};
}

bool DesktopShell::hasProgram(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }
