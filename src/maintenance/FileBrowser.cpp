#include "maintenance/FileBrowser.h"

#include "maintenance/FolderFilesModel.h"
#include "maintenance/WorkshopFiles.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QStandardPaths>
#include <QTreeView>

FileBrowser::FileBrowser(QWidget* parent, const QString& folderName, const QString& folderCaption,
                         const QString& fileName, const QString& fileCaption, const QStringList& endings)
    : QWidget(parent), endings_(endings) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* folderLabel = new QLabel(folderCaption, this);
    auto* fileLabel = new QLabel(fileCaption, this);
    folders_ = new QTreeView(this);
    folders_->setObjectName(folderName);
    folders_->setAccessibleName(folderCaption);
    folders_->setHeaderHidden(true);
    folders_->setUniformRowHeights(true);
    folders_->setSelectionMode(QAbstractItemView::SingleSelection);
    files_ = new QListView(this);
    files_->setObjectName(fileName);
    files_->setAccessibleName(fileCaption);
    files_->setSelectionMode(QAbstractItemView::SingleSelection);
    files_->setUniformItemSizes(true);
    folderLabel->setBuddy(folders_);
    fileLabel->setBuddy(files_);
    layout->addWidget(folderLabel, 0, 0);
    layout->addWidget(fileLabel, 0, 1);
    layout->addWidget(folders_, 1, 0);
    layout->addWidget(files_, 1, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    connect(files_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid()) Q_EMIT fileActivated(currentFilePath());
    });
}

QString FileBrowser::startFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists()) return pictures;
    return QDir::homePath();
}

void FileBrowser::makeModels() {
    if (folderModel_ != nullptr) return;
    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folderModel_->setOption(QFileSystemModel::DontUseCustomDirectoryIcons);
    folderModel_->setRootPath(QDir::rootPath());
    folders_->setModel(folderModel_);
    for (int column = 1; column < folderModel_->columnCount(); ++column) folders_->hideColumn(column);
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid()) listFolder(folderModel_->filePath(current));
    });
    // The folders above the shown one are read in the background; once they are, the tree can
    // scroll the shown folder into the middle.
    connect(folderModel_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (!folder_.isEmpty() && folder_.startsWith(loaded))
            folders_->scrollTo(folderModel_->index(folder_), QAbstractItemView::PositionAtCenter);
    });

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files);
    fileModel_->setNameFilters(nameFiltersFor(endings_));
    fileModel_->setNameFilterDisables(false);
    fileModel_->setOption(QFileSystemModel::DontUseCustomDirectoryIcons);
    folderFiles_ = new FolderFilesModel(fileModel_, this);
    files_->setModel(folderFiles_);
}

void FileBrowser::showFolder(const QString& folder) {
    makeModels();
    const QString path = QDir(folder).absolutePath();
    const QModelIndex index = folderModel_->index(path);
    if (!index.isValid()) return;
    // Making it current lists its files (through currentChanged) and opens the folders above it.
    folders_->setCurrentIndex(index);
    folders_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    listFolder(path);
}

void FileBrowser::listFolder(const QString& folder) {
    if (folder == folder_) return;
    folder_ = folder;
    folderFiles_->setFolder(fileModel_->setRootPath(folder));
    Q_EMIT folderChanged(folder);
}

int FileBrowser::fileCount() const { return folderFiles_ == nullptr ? 0 : folderFiles_->rowCount(); }

bool FileBrowser::selectFile(const QString& name) {
    if (fileModel_ == nullptr || name.isEmpty() || !hasEnding(name, endings_)) return false;
    const QModelIndex index = folderFiles_->mapFromSource(fileModel_->index(QDir(folder_).filePath(name)));
    if (!index.isValid()) return false;
    files_->setCurrentIndex(index);
    files_->scrollTo(index);
    return true;
}

QString FileBrowser::currentFileName() const {
    if (fileModel_ == nullptr) return {};
    const QModelIndex index = files_->currentIndex();
    if (!index.isValid() || !files_->selectionModel()->isSelected(index)) return {};
    return fileModel_->fileName(folderFiles_->mapToSource(index));
}

QString FileBrowser::currentFilePath() const {
    const QString name = currentFileName();
    return name.isEmpty() ? QString() : QDir(folder_).filePath(name);
}
