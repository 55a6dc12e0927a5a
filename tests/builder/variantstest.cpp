#include "store/error.h"
#include "tests/builder/sample.h"
#include "tools/builder/brokenvariants.h"
#include "tools/builder/storedtree.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::builder;

namespace {

std::vector<jet::TableSpec> sampleTables() {
    return buildTables(parseDescription(test::sampleDescription())).all();
}

const jet::TableSpec& table(const std::vector<jet::TableSpec>& tables, const char* name) {
    for (const jet::TableSpec& definition : tables) {
        if (definition.name == QLatin1String(name))
            return definition;
    }
    throw Error(QStringLiteral("нет таблицы"));
}

} // namespace

TEST(BrokenVariants, CombineOnOneSetOfTables) {
    auto tables = sampleTables();
    broken::clearRows(tables, QStringLiteral("structura"));
    broken::keepFirstRows(tables, QStringLiteral("konfigtree"), 1);
    broken::dropTable(tables, QStringLiteral("prosedur"));
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_TRUE(table(tables, "structura").rows.empty());
    EXPECT_EQ(table(tables, "konfigtree").rows.size(), 1u);
}

TEST(BrokenVariants, StoredTreeOutOfStepWithTheRows) {
    auto tables = sampleTables();
    const Node shorter = test::node(QStringLiteral("Конф"));
    broken::replaceStoredTree(tables, shorter);
    const auto& structura = table(tables, "structura");
    ASSERT_EQ(structura.rows.size(), 1u);
    EXPECT_EQ(std::get<QString>(structura.rows[0][1]), storedTreeText(shorter));
    EXPECT_EQ(table(tables, "konfigtree").rows.size(), 7u);
}

TEST(BrokenVariants, DropAndRetypeColumns) {
    auto tables = sampleTables();
    broken::dropColumn(tables, QStringLiteral("konfigtree"), QStringLiteral("formimage"));
    broken::retypeColumn(tables, QStringLiteral("konfigtree"), QStringLiteral("num"),
                         jet::ColumnType::Text);
    broken::retypeColumn(tables, QStringLiteral("konfigtree"), QStringLiteral("name"),
                         jet::ColumnType::Long);
    const auto& konfigtree = table(tables, "konfigtree");
    ASSERT_EQ(konfigtree.columns.size(), 27u);
    EXPECT_EQ(konfigtree.columns[6].name, QStringLiteral("modtext"));
    EXPECT_EQ(konfigtree.columns[1].type, jet::ColumnType::Text);
    for (const auto& row : konfigtree.rows)
        ASSERT_EQ(row.size(), 27u);
    EXPECT_EQ(std::get<QString>(konfigtree.rows[3][1]), QStringLiteral("3"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(konfigtree.rows[3][3]));
}

TEST(BrokenVariants, UnknownNamesAreErrors) {
    auto tables = sampleTables();
    EXPECT_THROW(broken::dropTable(tables, QStringLiteral("nosuch")), Error);
    EXPECT_THROW(broken::dropColumn(tables, QStringLiteral("konfigtree"), QStringLiteral("x")),
                 Error);
}
