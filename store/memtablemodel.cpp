#include "store/memtablemodel.h"

#include "store/error.h"
#include "store/memtable.h"

#include <QSize>

namespace kelvane {

MemTableModel::MemTableModel(MemTable& table, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , table_(table)
    , columns_(std::move(columns)) {
    for (const GridColumn& column : columns_) {
        const int position = table_.columnPosition(column.field);
        if (position < 0)
            throw Error(
                QStringLiteral("%1: поле «%2» не найдено").arg(table_.name(), column.field));
        positions_.push_back(position);
    }
    rows_ = table_.isOpen() ? table_.recordCount() : 0;
    table_.setOnViewChange([this] { tableChanged(); });
}

MemTableModel::~MemTableModel() {
    table_.setOnViewChange({});
}

// The table reports only that something changed: a new row count resets the model, otherwise
// every cell may have changed (a stored row can move to its place in id order).
void MemTableModel::tableChanged() {
    const int rows = table_.isOpen() ? table_.recordCount() : 0;
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
    emit currentRowChanged(currentRow());
}

int MemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int MemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant MemTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const GridColumn& column = columns_[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return table_.value(index.row(), positions_[static_cast<std::size_t>(index.column())]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.valueAlignment);
    default:
        return {};
    }
}

QVariant MemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn& column = columns_[static_cast<std::size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column.title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.titleAlignment);
    case Qt::SizeHintRole:
        return QSize(column.width, 0);
    default:
        return {};
    }
}

int MemTableModel::currentRow() const {
    return table_.isOpen() ? table_.recNo() - 1 : -1;
}

void MemTableModel::setCurrentRow(int row) {
    if (table_.isOpen())
        table_.setRecNo(row + 1);
}

} // namespace kelvane
