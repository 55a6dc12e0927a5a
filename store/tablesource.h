#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvane {

// A column of a source table as the loader sees it.
struct SourceColumn {
    // Integer: Byte, Int, Long, AutoNumber. Text: short text. Memo: long text. Binary: OLE/BLOB.
    // Other: anything else (dates, floats, booleans...), readable as text.
    enum class Kind { Integer, Text, Memo, Binary, Other };
    QString name;
    Kind kind = Kind::Other;

    bool isText() const { return kind == Kind::Text || kind == Kind::Memo; }
};

// One field of a fetched row. Text is UTF-8 and valid only during the row callback.
struct SourceField {
    enum class Kind { Null, Integer, Text };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    std::string_view text;
};

// A read-only database file whose tables are read row by row in stored order.
class TableSource {
public:
    using RowSink = std::function<void(const std::vector<SourceField>& fields)>;

    virtual ~TableSource() = default;

    // Exact name of the table as stored (found case-insensitively), or nothing.
    virtual std::optional<QString> findTable(const QString& name) const = 0;
    virtual std::vector<SourceColumn> columns(const QString& table) const = 0;
    // Calls `sink` for every row in stored order with the fields at `positions` (0-based), in the
    // order given. Binary columns must not be requested.
    virtual void readRows(const QString& table, const std::vector<int>& positions,
                          const RowSink& sink) = 0;
};

} // namespace kelvane
