#pragma once

#include "store/treetext/storednode.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QString>
#include <functional>
#include <vector>

namespace kelvane {

// The item model of the navigation tree: the stored nodes in one flat pre-order vector. A node's
// QModelIndex carries its absolute pre-order index as internalId, so index <-> absolute index is
// O(1) both ways. The model is read-only and is filled in one reset.
class StoredTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role { ImageIndexRole = Qt::UserRole + 1, SelectedIndexRole, DataWordRole };

    using ImageList = std::function<QIcon(int)>;

    explicit StoredTreeModel(QObject* parent = nullptr);

    // Replaces every node by a flat pre-order list; only the parent links shape the tree.
    // Throws kelvane::Error when a parent link does not point backwards.
    void setNodes(StoredNodes nodes);
    void clear();
    const StoredNodes& nodes() const { return nodes_; }
    int nodeCount() const { return static_cast<int>(nodes_.size()); }

    // The image list that supplies the node icons; an empty function shows none.
    void setImages(ImageList images);

    QModelIndex indexOfAbsolute(int absolute) const;    // invalid outside 0..nodeCount()-1
    static int absoluteIndex(const QModelIndex& index); // -1 for the invalid index

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const std::vector<int>& childrenOf(int absolute) const;
    QIcon iconOf(const StoredNode& node) const;

    StoredNodes nodes_;
    std::vector<int> rows_;                  // row of each node below its parent
    std::vector<std::vector<int>> children_; // absolute indexes of each node's children
    std::vector<int> roots_;
    ImageList images_;
};

} // namespace kelvane
