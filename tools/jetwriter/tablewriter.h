#pragma once

#include "tools/jetwriter/jetwriter.h"
#include "tools/jetwriter/longvaluewriter.h"
#include "tools/jetwriter/pagefile.h"
#include "tools/jetwriter/pageplacer.h"
#include "tools/jetwriter/tablelayout.h"

#include <cstdint>
#include <vector>

namespace kelvane::jet {

// Encodes the rows of one table in the given order and places them on its data pages; memo
// values too long for the row go to long-value pages.
class TableWriter {
public:
    TableWriter(PageFile& file, const TableLayout& layout, std::uint32_t definitionPage);

    // Throws kelvane::Error for a value the column cannot hold or a row that fits no page.
    // rowNumber (1-based) only names the row in messages.
    void writeRow(const std::vector<Value>& values, std::size_t rowNumber);

    const std::vector<std::uint32_t>& dataPages() const { return placer_.pages(); }
    std::uint32_t rowCount() const { return rowCount_; }
    std::uint32_t lastAutoNumber() const { return lastAutoNumber_; }

private:
    enum class Storage { Null, Inline, LongValue };

    void encodeFixed(const ColumnLayout& column, const Value& value, std::size_t rowNumber);
    void encodeVariable(const ColumnLayout& column, const Value& value, std::size_t rowNumber);
    int rowLength() const;
    void assemble();

    const TableLayout& layout_;
    PagePlacer placer_;
    LongValueWriter longValues_;
    std::uint32_t rowCount_ = 0;
    std::uint32_t lastAutoNumber_ = 0;
    // Per-row scratch space, kept between rows to avoid allocations.
    std::vector<std::uint8_t> row_;
    std::vector<std::uint8_t> nullMask_;
    std::vector<std::vector<std::uint8_t>> varData_;
    std::vector<Storage> storage_;
};

} // namespace kelvane::jet
