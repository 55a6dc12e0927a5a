#pragma once

#include "tools/jetwriter/jetwriter.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace kelvane::jet {

// Where one column lives in a row.
struct ColumnLayout {
    ColumnSpec definition;
    bool fixed = false;
    int fixedOffset = 0; // fixed columns: offset in the fixed area
    int varIndex = 0;    // variable columns: slot in the row's offset table
    int length = 0;      // bytes: fixed size, or the declared text size, 0 for memo and OLE
};

// What the definition page records about the written rows and where the usage maps lie.
struct TableState {
    std::uint32_t rowCount = 0;
    std::uint32_t lastAutoNumber = 0;
    std::uint32_t usedMap = 0; // row pointers
    std::uint32_t freeMap = 0;
};

// The row layout of one table, checked against the format's limits, and its definition page.
class TableLayout {
public:
    // Throws kelvane::Error for a column set the writer cannot store.
    TableLayout(const QString& tableName, const std::vector<ColumnSpec>& columns, bool system);

    const QString& tableName() const { return tableName_; }
    const std::vector<ColumnLayout>& columns() const { return columns_; }
    int fixedSize() const { return fixedSize_; }
    int varCount() const { return varCount_; }
    int nullMaskSize() const { return static_cast<int>(columns_.size() + 7) / 8; }

    // Fills a whole definition page.
    void writeDefinition(std::uint8_t* page, const TableState& state) const;

private:
    int definitionLength() const;

    QString tableName_;
    bool system_;
    std::vector<ColumnLayout> columns_;
    int fixedSize_ = 0;
    int varCount_ = 0;
};

} // namespace kelvane::jet
