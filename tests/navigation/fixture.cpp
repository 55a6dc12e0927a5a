#include "tests/navigation/fixture.h"

#include "tools/builder/configuration.h"

namespace kelvane::test {

FixtureBase::FixtureBase(const std::vector<KonfigRow>& rows) {
    builder::Configuration configuration;
    configuration.root.name = QStringLiteral("Конфигурация");
    builder::Tables tables = builder::buildTables(configuration);
    tables.konfigtree.rows.clear();
    std::int64_t id = 1;
    for (const KonfigRow& row : rows) {
        std::vector<jet::Value> values(tables.konfigtree.columns.size());
        values[0] = id++;
        values[1] = std::int64_t{row.num};
        values[2] = std::int64_t{row.idParent};
        values[3] = row.name;
        values[4] = std::int64_t{row.imageIndex};
        values[9] = std::int64_t{row.col1};
        tables.konfigtree.rows.push_back(std::move(values));
    }
    builder::writeTables(path(), tables.all(), builder::Format::Sqlite);
}

} // namespace kelvane::test
