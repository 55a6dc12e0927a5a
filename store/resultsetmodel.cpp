#include "store/resultsetmodel.h"

#include <QSize>

namespace kelvane {

ResultSetModel::ResultSetModel(std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , columns_(std::move(columns))
    , positions_(columns_.size(), -1) {}

void ResultSetModel::setResult(ResultSet result) {
    beginResetModel();
    result_ = std::move(result);
    for (std::size_t i = 0; i < columns_.size(); ++i)
        positions_[i] = result_.columnPosition(columns_[i].field);
    endResetModel();
}

int ResultSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : result_.rowCount();
}

int ResultSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ResultSetModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const int position = positions_[column];
        if (position < 0)
            return {};
        if (result_.column(position).kind == ResultSet::Kind::Integer)
            return QVariant(qlonglong(result_.integer(index.row(), position)));
        return result_.text(index.row(), position);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columns_[column].valueAlignment);
    default:
        return {};
    }
}

QVariant ResultSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
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

} // namespace kelvane
