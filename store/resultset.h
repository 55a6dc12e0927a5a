#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace kelvane {

// A fully fetched, immutable result of one query, stored by column. A column is either integer
// or text; a NULL is stored as 0 or as the empty text, which is how every reader sees it.
// Columns whose content is skipped at load time are text columns that are empty in every row.
class ResultSet {
public:
    enum class Kind { Integer, Text };

    struct Column {
        QString name;
        Kind kind = Kind::Text;
        std::vector<std::int64_t> integers; // used when kind == Integer
        std::vector<QString> texts;         // used when kind == Text
    };

    ResultSet() = default;
    explicit ResultSet(std::vector<Column> columns, int rowCount);

    int rowCount() const { return rowCount_; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const Column& column(int position) const;
    // Position of the column with that name (case-insensitive), or -1.
    int columnPosition(const QString& name) const;

    // Field access by row and column position. An integer column read as text gives its decimal
    // text; a text column read as integer must hold a decimal integer, otherwise Error.
    std::int64_t integer(int row, int position) const;
    QString text(int row, int position) const;

private:
    std::vector<Column> columns_;
    int rowCount_ = 0;
};

} // namespace kelvane
