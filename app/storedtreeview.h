#pragma once

#include <QTreeView>
#include <optional>

namespace kelvane {

class StoredTreeModel;
class RowHeightDelegate;

// TreeView1: the navigation tree over the stored nodes. Only a mouse click on a node reports
// `nodeClicked` (also on the node already selected); keyboard moves and selecting by program
// report nothing. Nodes cannot be edited.
class StoredTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit StoredTreeView(QWidget* parent = nullptr);

    StoredTreeModel& nodes() const { return *model_; }

    // Selects the node with that absolute pre-order index: expands its ancestors, scrolls to it
    // and makes it current. Throws Error("Invalid index") outside the tree.
    void selectAbsoluteIndex(int absolute);
    std::optional<int> selectedAbsoluteIndex() const;

    void setRowHeight(int pixels);
    int rowHeight() const;

signals:
    void nodeClicked();

private:
    StoredTreeModel* model_;
    RowHeightDelegate* delegate_;
};

} // namespace kelvane
