#include "store/error.h"
#include "tests/builder/sample.h"
#include "tools/builder/configuration.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace kelvane;
using namespace kelvane::builder;

namespace {

// Reads every row of a table in rowid order, each value as the builder's Value.
std::vector<std::vector<jet::Value>> readRows(sqlite3* db, const QString& table) {
    std::vector<std::vector<jet::Value>> rows;
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table).toUtf8();
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr), SQLITE_OK);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<jet::Value> row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_INTEGER:
                row.emplace_back(std::int64_t{sqlite3_column_int64(statement, i)});
                break;
            case SQLITE_TEXT:
                row.emplace_back(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
                break;
            default:
                row.emplace_back();
            }
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return rows;
}

std::vector<std::pair<QString, QString>> readColumns(sqlite3* db, const QString& table) {
    std::vector<std::pair<QString, QString>> columns;
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(table).toUtf8();
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr), SQLITE_OK);
    while (sqlite3_step(statement) == SQLITE_ROW)
        columns.emplace_back(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1))),
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 2))));
    sqlite3_finalize(statement);
    return columns;
}

QString declared(jet::ColumnType type) {
    switch (type) {
    case jet::ColumnType::Text:
    case jet::ColumnType::Memo:
        return QStringLiteral("TEXT");
    case jet::ColumnType::Ole:
        return QStringLiteral("BLOB");
    default:
        return QStringLiteral("INTEGER");
    }
}

} // namespace

TEST(Sqlite, HoldsTheSameTablesColumnsAndRowsInOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Baza.sqlite"));
    const Tables tables = buildTables(parseDescription(test::sampleDescription()));
    writeTables(path, tables.all(), Format::Sqlite);
    writeTables(path, tables.all(), Format::Sqlite); // an existing file is replaced

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    for (const jet::TableSpec& table : tables.all()) {
        const auto columns = readColumns(db, table.name);
        ASSERT_EQ(columns.size(), table.columns.size()) << table.name.toStdString();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(columns[i].first, table.columns[i].name);
            EXPECT_EQ(columns[i].second, declared(table.columns[i].type));
        }
        EXPECT_EQ(readRows(db, table.name), table.rows) << table.name.toStdString();
    }
    sqlite3_close(db);
}

TEST(Sqlite, UnwritablePathGivesAClearError) {
    const Tables tables = buildTables(parseDescription(test::sampleDescription()));
    try {
        writeTables(QStringLiteral("/nonexistent-folder/Baza.sqlite"), tables.all(),
                    Format::Sqlite);
        FAIL();
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("/nonexistent-folder/Baza.sqlite")));
    }
}
