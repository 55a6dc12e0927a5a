#include "app/storedtreeview.h"

#include "app/rowheightdelegate.h"
#include "app/storedtreemodel.h"
#include "diagram/color.h"
#include "store/error.h"

namespace kelvane {

StoredTreeView::StoredTreeView(QWidget* parent)
    : QTreeView(parent)
    , model_(new StoredTreeModel(this))
    , delegate_(new RowHeightDelegate(this)) {
    setObjectName(QStringLiteral("TreeView1"));
    setModel(model_);
    setItemDelegate(delegate_);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, fromBgr(bgr::Background));
    setPalette(colours);
    connect(this, &QTreeView::clicked, this, [this] { emit nodeClicked(); });
}

void StoredTreeView::selectAbsoluteIndex(int absolute) {
    const QModelIndex target = model_->indexOfAbsolute(absolute);
    if (!target.isValid())
        throw Error(QStringLiteral("Invalid index"));
    if (target == currentIndex() && selectionModel()->isSelected(target))
        return;
    for (QModelIndex ancestor = target.parent(); ancestor.isValid(); ancestor = ancestor.parent())
        expand(ancestor);
    setCurrentIndex(target);
    scrollTo(target);
}

std::optional<int> StoredTreeView::selectedAbsoluteIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return StoredTreeModel::absoluteIndex(selected.first());
}

void StoredTreeView::setRowHeight(int pixels) {
    delegate_->setRowHeight(pixels);
    // Uniform rows take their height from the first row; lay them out again.
    scheduleDelayedItemsLayout();
}

int StoredTreeView::rowHeight() const {
    return delegate_->rowHeight();
}

} // namespace kelvane
