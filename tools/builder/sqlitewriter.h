#pragma once

#include "tools/jetwriter/jetwriter.h"

#include <QString>
#include <vector>

namespace kelvane::builder {

// Writes a new SQLite 3 database with the tables: the same column names in the same order,
// declared INTEGER (integer kinds), TEXT (Text, Memo) or BLOB (Ole), rows inserted in order so
// that rowid order is table order. An existing file is replaced.
void writeSqlite(const QString& path, const std::vector<jet::TableSpec>& tables);

} // namespace kelvane::builder
