#pragma once

#include "tools/builder/configuration.h"

#include <QString>
#include <vector>

// Deliberately damaged variants of a consistent set of tables, for tests of the reading side.
// Each helper changes one thing, so that tests can combine them; an unknown table or column
// throws kelvane::Error.
namespace kelvane::builder::broken {

// Removes every row of the table (e.g. structura without rows).
void clearRows(std::vector<jet::TableSpec>& tables, const QString& table);
// Keeps only the first rows of the table (e.g. a konfigtree of one row).
void keepFirstRows(std::vector<jet::TableSpec>& tables, const QString& table, std::size_t count);
// Puts the stored tree of another node list into structura, so that tree and konfigtree are out
// of step (fewer or more nodes than rows).
void replaceStoredTree(std::vector<jet::TableSpec>& tables, const Node& root);
void dropTable(std::vector<jet::TableSpec>& tables, const QString& table);
void dropColumn(std::vector<jet::TableSpec>& tables, const QString& table, const QString& column);
// Changes a column's type; values become the new kind where they can (a number as its decimal
// text, a decimal text as its number), NULL otherwise.
void retypeColumn(std::vector<jet::TableSpec>& tables, const QString& table, const QString& column,
                  jet::ColumnType type);

} // namespace kelvane::builder::broken
