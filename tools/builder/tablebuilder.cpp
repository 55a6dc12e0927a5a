#include "store/error.h"
#include "tools/builder/configuration.h"
#include "tools/builder/storedtree.h"

#include <limits>

namespace kelvane::builder {

namespace {

using jet::ColumnSpec;
using jet::ColumnType;
using jet::Value;

// Count columns of konfigtree after col1 and the group whose members each one counts.
const std::pair<const char*, const char*> countColumns[] = {
    {"colgraf", "Графы"},    {"colzhach", "Значения"}, {"colizmer", "Измерения"},
    {"colresur", "Ресурсы"}, {"colrecv", "Реквизиты"}, {"coltabl", "Табличные части"},
    {"colform", "Формы"},    {"comacet", "Макеты"},    {"colperer", "Перерасчеты"},
};

const char* const textColumnsAfterCounts[] = {"cinonim", "komment", "podsistem"};
const char* const textColumnsAtEnd[] = {"stringtype", "ispolzov", "indexirov", "polnotpoisk",
                                        "rezimuprblok"};

ColumnSpec column(const char* name, ColumnType type, int textLength = 255) {
    return ColumnSpec{QString::fromUtf8(name), type, textLength};
}

std::vector<ColumnSpec> konfigtreeColumns() {
    std::vector<ColumnSpec> columns{
        column("id", ColumnType::AutoNumber),   column("num", ColumnType::Long),
        column("id_parent", ColumnType::Long),  column("name", ColumnType::Text),
        column("imageindex", ColumnType::Long), column("type", ColumnType::Text, 5),
        column("formimage", ColumnType::Ole),   column("modtext", ColumnType::Memo),
        column("spravtext", ColumnType::Memo),  column("col1", ColumnType::Integer),
    };
    for (const auto& [name, group] : countColumns)
        columns.push_back(column(name, ColumnType::Integer));
    for (const char* name : textColumnsAfterCounts)
        columns.push_back(column(name, ColumnType::Text));
    columns.push_back(column("imageindextype", ColumnType::Integer));
    for (const char* name : textColumnsAtEnd)
        columns.push_back(column(name, ColumnType::Text));
    return columns;
}

std::int64_t membersOf(const Node& node, const QString& group) {
    for (const Node& child : node.children) {
        if (child.name == group)
            return static_cast<std::int64_t>(child.children.size());
    }
    return 0;
}

std::size_t nodeCount(const Node& node) {
    std::size_t count = 1;
    for (const Node& child : node.children)
        count += nodeCount(child);
    return count;
}

// Appends the rows of a node and its subtree in pre-order.
class RowWriter {
public:
    explicit RowWriter(Tables& tables)
        : tables_(tables) {}

    void write(const Node& node, std::int64_t parentNum) {
        check(node);
        const std::int64_t num = nextNum_++;
        const std::int64_t col1 =
            node.col1 >= 0 ? node.col1 : static_cast<std::int64_t>(node.children.size());
        if (col1 > std::numeric_limits<std::int16_t>::max())
            throw Error(QStringLiteral("У узла «%1» %2 подчинённых: счётчик col1 не больше 32767")
                            .arg(node.name)
                            .arg(col1));
        std::vector<Value> row;
        row.reserve(tables_.konfigtree.columns.size());
        row.insert(row.end(), {num + 1, num, parentNum, node.name, std::int64_t{node.imageIndex},
                               node.type, Value{}, Value{}, Value{}, col1});
        static const std::vector<QString> groups = [] {
            std::vector<QString> names;
            for (const auto& [name, group] : countColumns)
                names.push_back(QString::fromUtf8(group));
            return names;
        }();
        for (const QString& group : groups)
            row.push_back(membersOf(node, group));
        for (std::size_t i = 0; i < std::size(textColumnsAfterCounts); ++i)
            row.push_back(QString());
        row.push_back(std::int64_t{node.imageIndexType});
        for (std::size_t i = 0; i < std::size(textColumnsAtEnd); ++i)
            row.push_back(QString());
        tables_.konfigtree.rows.push_back(std::move(row));

        std::int64_t ordinal = 1;
        for (const Procedure& procedure : node.procedures) {
            const std::int64_t id = static_cast<std::int64_t>(tables_.prosedur.rows.size()) + 1;
            tables_.prosedur.rows.push_back({id, num, ordinal++, procedure.name,
                                             QStringLiteral("МодульОбъекта"), procedure.kind});
        }
        for (const Node& child : node.children)
            write(child, num);
    }

private:
    static void check(const Node& node) {
        if (node.name.size() > 255)
            throw Error(
                QStringLiteral("Имя узла длиннее 255 символов: «%1...»").arg(node.name.left(40)));
        if (node.type.size() > 5)
            throw Error(
                QStringLiteral("Тип «%1» узла «%2» длиннее 5 символов").arg(node.type, node.name));
    }

    Tables& tables_;
    std::int64_t nextNum_ = 0;
};

} // namespace

Tables buildTables(const Configuration& configuration) {
    Tables tables;
    tables.konfigtree = {QStringLiteral("konfigtree"), konfigtreeColumns(), {}};
    tables.structura = {QStringLiteral("structura"),
                        {column("id", ColumnType::AutoNumber), column("tekst", ColumnType::Memo)},
                        {}};
    tables.prosedur = {QStringLiteral("prosedur"),
                       {column("id", ColumnType::AutoNumber), column("id_parent", ColumnType::Long),
                        column("nomer", ColumnType::Long), column("name", ColumnType::Text),
                        column("modul", ColumnType::Text), column("vid", ColumnType::Text)},
                       {}};
    tables.konfigtree.rows.reserve(nodeCount(configuration.root));
    RowWriter(tables).write(configuration.root, 0);
    tables.structura.rows.push_back({std::int64_t{1}, storedTreeText(configuration.root)});
    return tables;
}

} // namespace kelvane::builder
