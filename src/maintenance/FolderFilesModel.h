#pragma once

#include <QAbstractProxyModel>
#include <QList>
#include <QPersistentModelIndex>

class QFileSystemModel;

// The entries of one folder of a file-system model as a flat list of one column, kept up to date
// as the model reads the folder, sorts it or sees files come and go.
//
// A list view could show the folder by its root index alone, but Qt's accessibility then counts
// the rows of the model's top level (the one root folder) instead of the folder's, so a screen
// reader would announce one file where there are many. A flat list has no such gap.
class FolderFilesModel : public QAbstractProxyModel {
    Q_OBJECT
public:
    explicit FolderFilesModel(QFileSystemModel* files, QObject* parent = nullptr);

    // Shows the children of this index of the file-system model.
    void setFolder(const QModelIndex& folder);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

private:
    bool isFolder(const QModelIndex& sourceParent) const;
    bool folderIsWithin(const QModelIndex& sourceParent, int first, int last) const;

    QPersistentModelIndex folder_;
    bool resetting_ = false;
    QList<QPersistentModelIndex> layoutSources_;
    QModelIndexList layoutProxies_;
};
