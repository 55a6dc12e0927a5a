#include "tools/builder/sqlitewriter.h"

#include "store/error.h"

#include <QFile>
#include <QStringList>
#include <memory>
#include <sqlite3.h>

namespace kelvane::builder {

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

QString quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

const char* declaredType(jet::ColumnType type) {
    switch (type) {
    case jet::ColumnType::Text:
    case jet::ColumnType::Memo:
        return "TEXT";
    case jet::ColumnType::Ole:
        return "BLOB";
    default:
        return "INTEGER";
    }
}

class Writer {
public:
    explicit Writer(const QString& path)
        : path_(path) {
        QFile::remove(path);
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        db_.reset(db);
        if (rc != SQLITE_OK)
            fail(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    }

    void execute(const QString& sql) {
        if (sqlite3_exec(db_.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            fail(sqlite3_errmsg(db_.get()));
    }

    void write(const jet::TableSpec& table) {
        QStringList columns;
        QStringList marks;
        for (const jet::ColumnSpec& column : table.columns) {
            columns << quoted(column.name) + QLatin1Char(' ') +
                           QLatin1String(declaredType(column.type));
            marks << QStringLiteral("?");
        }
        execute(QStringLiteral("CREATE TABLE %1 (%2)")
                    .arg(quoted(table.name), columns.join(QStringLiteral(", "))));
        const QByteArray insert = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                      .arg(quoted(table.name), marks.join(QStringLiteral(", ")))
                                      .toUtf8();
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db_.get(), insert.constData(), -1, &raw, nullptr) != SQLITE_OK)
            fail(sqlite3_errmsg(db_.get()));
        const Statement statement(raw);
        for (const std::vector<jet::Value>& row : table.rows) {
            if (row.size() != table.columns.size())
                throw Error(QStringLiteral("Таблица %1: в строке %2 значений, а столбцов %3")
                                .arg(table.name)
                                .arg(row.size())
                                .arg(table.columns.size()));
            for (std::size_t i = 0; i < row.size(); ++i)
                bind(raw, static_cast<int>(i) + 1, row[i]);
            if (sqlite3_step(raw) != SQLITE_DONE)
                fail(sqlite3_errmsg(db_.get()));
            sqlite3_reset(raw);
        }
    }

    void close() {
        const int rc = sqlite3_close(db_.release());
        if (rc != SQLITE_OK)
            fail(sqlite3_errstr(rc));
    }

private:
    static void bind(sqlite3_stmt* statement, int position, const jet::Value& value) {
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            sqlite3_bind_int64(statement, position, *number);
        } else if (const auto* text = std::get_if<QString>(&value)) {
            const QByteArray utf8 = text->toUtf8();
            sqlite3_bind_text(statement, position, utf8.constData(), static_cast<int>(utf8.size()),
                              SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(statement, position);
        }
    }

    [[noreturn]] void fail(const char* reason) const {
        throw Error(QStringLiteral("Не удалось записать базу SQLite «%1»: %2")
                        .arg(path_, QString::fromUtf8(reason)));
    }

    QString path_;
    Database db_;
};

} // namespace

void writeSqlite(const QString& path, const std::vector<jet::TableSpec>& tables) {
    Writer writer(path);
    writer.execute(QStringLiteral("PRAGMA journal_mode = OFF"));
    writer.execute(QStringLiteral("BEGIN"));
    for (const jet::TableSpec& table : tables)
        writer.write(table);
    writer.execute(QStringLiteral("COMMIT"));
    writer.close();
}

} // namespace kelvane::builder
