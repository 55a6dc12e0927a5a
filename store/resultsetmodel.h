#pragma once

#include "store/gridcolumn.h"
#include "store/resultset.h"

#include <QAbstractTableModel>
#include <vector>

namespace kelvane {

// A read-only grid model over a fetched result set, showing the chosen columns by name;
// a column the result lacks stays empty.
class ResultSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultSetModel(std::vector<GridColumn> columns, QObject* parent = nullptr);

    void setResult(ResultSet result);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<GridColumn> columns_;
    std::vector<int> positions_;
    ResultSet result_;
};

} // namespace kelvane
