#pragma once

#include "store/cursor.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kelvane {

class Database;

// A query data object (qrTemp, ADOQuery2, ADOQuery3, ADOQuery5, tbProsedur): a cursor whose rows
// come from a query text, optionally with the integer parameter :id1. Setting a new text or
// parameter closes the query; open() runs it again.
class Query : public Cursor {
public:
    Query(QString name, const Database& database, QString fixedText = {});

    void setText(const QString& sql);
    const QString& text() const { return text_; }
    void setParam(std::int64_t id1);
    void open();

    // Convenience used by the routines: close, set the text, open.
    void reopen(const QString& sql);
    // Convenience for parameterised queries: close, set :id1, open.
    void reopenWithParam(std::int64_t id1);

private:
    const Database& database_;
    QString text_;
    std::optional<std::int64_t> id1_;
};

} // namespace kelvane
