#pragma once

#include "store/tablesource.h"

#include <QStringList>
#include <memory>

namespace kelvane {

// Reads the user tables of a Jet 4.0 file with libmdb, read-only. The catalog is read once and
// every table is opened from its catalog entry. Integers come as integers, Text as UTF-8, and
// Memo values whole whatever their length (read through the long-value pages and decoded here,
// so that nothing is cut at the library's bind size).
class JetReader : public TableSource {
public:
    explicit JetReader(const QString& path);
    ~JetReader() override;
    JetReader(const JetReader&) = delete;
    JetReader& operator=(const JetReader&) = delete;

    // Names of the user tables in catalog order.
    QStringList tableNames() const;

    std::optional<QString> findTable(const QString& name) const override;
    std::vector<SourceColumn> columns(const QString& table) const override;
    void readRows(const QString& table, const std::vector<int>& positions,
                  const RowSink& sink) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace kelvane
