#include "store/sqlitereader.h"

#include "store/error.h"
#include "store/sqlstatement.h"

#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace kelvane {

SqliteReader::SqliteReader(const QString& path)
    : path_(path) {
    const QByteArray uri =
        "file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/") +
        "?mode=ro&immutable=1";
    if (sqlite3_open_v2(uri.constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_close(db_);
        throw Error(
            QStringLiteral("Не удалось открыть базу данных SQLite %1: %2").arg(path, message));
    }
}

SqliteReader::~SqliteReader() {
    sqlite3_close(db_);
}

std::optional<QString> SqliteReader::findTable(const QString& name) const {
    SqlStatement statement(db_,
                           QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    while (statement.step()) {
        const QString found = QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0)));
        if (found.compare(name, Qt::CaseInsensitive) == 0)
            return found;
    }
    return std::nullopt;
}

static SourceColumn::Kind kindOfDeclaredType(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT")))
        return SourceColumn::Kind::Integer;
    if (type.contains(QLatin1String("MEMO")) || type.contains(QLatin1String("CLOB")))
        return SourceColumn::Kind::Memo;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT")))
        return SourceColumn::Kind::Text;
    if (type.isEmpty() || type.contains(QLatin1String("BLOB")) ||
        type.contains(QLatin1String("OLE")))
        return SourceColumn::Kind::Binary;
    return SourceColumn::Kind::Other;
}

std::vector<SourceColumn> SqliteReader::columns(const QString& table) const {
    SqlStatement statement(db_,
                           QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(table)));
    std::vector<SourceColumn> result;
    while (statement.step()) {
        const auto text = [&](int i) {
            return QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), i)));
        };
        result.push_back({text(1), kindOfDeclaredType(text(2))});
    }
    return result;
}

void SqliteReader::readRows(const QString& table, const std::vector<int>& positions,
                            const RowSink& sink) {
    const std::vector<SourceColumn> all = columns(table);
    QStringList names;
    for (int position : positions)
        names << quoteIdentifier(all.at(static_cast<std::size_t>(position)).name);
    if (names.isEmpty())
        names << QStringLiteral("NULL");
    SqlStatement statement(db_, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                    .arg(names.join(QLatin1Char(',')), quoteIdentifier(table)));
    std::vector<SourceField> fields(positions.size());
    while (statement.step()) {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const int column = static_cast<int>(i);
            SourceField& field = fields[i];
            switch (sqlite3_column_type(statement.get(), column)) {
            case SQLITE_NULL:
                field = {};
                break;
            case SQLITE_INTEGER:
                field = {
                    SourceField::Kind::Integer, sqlite3_column_int64(statement.get(), column), {}};
                break;
            default: {
                const auto* text =
                    reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), column));
                const auto size =
                    static_cast<std::size_t>(sqlite3_column_bytes(statement.get(), column));
                field = {SourceField::Kind::Text, 0, std::string_view(text, size)};
            }
            }
        }
        sink(fields);
    }
}

} // namespace kelvane
