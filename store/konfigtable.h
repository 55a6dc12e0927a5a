#pragma once

#include "store/cursor.h"

#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kelvane {

class Database;

// ADOTable1: the whole table konfigtree in table order, with locate by num, id or name.
// Locate never scans: integer keys go through hash maps, names through a sorted index of
// case-folded names. The change notification runs after open, first, next (unless the end flag
// was already set) and after every successful locate, also of the current row.
class KonfigTable : public Cursor {
public:
    KonfigTable();

    // Loads the table; throws Error when the connection or the table is not usable.
    void open(const Database& database);

    struct LocateOptions {
        bool caseInsensitive = true;
        bool partialKey = false;
    };
    // column is "num", "id" or "name" (any case). Returns whether a row was found; on failure
    // nothing changes and no notification runs.
    bool locate(const QString& column, const QString& value, LocateOptions options);
    // locate on "num" or "id" with an integer value.
    bool locateInteger(const QString& column, std::int64_t value);

private:
    std::unordered_map<std::int64_t, int> firstByNum_;
    std::unordered_map<std::int64_t, int> firstById_;
    std::vector<std::pair<QString, int>> byFoldedName_; // sorted by folded name, then row
    void buildIndexes(const ResultSet& rows);
    const std::unordered_map<std::int64_t, int>& keyColumn(const QString& column) const;
    int findName(const QString& value, LocateOptions options) const;
};

} // namespace kelvane
