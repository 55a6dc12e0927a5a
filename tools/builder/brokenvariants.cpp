#include "tools/builder/brokenvariants.h"

#include "store/error.h"
#include "tools/builder/storedtree.h"

#include <algorithm>

namespace kelvane::builder::broken {

namespace {

std::vector<jet::TableSpec>::iterator findTable(std::vector<jet::TableSpec>& tables,
                                                const QString& name) {
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [&](const jet::TableSpec& t) { return t.name == name; });
    if (found == tables.end())
        throw Error(QStringLiteral("Нет таблицы %1").arg(name));
    return found;
}

std::size_t findColumn(const jet::TableSpec& table, const QString& name) {
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].name == name)
            return i;
    }
    throw Error(QStringLiteral("В таблице %1 нет столбца %2").arg(table.name, name));
}

bool holdsText(jet::ColumnType type) {
    return type == jet::ColumnType::Text || type == jet::ColumnType::Memo;
}

jet::Value converted(const jet::Value& value, jet::ColumnType type) {
    if (type == jet::ColumnType::Ole)
        return {};
    if (holdsText(type)) {
        if (const auto* number = std::get_if<std::int64_t>(&value))
            return QString::number(*number);
        return value;
    }
    if (const auto* text = std::get_if<QString>(&value)) {
        bool ok = false;
        const qlonglong number = text->toLongLong(&ok);
        return ok ? jet::Value{std::int64_t{number}} : jet::Value{};
    }
    return value;
}

} // namespace

void clearRows(std::vector<jet::TableSpec>& tables, const QString& table) {
    findTable(tables, table)->rows.clear();
}

void keepFirstRows(std::vector<jet::TableSpec>& tables, const QString& table, std::size_t count) {
    auto& rows = findTable(tables, table)->rows;
    if (rows.size() > count)
        rows.resize(count);
}

void replaceStoredTree(std::vector<jet::TableSpec>& tables, const Node& root) {
    auto structura = findTable(tables, QStringLiteral("structura"));
    structura->rows = {{std::int64_t{1}, storedTreeText(root)}};
}

void dropTable(std::vector<jet::TableSpec>& tables, const QString& table) {
    tables.erase(findTable(tables, table));
}

void dropColumn(std::vector<jet::TableSpec>& tables, const QString& table, const QString& column) {
    jet::TableSpec& definition = *findTable(tables, table);
    const auto at = static_cast<std::ptrdiff_t>(findColumn(definition, column));
    definition.columns.erase(definition.columns.begin() + at);
    for (auto& row : definition.rows)
        row.erase(row.begin() + at);
}

void retypeColumn(std::vector<jet::TableSpec>& tables, const QString& table, const QString& column,
                  jet::ColumnType type) {
    jet::TableSpec& definition = *findTable(tables, table);
    const std::size_t at = findColumn(definition, column);
    definition.columns[at].type = type;
    for (auto& row : definition.rows)
        row[at] = converted(row[at], type);
}

} // namespace kelvane::builder::broken
