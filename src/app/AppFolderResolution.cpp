#include "app/AppFolderResolution.h"

#include "core/ShippedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString appFolderArgument(const QStringList& args, bool* given, QString* problem) {
    *given = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--app-folder")) {
            *given = true;
            if (i + 1 >= args.size()) {
                *problem = QCoreApplication::translate("AppFolder", "--app-folder needs a folder after it.");
                return {};
            }
            return args[i + 1];
        }
        if (a.startsWith(QLatin1String("--app-folder="))) {
            *given = true;
            return a.mid(13);
        }
    }
    return {};
}
Result<AppFolderChoice> fillWithDefaultContent(const QString& folder, const QString& content) {
    if (content.isEmpty()) {
        return Error{QCoreApplication::translate("AppFolder",
                                                 "The program's default content was not found, so %1 cannot be filled. "
                                                 "Reinstall the program, or start it with --app-folder DIR.")
                         .arg(folder)};
    }
    if (Status s = copyMissingContent(content, folder); !s) return Error{s.error()};
    return AppFolderChoice{folder, true};
}

// The folder named on the command line: a data folder is used as it is; a new folder (whose
// parent exists) or an empty one is made a data folder with the default content; a folder that
// holds anything else is left alone.
Result<AppFolderChoice> chosenFolder(const QString& folder, const QString& content) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        if (!QFileInfo(info.absolutePath()).isDir()) return Error{checkUsableFolder(folder).error()};
        if (!QDir().mkdir(folder)) {
            return Error{QCoreApplication::translate("AppFolder", "The data folder %1 cannot be made.").arg(folder)};
        }
        if (Status s = checkUsableFolder(folder); !s) return Error{s.error()};
        return fillWithDefaultContent(folder, content);
    }
    if (!info.isDir()) return Error{checkUsableFolder(folder).error()};
    if (QFileInfo(QDir(folder).filePath(kProgramTypeFile)).isFile()) {
        if (Status s = checkUsableFolder(folder); !s) return Error{s.error()};
        return AppFolderChoice{folder, false};
    }
    const bool empty =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty();
    if (!empty) {
        // Nothing is written here: not even the test of whether the folder can be written.
        return Error{QCoreApplication::translate(
                         "AppFolder",
                         "%1 is not a Stepwick data folder: it holds other files but no %2. To start a new "
                         "classroom folder, name a folder that does not exist yet or an empty one, for example "
                         "--app-folder ~/classroom.")
                         .arg(folder, kProgramTypeFile)};
    }
    if (Status s = checkUsableFolder(folder); !s) return Error{s.error()};
    return fillWithDefaultContent(folder, content);
}

}  // namespace

Status checkUsableFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists())
        return Error{QCoreApplication::translate("AppFolder", "The data folder %1 does not exist.").arg(folder)};
    if (!info.isDir())
        return Error{
            QCoreApplication::translate("AppFolder", "The data folder %1 is a file, not a folder.").arg(folder)};
    // Try a real write: permission bits alone say nothing on a read-only medium or for root.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".stepwick-write-test-XXXXXX")));
    if (!probe.open()) {
        return Error{QCoreApplication::translate(
                         "AppFolder", "The data folder %1 cannot be written (%2). Choose a folder you can write to.")
                         .arg(folder, probe.errorString())};
    }
    return {};
}

Status copyMissingContent(const QString& content, const QString& target) {
    const QDir from(content);
    QDirIterator it(content, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = from.relativeFilePath(source);
        const QString destination = QDir(target).filePath(relative);
        if (QFileInfo::exists(destination)) continue;
        if (!QDir().mkpath(QFileInfo(destination).absolutePath())) {
            return Error{
                QCoreApplication::translate("AppFolder", "The folder for %1 cannot be made.").arg(destination)};
        }
        // Copy to a sibling, then rename, so an interrupted first start leaves no half file.
        const QString partial = destination + QStringLiteral(".partial");
        QFile::remove(partial);
        if (!QFile::copy(source, partial) || !QFile::rename(partial, destination)) {
            QFile::remove(partial);
            return Error{
                QCoreApplication::translate("AppFolder", "%1 cannot be copied to %2.").arg(source, destination)};
        }
        QFile(destination).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return {};
}

QString findDefaultContent(const QString& executableDir) {
    const QString candidate = QDir::cleanPath(executableDir + QStringLiteral("/../share/stepwick/content"));
    return QFileInfo(candidate + QLatin1Char('/') + kProgramTypeFile).isFile() ? candidate : QString();
}

QString userDataFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("stepwick"));
}

Result<AppFolderChoice> resolveAppFolder(const AppFolderInputs& in) {
    bool given = false;
    QString problem;
    const QString chosen = appFolderArgument(in.arguments, &given, &problem);
    if (!problem.isEmpty()) return Error{problem};
    if (given) {
        if (chosen.isEmpty())
            return Error{QCoreApplication::translate("AppFolder", "--app-folder needs a folder after it.")};
        return chosenFolder(QDir::cleanPath(QFileInfo(chosen).absoluteFilePath()), in.defaultContent);
    }

    if (!in.executableDir.isEmpty() && QFileInfo(QDir(in.executableDir).filePath(kProgramTypeFile)).isFile()) {
        const QString folder = QDir::cleanPath(QFileInfo(in.executableDir).absoluteFilePath());
        if (Status s = checkUsableFolder(folder); !s) return Error{s.error()};
        return AppFolderChoice{folder, false};
    }

    const QString folder = QDir::cleanPath(in.userDataDir);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir()) {
        return Error{
            QCoreApplication::translate("AppFolder", "The data folder %1 is a file, not a folder.").arg(folder)};
    }
    if (!QDir().mkpath(folder))
        return Error{QCoreApplication::translate("AppFolder", "The data folder %1 cannot be made.").arg(folder)};
    if (Status s = checkUsableFolder(folder); !s) return Error{s.error()};
    if (!QFileInfo(QDir(folder).filePath(kProgramTypeFile)).isFile())
        return fillWithDefaultContent(folder, in.defaultContent);
    return AppFolderChoice{folder, false};
}
