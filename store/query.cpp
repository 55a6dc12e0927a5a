#include "store/query.h"

#include "store/database.h"

namespace kelvane {

Query::Query(QString name, const Database& database, QString fixedText)
    : Cursor(std::move(name))
    , database_(database)
    , text_(std::move(fixedText)) {}

void Query::setText(const QString& sql) {
    close();
    text_ = sql;
}

void Query::setParam(std::int64_t id1) {
    close();
    id1_ = id1;
}

void Query::open() {
    close();
    attach(database_.query(text_, id1_));
}

void Query::reopen(const QString& sql) {
    setText(sql);
    open();
}

void Query::reopenWithParam(std::int64_t id1) {
    setParam(id1);
    open();
}

} // namespace kelvane
