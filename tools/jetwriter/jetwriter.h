#pragma once

#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace kelvane::jet {

// Column types the writer supports. Text holds at most 255 characters, stored as UCS-2.
enum class ColumnType { Byte, Integer, Long, AutoNumber, Text, Memo, Ole };

struct ColumnSpec {
    QString name;
    ColumnType type = ColumnType::Long;
    int textLength = 255; // Text only: declared length in characters, 1..255
};

// A field value: NULL, an integer, or a text. Ole columns are always written as NULL;
// AutoNumber values are taken as given (the builder numbers them 1, 2, 3, ... in table order).
using Value = std::variant<std::monostate, std::int64_t, QString>;

struct TableSpec {
    QString name;
    std::vector<ColumnSpec> columns;
    std::vector<std::vector<Value>> rows;
};

// Writes a new Jet 4.0 file holding the tables, rows in the given order. Throws kelvane::Error
// with a clear message at the writer's limits (a value out of its column's range, a text longer
// than its column, too many columns, a file that cannot be written, ...).
void writeDatabase(const QString& path, const std::vector<TableSpec>& tables);

} // namespace kelvane::jet
