#pragma once

#include "store/gridcolumn.h"

#include <QAbstractTableModel>
#include <vector>

namespace kelvane {

class MemTable;

// A read-only grid model over an in-memory table, showing the chosen columns. It follows the
// table through its view notification and exposes the table's current row both ways.
class MemTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Throws Error when a column names no field of the table.
    MemTableModel(MemTable& table, std::vector<GridColumn> columns, QObject* parent = nullptr);
    ~MemTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // 0-based current row of the table, -1 when it has none.
    int currentRow() const;
    // A selection in the view moves the table's current row.
    void setCurrentRow(int row);

signals:
    void currentRowChanged(int row);

private:
    void tableChanged();

    MemTable& table_;
    std::vector<GridColumn> columns_;
    std::vector<int> positions_;
    int rows_ = 0;
};

} // namespace kelvane
