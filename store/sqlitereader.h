#pragma once

#include "store/tablesource.h"

struct sqlite3;

namespace kelvane {

// Reads the tables of an SQLite 3 file, opened immutable and read-only so that the file is never
// written and no journal or lock file appears. Column kinds come from the declared types.
class SqliteReader : public TableSource {
public:
    explicit SqliteReader(const QString& path);
    ~SqliteReader() override;
    SqliteReader(const SqliteReader&) = delete;
    SqliteReader& operator=(const SqliteReader&) = delete;

    std::optional<QString> findTable(const QString& name) const override;
    std::vector<SourceColumn> columns(const QString& table) const override;
    void readRows(const QString& table, const std::vector<int>& positions,
                  const RowSink& sink) override;

private:
    QString path_;
    sqlite3* db_ = nullptr;
};

} // namespace kelvane
