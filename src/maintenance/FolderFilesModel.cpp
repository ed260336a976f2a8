#include "maintenance/FolderFilesModel.h"

#include <QFileSystemModel>

FolderFilesModel::FolderFilesModel(QFileSystemModel* files, QObject* parent) : QAbstractProxyModel(parent) {
    setSourceModel(files);
    connect(files, &QAbstractItemModel::rowsAboutToBeInserted, this, [this](const QModelIndex& p, int first, int last) {
        if (isFolder(p)) beginInsertRows({}, first, last);
    });
    connect(files, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& p) {
        if (isFolder(p)) endInsertRows();
    });
    connect(files, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex& p, int first, int last) {
        if (isFolder(p)) {
            beginRemoveRows({}, first, last);
        } else if (folderIsWithin(p, first, last)) {
            // The shown folder itself goes: the list empties.
            beginResetModel();
            resetting_ = true;
        }
    });
    connect(files, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex& p) {
        if (resetting_) {
            resetting_ = false;
            endResetModel();
        } else if (isFolder(p)) {
            endRemoveRows();
        }
    });
    connect(files, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                if (isFolder(topLeft.parent()) && topLeft.column() == 0)
                    Q_EMIT dataChanged(index(topLeft.row(), 0), index(bottomRight.row(), 0), roles);
            });
    connect(files, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] {
        Q_EMIT layoutAboutToBeChanged();
        layoutProxies_ = persistentIndexList();
        layoutSources_.clear();
        for (const QModelIndex& proxy : layoutProxies_) layoutSources_.append(mapToSource(proxy));
    });
    connect(files, &QAbstractItemModel::layoutChanged, this, [this] {
        QModelIndexList moved;
        for (const QPersistentModelIndex& source : layoutSources_) moved.append(mapFromSource(source));
        changePersistentIndexList(layoutProxies_, moved);
        layoutProxies_.clear();
        layoutSources_.clear();
        Q_EMIT layoutChanged();
    });
    // Moves and resets of the file-system model are rare; the list starts again from its folder.
    connect(files, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(files, &QAbstractItemModel::modelReset, this, [this] { endResetModel(); });
    connect(files, &QAbstractItemModel::rowsAboutToBeMoved, this, [this] { beginResetModel(); });
    connect(files, &QAbstractItemModel::rowsMoved, this, [this] { endResetModel(); });
}

void FolderFilesModel::setFolder(const QModelIndex& folder) {
    beginResetModel();
    folder_ = folder;
    endResetModel();
}

bool FolderFilesModel::isFolder(const QModelIndex& sourceParent) const {
    return folder_.isValid() && sourceParent == folder_;
}

bool FolderFilesModel::folderIsWithin(const QModelIndex& sourceParent, int first, int last) const {
    for (QModelIndex at = folder_; at.isValid(); at = at.parent()) {
        if (at.parent() == sourceParent && at.row() >= first && at.row() <= last) return true;
    }
    return false;
}

QModelIndex FolderFilesModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || column != 0 || row < 0 || row >= rowCount()) return {};
    return createIndex(row, 0);
}

QModelIndex FolderFilesModel::parent(const QModelIndex&) const { return {}; }

int FolderFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !folder_.isValid() ? 0 : sourceModel()->rowCount(folder_);
}

int FolderFilesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

bool FolderFilesModel::hasChildren(const QModelIndex& parent) const { return !parent.isValid() && rowCount() > 0; }

bool FolderFilesModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && folder_.isValid() && sourceModel()->canFetchMore(folder_);
}

void FolderFilesModel::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid() && folder_.isValid()) sourceModel()->fetchMore(folder_);
}

Qt::ItemFlags FolderFilesModel::flags(const QModelIndex& index) const {
    return QAbstractProxyModel::flags(index) | Qt::ItemNeverHasChildren;
}

QModelIndex FolderFilesModel::mapToSource(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid() || !folder_.isValid()) return {};
    return sourceModel()->index(proxyIndex.row(), 0, folder_);
}

QModelIndex FolderFilesModel::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid() || sourceIndex.column() != 0 || !isFolder(sourceIndex.parent())) return {};
    return index(sourceIndex.row(), 0);
}
