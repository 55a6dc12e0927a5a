#include "app/rowheightdelegate.h"

namespace kelvane {

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (rowHeight_ > 0)
        size.setHeight(rowHeight_);
    return size;
}

} // namespace kelvane
