#include "store/resultset.h"

#include "store/error.h"

namespace kelvane {

ResultSet::ResultSet(std::vector<Column> columns, int rowCount)
    : columns_(std::move(columns))
    , rowCount_(rowCount) {}

const ResultSet::Column& ResultSet::column(int position) const {
    if (position < 0 || position >= columnCount())
        throw Error(QStringLiteral("Поле с номером %1 не существует").arg(position));
    return columns_[static_cast<std::size_t>(position)];
}

int ResultSet::columnPosition(const QString& name) const {
    for (int i = 0; i < columnCount(); ++i)
        if (columns_[static_cast<std::size_t>(i)].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::int64_t ResultSet::integer(int row, int position) const {
    const Column& c = column(position);
    const auto r = static_cast<std::size_t>(row);
    if (c.kind == Kind::Integer)
        return c.integers.at(r);
    const QString& value = c.texts.at(r);
    if (value.isEmpty())
        return 0;
    bool ok = false;
    const qlonglong result = value.trimmed().toLongLong(&ok);
    if (!ok)
        throw Error(QStringLiteral("'%1' is not a valid integer value").arg(value));
    return result;
}

QString ResultSet::text(int row, int position) const {
    const Column& c = column(position);
    const auto r = static_cast<std::size_t>(row);
    if (c.kind == Kind::Integer)
        return QString::number(c.integers.at(r));
    return c.texts.at(r);
}

} // namespace kelvane
