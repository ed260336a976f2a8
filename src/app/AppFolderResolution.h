#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

// Where the program keeps its data, in this order:
// 1. the folder given by --app-folder DIR;
// 2. the executable's own folder when it holds aobj_prog_type.cfg (a portable copy, as
//    teachers carry it on a memory stick);
// 3. the per-user data folder, filled from the default content on first start.
struct AppFolderInputs {
    QStringList arguments;   // the command line, program name first
    QString executableDir;
    QString userDataDir;     // e.g. ~/.local/share/stepwick
    QString defaultContent;  // the shipped content, empty when none was found
};

struct AppFolderChoice {
    QString folder;
    bool filled = false;  // the default content was copied in just now
};

Result<AppFolderChoice> resolveAppFolder(const AppFolderInputs& in);

// The folder of the shipped content, looked for beside the executable's folder (build tree and
// installed layout alike): <exe>/../share/stepwick/content. Empty when there is none.
QString findDefaultContent(const QString& executableDir);

// The per-user data folder: $XDG_DATA_HOME/stepwick, or ~/.local/share/stepwick.
QString userDataFolder();

// An error naming the folder unless it exists, is a folder and can be written.
Status checkUsableFolder(const QString& folder);

// Copies every file of the content folder that the target does not have yet; overwrites nothing.
Status copyMissingContent(const QString& content, const QString& target);
