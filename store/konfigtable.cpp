#include "store/konfigtable.h"

#include "store/database.h"
#include "store/error.h"
#include "store/konfigcolumns.h"

#include <algorithm>

namespace kelvane {

KonfigTable::KonfigTable()
    : Cursor(QStringLiteral("ADOTable1")) {}

void KonfigTable::open(const Database& database) {
    close();
    if (!database.isOpen())
        throw Error(QStringLiteral("ADOTable1: соединение с базой данных не открыто"));
    const QString problem = database.tableProblem(QStringLiteral("konfigtree"));
    if (!problem.isEmpty())
        throw Error(problem);
    ResultSet rows = database.query(QStringLiteral("SELECT * FROM konfigtree ORDER BY rowid;"));
    buildIndexes(rows);
    attach(std::move(rows));
}

void KonfigTable::buildIndexes(const ResultSet& rows) {
    firstByNum_.clear();
    firstById_.clear();
    byFoldedName_.clear();
    const int count = rows.rowCount();
    firstByNum_.reserve(static_cast<std::size_t>(count));
    firstById_.reserve(static_cast<std::size_t>(count));
    byFoldedName_.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        firstByNum_.try_emplace(rows.integer(row, konfig::Num), row);
        firstById_.try_emplace(rows.integer(row, konfig::Id), row);
        byFoldedName_.emplace_back(rows.text(row, konfig::Name).toCaseFolded(), row);
    }
    std::sort(byFoldedName_.begin(), byFoldedName_.end());
}

bool KonfigTable::locate(const QString& column, const QString& value, LocateOptions options) {
    requireOpen();
    if (column.compare(QLatin1String("name"), Qt::CaseInsensitive) != 0) {
        bool ok = false;
        const qlonglong key = value.trimmed().toLongLong(&ok);
        if (!ok) {
            keyColumn(column); // an unknown column is an error even with a bad value
            return false;
        }
        return locateInteger(column, key);
    }
    const int row = findName(value, options);
    if (row < 0)
        return false;
    moveTo(row);
    return true;
}

const std::unordered_map<std::int64_t, int>& KonfigTable::keyColumn(const QString& column) const {
    if (column.compare(QLatin1String("num"), Qt::CaseInsensitive) == 0)
        return firstByNum_;
    if (column.compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
        return firstById_;
    throw Error(QStringLiteral("ADOTable1: поиск по полю «%1» не поддерживается").arg(column));
}

bool KonfigTable::locateInteger(const QString& column, std::int64_t value) {
    requireOpen();
    const auto& index = keyColumn(column);
    const auto found = index.find(value);
    if (found == index.end())
        return false;
    moveTo(found->second);
    return true;
}

// Null-safe prefix test (QString::startsWith says no for a null text and an empty prefix).
static bool hasPrefix(const QString& text, const QString& prefix) {
    return text.size() >= prefix.size() && QStringView(text).left(prefix.size()) == prefix;
}

int KonfigTable::findName(const QString& value, LocateOptions options) const {
    const QString folded = value.toCaseFolded();
    const bool prefix = options.partialKey && !value.isEmpty();
    const auto matches = [&](const std::pair<QString, int>& entry) {
        const QString name = result().text(entry.second, konfig::Name);
        if (options.caseInsensitive)
            return prefix ? hasPrefix(entry.first, folded) : entry.first == folded;
        return prefix ? hasPrefix(name, value) : name == value;
    };
    auto it = std::lower_bound(byFoldedName_.begin(), byFoldedName_.end(),
                               std::pair<QString, int>(folded, -1));
    int best = -1;
    for (; it != byFoldedName_.end() && hasPrefix(it->first, folded); ++it) {
        if (!prefix && it->first != folded)
            break;
        if (matches(*it) && (best < 0 || it->second < best)) {
            best = it->second;
            if (!prefix)
                break; // equal names are sorted by row: the first match is the earliest row
        }
    }
    return best;
}

} // namespace kelvane
