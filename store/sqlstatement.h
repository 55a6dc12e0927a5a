#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvane {

// A prepared SQLite statement that finalizes itself; preparing failures throw Error.
class SqlStatement {
public:
    SqlStatement(sqlite3* db, const QString& sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }
    // Steps once; true while a row is available. Throws Error on failure.
    bool step();

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs statements that return no rows; throws Error on failure.
void executeSql(sqlite3* db, const QString& sql);

// Double-quoted SQL identifier.
QString quoteIdentifier(const QString& name);

} // namespace kelvane
