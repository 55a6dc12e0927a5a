#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kelvane::test {

// One konfigtree row of a fixture; the columns that no routine reads stay NULL.
struct KonfigRow {
    int id;
    int num;
    int idParent;
    std::optional<QString> name;
    int imageIndex = 0;
    QString type = {};
    std::optional<int> col1 = std::nullopt;
    int imageIndexType = 0;
};

struct ProsedurRow {
    int id;
    int idParent;
    QString name;
    QString kind;
};

// CREATE TABLE statements of the three tables with their usual column types.
QString konfigtreeSchema();
QString structuraSchema();
QString prosedurSchema();

// Writes an SQLite database file made by the given statements.
void writeSqliteFile(const QString& path, const QStringList& statements);

// Writes a complete SQLite Baza with the rows given, in that stored order.
void writeSqliteBaza(const QString& path, const std::vector<KonfigRow>& konfig,
                     const QString& structuraText, const std::vector<ProsedurRow>& prosedur);

} // namespace kelvane::test
