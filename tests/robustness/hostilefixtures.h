#pragma once

#include "tools/builder/configuration.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace kelvane::test {

// Root "Конф" (num 0) > "Общие" (1) > "Роли" (2); root > "Справочники" (3) > "Товары" (4),
// whose module has two procedures, > "Реквизиты" (5) > "Цена" (6); root > "Документы" (7).
builder::Tables tinyTables();

using Edit = std::function<void(std::vector<jet::TableSpec>& tables)>;
// Writes the tiny tables as a Jet 4.0 file at `path` after `edit` changed them.
void writeJet(const QString& path, const Edit& edit = {});
// The table of that name among `tables`.
jet::TableSpec& tableNamed(std::vector<jet::TableSpec>& tables, const QString& name);

void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// Page numbers of a Jet 4.0 file whose first byte marks the given page type
// (1 data, 2 table definition).
std::vector<int> pagesOfType(const QByteArray& file, char type);

} // namespace kelvane::test
