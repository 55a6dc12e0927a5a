#include "store/configurationloader.h"

#include "store/error.h"
#include "store/russiancollation.h"
#include "store/sqlstatement.h"

#include <QStringList>
#include <algorithm>
#include <sqlite3.h>

namespace kelvane {

namespace {

using Kind = SourceColumn::Kind;

// The layout of konfigtree: column name, kind (Text stands for Text or Memo), whether it is read.
struct LayoutColumn {
    const char* name;
    Kind kind;
    bool read;
};

constexpr LayoutColumn KonfigLayout[] = {
    {"id", Kind::Integer, true},
    {"num", Kind::Integer, true},
    {"id_parent", Kind::Integer, true},
    {"name", Kind::Text, true},
    {"imageindex", Kind::Integer, true},
    {"type", Kind::Text, true},
    {"formimage", Kind::Binary, false},
    {"modtext", Kind::Text, false},
    {"spravtext", Kind::Text, false},
    {"col1", Kind::Integer, true},
    {"colgraf", Kind::Integer, false},
    {"colzhach", Kind::Integer, false},
    {"colizmer", Kind::Integer, false},
    {"colresur", Kind::Integer, false},
    {"colrecv", Kind::Integer, false},
    {"coltabl", Kind::Integer, false},
    {"colform", Kind::Integer, false},
    {"comacet", Kind::Integer, false},
    {"colperer", Kind::Integer, false},
    {"cinonim", Kind::Text, false},
    {"komment", Kind::Text, false},
    {"podsistem", Kind::Text, false},
    {"imageindextype", Kind::Integer, true},
    {"stringtype", Kind::Text, false},
    {"ispolzov", Kind::Text, false},
    {"indexirov", Kind::Text, false},
    {"polnotpoisk", Kind::Text, false},
    {"rezimuprblok", Kind::Text, false},
};
constexpr int KonfigColumnCount = static_cast<int>(std::size(KonfigLayout));

// Columns that the query texts name, so their names must match as well as their kinds.
bool namedByQueries(const QString& name) {
    return name == QLatin1String("id") || name == QLatin1String("num") ||
           name == QLatin1String("id_parent") || name == QLatin1String("name");
}

bool sameKind(Kind expected, const SourceColumn& column) {
    if (expected == Kind::Text)
        return column.isText();
    return column.kind == expected;
}

QString kindWord(Kind kind) {
    switch (kind) {
    case Kind::Integer:
        return QStringLiteral("целочисленным");
    case Kind::Binary:
        return QStringLiteral("двоичным (объект OLE)");
    default:
        return QStringLiteral("текстовым");
    }
}

[[noreturn]] void wrongKind(const QString& table, const QString& column, int position,
                            Kind expected) {
    throw Error(QStringLiteral("Столбец %1.%2 (номер %3) должен быть %4")
                    .arg(table, column)
                    .arg(position)
                    .arg(kindWord(expected)));
}

[[noreturn]] void missingColumn(const QString& table, const QString& column, int position) {
    throw Error(
        QStringLiteral("В таблице %1 нет столбца %2 (номер %3)").arg(table, column).arg(position));
}

int positionOf(const std::vector<SourceColumn>& columns, const QString& name) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

// Positions of the plain integer and text columns; memo and binary content is not copied.
std::vector<int> plainColumns(const std::vector<SourceColumn>& columns) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].kind == Kind::Integer || columns[i].kind == Kind::Text)
            positions.push_back(static_cast<int>(i));
    return positions;
}

QString declaredType(const SourceColumn& column) {
    switch (column.kind) {
    case Kind::Integer:
        return QStringLiteral("INTEGER");
    case Kind::Binary:
        return QStringLiteral("BLOB");
    default:
        if (column.name.compare(QLatin1String("name"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("TEXT COLLATE %1").arg(QLatin1String(RussianCollationName));
        return QStringLiteral("TEXT");
    }
}

void bind(sqlite3_stmt* insert, int parameter, const SourceField& field) {
    switch (field.kind) {
    case SourceField::Kind::Null:
        sqlite3_bind_null(insert, parameter);
        break;
    case SourceField::Kind::Integer:
        sqlite3_bind_int64(insert, parameter, field.integer);
        break;
    case SourceField::Kind::Text:
        sqlite3_bind_text(insert, parameter, field.text.data(), static_cast<int>(field.text.size()),
                          SQLITE_STATIC);
        break;
    }
}

} // namespace

ConfigurationLoader::ConfigurationLoader(TableSource& source, sqlite3* engine)
    : source_(source)
    , engine_(engine) {}

ConfigurationLoader::Target ConfigurationLoader::checkKonfigtree(const QString& sourceTable) const {
    const QString table = QStringLiteral("konfigtree");
    Target target{table, sourceTable, source_.columns(sourceTable), {}};
    const int count = static_cast<int>(target.columns.size());
    for (int position = 0; position < KonfigColumnCount; ++position) {
        const LayoutColumn& expected = KonfigLayout[position];
        const QString name = QLatin1String(expected.name);
        if (position >= count)
            missingColumn(table, name, position);
        const SourceColumn& column = target.columns[static_cast<std::size_t>(position)];
        if (namedByQueries(name) && column.name.compare(name, Qt::CaseInsensitive) != 0)
            missingColumn(table, name, position);
        if (!sameKind(expected.kind, column))
            wrongKind(table, column.name, position, expected.kind);
        if (expected.read)
            target.loaded.push_back(position);
    }
    if (count > KonfigColumnCount)
        throw Error(QStringLiteral("В таблице konfigtree %1 столбцов, а должно быть %2")
                        .arg(count)
                        .arg(KonfigColumnCount));
    return target;
}

ConfigurationLoader::Target ConfigurationLoader::checkStructura(const QString& sourceTable) const {
    const QString table = QStringLiteral("structura");
    Target target{table, sourceTable, source_.columns(sourceTable), {}};
    if (target.columns.size() < 2)
        throw Error(QStringLiteral("В таблице structura нет столбца с текстом дерева (номер 1)"));
    const SourceColumn& text = target.columns[1];
    if (!text.isText())
        wrongKind(table, text.name, 1, Kind::Text);
    target.loaded = plainColumns(target.columns);
    if (text.kind == Kind::Memo)
        target.loaded.insert(std::upper_bound(target.loaded.begin(), target.loaded.end(), 1), 1);
    return target;
}

ConfigurationLoader::Target ConfigurationLoader::checkProsedur(const QString& sourceTable) const {
    const QString table = QStringLiteral("prosedur");
    Target target{table, sourceTable, source_.columns(sourceTable), {}};
    for (const QString& name : {QStringLiteral("id"), QStringLiteral("id_parent")}) {
        const int position = positionOf(target.columns, name);
        if (position < 0)
            throw Error(QStringLiteral("В таблице prosedur нет столбца %1").arg(name));
        if (target.columns[static_cast<std::size_t>(position)].kind != Kind::Integer)
            wrongKind(table, name, position, Kind::Integer);
    }
    target.loaded = plainColumns(target.columns);
    return target;
}

void ConfigurationLoader::copy(const Target& target) {
    QStringList definitions;
    QStringList parameters;
    for (const SourceColumn& column : target.columns) {
        definitions << quoteIdentifier(column.name) + QLatin1Char(' ') + declaredType(column);
        parameters << QStringLiteral("?");
    }
    executeSql(engine_, QStringLiteral("CREATE TABLE %1 (%2)")
                            .arg(target.table, definitions.join(QLatin1String(", "))));
    SqlStatement insert(engine_, QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                     .arg(target.table, parameters.join(QLatin1Char(','))));
    sqlite3_stmt* statement = insert.get();
    source_.readRows(target.sourceTable, target.loaded,
                     [&](const std::vector<SourceField>& fields) {
                         for (std::size_t i = 0; i < fields.size(); ++i)
                             bind(statement, target.loaded[i] + 1, fields[i]);
                         insert.step();
                         sqlite3_reset(statement);
                     });
}

std::map<QString, QString> ConfigurationLoader::load() {
    using Check = Target (ConfigurationLoader::*)(const QString&) const;
    struct Step {
        QString table;
        Check check;
        QStringList indexed;
    };
    const Step steps[] = {
        {QStringLiteral("konfigtree"),
         &ConfigurationLoader::checkKonfigtree,
         {QStringLiteral("num"), QStringLiteral("id_parent"), QStringLiteral("id")}},
        {QStringLiteral("structura"), &ConfigurationLoader::checkStructura, {}},
        {QStringLiteral("prosedur"),
         &ConfigurationLoader::checkProsedur,
         {QStringLiteral("id_parent")}},
    };

    std::map<QString, QString> problems;
    executeSql(engine_, QStringLiteral("BEGIN"));
    for (const Step& step : steps) {
        executeSql(engine_, QStringLiteral("SAVEPOINT load_table"));
        try {
            const std::optional<QString> sourceTable = source_.findTable(step.table);
            if (!sourceTable)
                throw Error(QStringLiteral("Таблица %1 не найдена в базе данных").arg(step.table));
            copy((this->*step.check)(*sourceTable));
            for (const QString& column : step.indexed)
                executeSql(engine_, QStringLiteral("CREATE INDEX %1_%2 ON %1(%3)")
                                        .arg(step.table, column, quoteIdentifier(column)));
            executeSql(engine_, QStringLiteral("RELEASE load_table"));
        } catch (const Error& error) {
            executeSql(engine_, QStringLiteral("ROLLBACK TO load_table"));
            executeSql(engine_, QStringLiteral("RELEASE load_table"));
            problems[step.table] = error.message();
        }
    }
    executeSql(engine_, QStringLiteral("COMMIT"));
    return problems;
}

} // namespace kelvane
