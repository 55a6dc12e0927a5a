#include "tools/builder/synthetic.h"

#include "store/error.h"
#include "store/konfigcolumns.h"
#include "tools/builder/configuration.h"

#include <gtest/gtest.h>
#include <set>

using namespace kelvane;
using namespace kelvane::builder;

TEST(Synthetic, GivesExactlyTheRowsAskedFor) {
    for (int rows : {35, 36, 1000, 20011}) {
        const Tables tables = buildTables(syntheticConfiguration(rows));
        EXPECT_EQ(tables.konfigtree.rows.size(), static_cast<std::size_t>(rows));
    }
    EXPECT_THROW(syntheticConfiguration(34), Error);
}

TEST(Synthetic, IsDeterministicAndHasTheUsualGroups) {
    const Tables first = buildTables(syntheticConfiguration(5000, 7));
    const Tables second = buildTables(syntheticConfiguration(5000, 7));
    EXPECT_EQ(first.konfigtree.rows, second.konfigtree.rows);
    EXPECT_EQ(first.prosedur.rows, second.prosedur.rows);
    EXPECT_NE(buildTables(syntheticConfiguration(5000, 8)).konfigtree.rows, first.konfigtree.rows);

    std::set<QString> names;
    for (const auto& row : first.konfigtree.rows)
        names.insert(std::get<QString>(row[konfig::Name]));
    for (const char* group : {"Реквизиты", "Табличные части", "Формы", "Макеты", "Измерения",
                              "Ресурсы", "Значения", "Графы", "Реквизиты адресации"})
        EXPECT_TRUE(names.count(QString::fromUtf8(group))) << group;
    EXPECT_FALSE(first.prosedur.rows.empty());
}
