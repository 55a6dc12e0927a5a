#pragma once

#include <QStyledItemDelegate>

namespace kelvane {

// Paints items as usual but gives every row the same fixed height (the tree's row height).
class RowHeightDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit RowHeightDelegate(QObject* parent = nullptr)
        : QStyledItemDelegate(parent) {}

    void setRowHeight(int pixels) { rowHeight_ = pixels; }
    int rowHeight() const { return rowHeight_; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rowHeight_ = 0; // 0: the style's natural height
};

} // namespace kelvane
