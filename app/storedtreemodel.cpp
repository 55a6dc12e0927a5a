#include "app/storedtreemodel.h"

#include "store/error.h"

namespace kelvane {

StoredTreeModel::StoredTreeModel(QObject* parent)
    : QAbstractItemModel(parent) {}

void StoredTreeModel::setNodes(StoredNodes nodes) {
    std::vector<int> rows(nodes.size());
    std::vector<std::vector<int>> children(nodes.size());
    std::vector<int> roots;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const int parent = nodes[i].parent;
        if (parent >= static_cast<int>(i) || parent < -1)
            throw Error(QStringLiteral("Неверная ссылка на родительский узел у узла %1").arg(i));
        auto& siblings = parent < 0 ? roots : children[static_cast<std::size_t>(parent)];
        rows[i] = static_cast<int>(siblings.size());
        siblings.push_back(static_cast<int>(i));
    }
    beginResetModel();
    nodes_ = std::move(nodes);
    rows_ = std::move(rows);
    children_ = std::move(children);
    roots_ = std::move(roots);
    endResetModel();
}

void StoredTreeModel::clear() {
    setNodes({});
}

void StoredTreeModel::setImages(ImageList images) {
    // The icons of every branch change; the list is set once while the tree is loaded.
    beginResetModel();
    images_ = std::move(images);
    endResetModel();
}

QModelIndex StoredTreeModel::indexOfAbsolute(int absolute) const {
    if (absolute < 0 || absolute >= nodeCount())
        return {};
    return createIndex(rows_[static_cast<std::size_t>(absolute)], 0,
                       static_cast<quintptr>(absolute));
}

int StoredTreeModel::absoluteIndex(const QModelIndex& index) {
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

const std::vector<int>& StoredTreeModel::childrenOf(int absolute) const {
    return absolute < 0 ? roots_ : children_[static_cast<std::size_t>(absolute)];
}

QModelIndex StoredTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || (parent.isValid() && parent.column() != 0))
        return {};
    const auto& siblings = childrenOf(absoluteIndex(parent));
    if (row >= static_cast<int>(siblings.size()))
        return {};
    return createIndex(row, 0, static_cast<quintptr>(siblings[static_cast<std::size_t>(row)]));
}

QModelIndex StoredTreeModel::parent(const QModelIndex& child) const {
    const int absolute = absoluteIndex(child);
    if (absolute < 0)
        return {};
    return indexOfAbsolute(nodes_[static_cast<std::size_t>(absolute)].parent);
}

int StoredTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return static_cast<int>(childrenOf(absoluteIndex(parent)).size());
}

int StoredTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QIcon StoredTreeModel::iconOf(const StoredNode& node) const {
    QIcon icon = images_(node.imageIndex);
    if (node.selectedIndex != node.imageIndex) {
        const QIcon selected = images_(node.selectedIndex);
        for (const QSize& size : selected.availableSizes())
            icon.addPixmap(selected.pixmap(size), QIcon::Selected);
    }
    return icon;
}

QVariant StoredTreeModel::data(const QModelIndex& index, int role) const {
    const int absolute = absoluteIndex(index);
    if (absolute < 0)
        return {};
    const StoredNode& item = nodes_[static_cast<std::size_t>(absolute)];
    switch (role) {
    case Qt::DisplayRole:
        return item.text;
    case Qt::DecorationRole:
        return images_ ? QVariant(iconOf(item)) : QVariant();
    case ImageIndexRole:
        return item.imageIndex;
    case SelectedIndexRole:
        return item.selectedIndex;
    case DataWordRole:
        return static_cast<qulonglong>(item.data);
    default:
        return {};
    }
}

Qt::ItemFlags StoredTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (childrenOf(absoluteIndex(index)).empty())
        result |= Qt::ItemNeverHasChildren;
    return result;
}

} // namespace kelvane
