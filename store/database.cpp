#include "store/database.h"

#include "store/configurationloader.h"
#include "store/error.h"
#include "store/fileformat.h"
#include "store/isolatedimport.h"
#include "store/jetpagecheck.h"
#include "store/jetreader.h"
#include "store/russiancollation.h"
#include "store/sqlitereader.h"
#include "store/sqlstatement.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace kelvane {

Database::Database() = default;

Database::~Database() {
    close();
}

void Database::open(const QString& path) {
    close();
    const FileFormat format = detectFileFormat(path);
    sqlite3* engine = nullptr;
    if (sqlite3_open(":memory:", &engine) != SQLITE_OK) {
        sqlite3_close(engine);
        throw Error(QStringLiteral("Не удалось создать рабочую базу данных в памяти"));
    }
    try {
        registerRussianCollation(engine);
        if (format == FileFormat::Jet4) {
            checkJetPages(path);
            problems_ = importIsolated(path, engine, importTimeout_, [&path](sqlite3* child) {
                JetReader reader(path);
                return ConfigurationLoader(reader, child).load();
            });
        } else {
            SqliteReader reader(path);
            problems_ = ConfigurationLoader(reader, engine).load();
        }
    } catch (...) {
        sqlite3_close(engine);
        throw;
    }
    engine_ = engine;
}

bool Database::isOpen() const {
    return engine_ != nullptr;
}

void Database::close() {
    statements_.clear();
    sqlite3_close(engine_);
    engine_ = nullptr;
    problems_.clear();
}

QString Database::tableProblem(const QString& table) const {
    const auto found = problems_.find(table.toLower());
    return found == problems_.end() ? QString() : found->second;
}

void Database::requireOpen() const {
    if (!engine_)
        throw Error(QStringLiteral("ADOConn: операция невозможна, соединение с базой данных не "
                                   "открыто"));
}

const Database::PreparedQuery& Database::prepared(const QString& sql) const {
    auto found = statements_.find(sql);
    if (found != statements_.end())
        return found->second;
    PreparedQuery query{std::make_unique<SqlStatement>(engine_, sql), {}};
    sqlite3_stmt* stmt = query.statement->get();
    const int count = sqlite3_column_count(stmt);
    query.columns.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ResultSet::Column& column = query.columns[static_cast<std::size_t>(i)];
        column.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        const char* declared = sqlite3_column_decltype(stmt, i);
        column.kind = declared && QByteArray(declared).toUpper().startsWith("INT")
                          ? ResultSet::Kind::Integer
                          : ResultSet::Kind::Text;
    }
    return statements_.emplace(sql, std::move(query)).first->second;
}

ResultSet Database::query(const QString& sql, std::optional<std::int64_t> id1) const {
    requireOpen();
    for (const auto& [table, problem] : problems_) {
        const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(table),
                                      QRegularExpression::CaseInsensitiveOption);
        if (sql.contains(word))
            throw Error(problem);
    }

    const PreparedQuery& entry = prepared(sql);
    SqlStatement& statement = *entry.statement;
    sqlite3_stmt* stmt = statement.get();
    // Leaves the statement ready for its next run, also when stepping throws.
    struct Rewind {
        sqlite3_stmt* stmt;
        ~Rewind() {
            sqlite3_reset(stmt);
            sqlite3_clear_bindings(stmt);
        }
    } rewind{stmt};
    if (id1) {
        const int parameter = sqlite3_bind_parameter_index(stmt, ":id1");
        if (parameter > 0)
            sqlite3_bind_int64(stmt, parameter, *id1);
    }

    std::vector<ResultSet::Column> columns = entry.columns;
    const int count = static_cast<int>(columns.size());
    int rows = 0;
    while (statement.step()) {
        for (int i = 0; i < count; ++i) {
            ResultSet::Column& column = columns[static_cast<std::size_t>(i)];
            if (column.kind == ResultSet::Kind::Integer) {
                column.integers.push_back(sqlite3_column_int64(stmt, i));
            } else {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                column.texts.push_back(QString::fromUtf8(text, sqlite3_column_bytes(stmt, i)));
            }
        }
        ++rows;
    }
    return ResultSet(std::move(columns), rows);
}

} // namespace kelvane
