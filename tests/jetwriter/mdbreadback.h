#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kelvane::test {

// A table as libmdb reads it back: every cell as text, NULL as nullopt.
struct ReadTable {
    QStringList columns;
    std::vector<int> types;
    std::vector<bool> autoNumber;
    std::vector<std::vector<std::optional<QString>>> rows;
};

// Reads one table of a Jet file through libmdb, memo values in full (throws kelvane::Error when
// the file or the table cannot be opened).
ReadTable readBack(const QString& path, const QString& table);

} // namespace kelvane::test
