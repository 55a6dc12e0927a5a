#include "store/error.h"
#include "store/konfigcolumns.h"
#include "tests/builder/sample.h"
#include "tools/builder/configuration.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::builder;

namespace {

std::int64_t integer(const jet::Value& value) {
    return std::get<std::int64_t>(value);
}
QString text(const jet::Value& value) {
    return std::get<QString>(value);
}

} // namespace

TEST(Tables, KonfigtreeHasTheTwentyEightColumnsInOrder) {
    const Tables tables = buildTables(parseDescription(test::sampleDescription()));
    const std::pair<const char*, jet::ColumnType> expected[] = {
        {"id", jet::ColumnType::AutoNumber},          {"num", jet::ColumnType::Long},
        {"id_parent", jet::ColumnType::Long},         {"name", jet::ColumnType::Text},
        {"imageindex", jet::ColumnType::Long},        {"type", jet::ColumnType::Text},
        {"formimage", jet::ColumnType::Ole},          {"modtext", jet::ColumnType::Memo},
        {"spravtext", jet::ColumnType::Memo},         {"col1", jet::ColumnType::Integer},
        {"colgraf", jet::ColumnType::Integer},        {"colzhach", jet::ColumnType::Integer},
        {"colizmer", jet::ColumnType::Integer},       {"colresur", jet::ColumnType::Integer},
        {"colrecv", jet::ColumnType::Integer},        {"coltabl", jet::ColumnType::Integer},
        {"colform", jet::ColumnType::Integer},        {"comacet", jet::ColumnType::Integer},
        {"colperer", jet::ColumnType::Integer},       {"cinonim", jet::ColumnType::Text},
        {"komment", jet::ColumnType::Text},           {"podsistem", jet::ColumnType::Text},
        {"imageindextype", jet::ColumnType::Integer}, {"stringtype", jet::ColumnType::Text},
        {"ispolzov", jet::ColumnType::Text},          {"indexirov", jet::ColumnType::Text},
        {"polnotpoisk", jet::ColumnType::Text},       {"rezimuprblok", jet::ColumnType::Text},
    };
    const auto& columns = tables.konfigtree.columns;
    ASSERT_EQ(columns.size(), std::size(expected));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].name, QString::fromLatin1(expected[i].first)) << i;
        EXPECT_EQ(columns[i].type, expected[i].second) << i;
        if (columns[i].type == jet::ColumnType::Text) {
            EXPECT_EQ(columns[i].textLength, i == konfig::Type ? 5 : 255) << i;
        }
    }
    for (const auto& row : tables.konfigtree.rows)
        EXPECT_EQ(row.size(), columns.size());
}

TEST(Tables, RowsArePreOrderWithParentNums) {
    const Tables tables = buildTables(parseDescription(test::sampleDescription()));
    struct Expected {
        const char* name;
        std::int64_t parent;
        std::int64_t col1;
    };
    const Expected expected[] = {{"Конф", 0, 2},        {"Общие", 0, 1},  {"Роли", 1, 0},
                                 {"Справочники", 0, 7}, {"Товары", 3, 1}, {"Реквизиты", 4, 1},
                                 {"Цена", 5, 0}};
    const auto& rows = tables.konfigtree.rows;
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(integer(rows[i][konfig::Id]), static_cast<std::int64_t>(i) + 1);
        EXPECT_EQ(integer(rows[i][konfig::Num]), static_cast<std::int64_t>(i));
        EXPECT_EQ(integer(rows[i][konfig::IdParent]), expected[i].parent) << i;
        EXPECT_EQ(text(rows[i][konfig::Name]), QString::fromUtf8(expected[i].name));
        EXPECT_EQ(integer(rows[i][konfig::Col1]), expected[i].col1) << i;
    }
    EXPECT_EQ(text(rows[6][konfig::Type]), QStringLiteral("Ч"));
    EXPECT_EQ(integer(rows[6][konfig::ImageIndexType]), 2);
    EXPECT_EQ(integer(rows[4][14]), 1) << "colrecv counts the members of Реквизиты";
}

TEST(Tables, ProceduresPointAtTheNumOfTheirObject) {
    const Tables tables = buildTables(parseDescription(test::sampleDescription()));
    const auto& rows = tables.prosedur.rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(tables.prosedur.columns[1].name, QStringLiteral("id_parent"));
    EXPECT_EQ(tables.prosedur.columns[3].name, QStringLiteral("name"));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(integer(rows[i][0]), static_cast<std::int64_t>(i) + 1);
        EXPECT_EQ(integer(rows[i][1]), 4);
    }
    EXPECT_EQ(text(rows[0][3]), QStringLiteral("ПередЗаписью"));
    EXPECT_EQ(text(rows[0][5]), QStringLiteral("Процедура"));
    EXPECT_EQ(text(rows[1][5]), QStringLiteral("Функция"));
}

TEST(Tables, StructuraHoldsOneRowWithTheTreeText) {
    const Tables tables = buildTables(parseDescription(test::sampleDescription()));
    ASSERT_EQ(tables.structura.rows.size(), 1u);
    const QString tree = text(tables.structura.rows[0][1]);
    EXPECT_TRUE(tree.startsWith(QStringLiteral("object TreeView1: TTreeView")));
    EXPECT_TRUE(tree.contains(QStringLiteral("Items.Data = {")));
    EXPECT_TRUE(tree.trimmed().endsWith(QStringLiteral("end")));
}

TEST(Tables, CountBeyondSixteenBitsIsRejected) {
    Configuration configuration;
    configuration.root.name = QStringLiteral("Конф");
    configuration.root.children.resize(40000, test::node(QStringLiteral("Х")));
    EXPECT_THROW(buildTables(configuration), Error);
}
