#pragma once

#include "store/resultset.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace kelvane {

class SqlStatement;

// The connection (ADOConn): opens Baza.mdb once, read-only, and loads its three tables into an
// in-memory SQLite database that then runs every query text of the program verbatim.
// The file is either a Jet 4.0 database (read with libmdb, in a child process, so that a damaged
// file cannot bring the program down) or an SQLite 3 database holding the same tables; the header
// tells them apart. The file itself is never written.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens and loads the file. Throws Error with a Russian message when the file is missing or
    // is neither format. A table that is missing or malformed does not fail the connection: its
    // problem is kept and reported by tableProblem() and by every query that reads it.
    void open(const QString& path);
    bool isOpen() const;
    // How long reading a Jet file may take before it is taken for damaged (60 s unless set).
    void setImportTimeout(std::chrono::milliseconds timeout) { importTimeout_ = timeout; }
    void close();

    // Empty when the table loaded, otherwise the message that opening it reports.
    QString tableProblem(const QString& table) const;

    // Runs a query text; `id1` binds the parameter :id1 when given. Throws Error on failure,
    // including "not open" when the connection is closed.
    ResultSet query(const QString& sql, std::optional<std::int64_t> id1 = std::nullopt) const;

    sqlite3* engine() const { return engine_; }

private:
    void requireOpen() const;

    sqlite3* engine_ = nullptr;
    std::chrono::milliseconds importTimeout_ = std::chrono::seconds(60);
    std::map<QString, QString> problems_;
    // Prepared statements by query text, with the names and kinds of their result columns: the
    // routines run the same few texts over and over (the list query once per child), and
    // preparing costs more than running them.
    struct PreparedQuery {
        std::unique_ptr<SqlStatement> statement;
        std::vector<ResultSet::Column> columns; // without rows
    };
    const PreparedQuery& prepared(const QString& sql) const;
    mutable std::unordered_map<QString, PreparedQuery> statements_;
};

} // namespace kelvane
