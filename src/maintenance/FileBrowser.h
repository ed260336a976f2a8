#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class FolderFilesModel;
class QFileSystemModel;
class QLabel;
class QListView;
class QTreeView;

// A folder tree and, beside it, the files of the folder chosen in the tree that have one of the
// given endings (compared without regard to case). Both follow Qt's file-system model, which reads
// folders in the background. A double click or Enter on a file reports it with its full path; a
// single click only highlights it.
class FileBrowser : public QWidget {
    Q_OBJECT
public:
    // folderName and fileName become the object names of the tree and the list; the captions head
    // them and are their accessible names.
    FileBrowser(QWidget* parent, const QString& folderName, const QString& folderCaption, const QString& fileName,
                const QString& fileCaption, const QStringList& endings);

    // The teacher's Pictures folder when there is one, else the home folder.
    static QString startFolder();

    // Shows folder in the tree (opening the folders above it) and its files in the list. The
    // models are made on the first call, so a window that never browses never reads a folder.
    void showFolder(const QString& folder);
    QString folder() const { return folder_; }

    // Highlights the file of that name in the shown folder; false when there is none.
    bool selectFile(const QString& name);

    // The highlighted file's name and full path; empty when none is highlighted.
    QString currentFileName() const;
    QString currentFilePath() const;

    QTreeView* folders() const { return folders_; }
    QListView* files() const { return files_; }
    // The number of files the list shows (the model reads a folder in the background, so this
    // grows after showFolder).
    int fileCount() const;

Q_SIGNALS:
    // A double click or Enter on a file.
    void fileActivated(const QString& path);
    // The list shows another folder.
    void folderChanged(const QString& folder);

private:
    void makeModels();
    void listFolder(const QString& folder);

    QStringList endings_;
    QString folder_;
    QTreeView* folders_ = nullptr;
    QListView* files_ = nullptr;
    QFileSystemModel* folderModel_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    FolderFilesModel* folderFiles_ = nullptr;
};
