#include "store/database.h"
#include "store/error.h"
#include "store/konfigcolumns.h"
#include "store/konfigtable.h"
#include "tests/store/sqlitefixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

const std::vector<test::KonfigRow> Rows = {
    {10, 0, 0, "Конфигурация"}, {11, 1, 0, "Общие"},      {12, 2, 0, "Справочники"},
    {13, 3, 2, "Банки"},        {14, 4, 2, "банки"},      {15, 5, 2, "Валюты"},
    {16, 6, 2, "Вал"},          {17, 7, 2, std::nullopt}, {18, 2, 2, "Дубль номера"},
};

class KonfigTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath("Baza.mdb");
        test::writeSqliteBaza(path, Rows, "tree", {});
        database.open(path);
        table.setOnDataChange([this] { ++notifications; });
        table.open(database);
    }

    QTemporaryDir dir;
    Database database;
    KonfigTable table;
    int notifications = 0;
};

TEST_F(KonfigTableTest, OpenStandsOnFirstRowInTableOrderAndNotifiesOnce) {
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(table.recordCount(), static_cast<int>(Rows.size()));
    EXPECT_EQ(table.fieldAsInteger(konfig::Id), 10);
    table.next();
    EXPECT_EQ(table.fieldAsInteger(konfig::Num), 1);
}

TEST_F(KonfigTableTest, FirstAndNextNotifyUntilTheEndFlagIsSet) {
    table.first();
    EXPECT_EQ(notifications, 2);
    for (std::size_t i = 1; i < Rows.size(); ++i)
        table.next();
    EXPECT_EQ(notifications, 1 + static_cast<int>(Rows.size()));
    EXPECT_FALSE(table.eof());
    table.next(); // no next row: the end flag is set, the notification still runs
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.fieldAsInteger(konfig::Id), 18);
    const int atEnd = notifications;
    EXPECT_EQ(atEnd, 2 + static_cast<int>(Rows.size()));
    table.next();
    EXPECT_EQ(notifications, atEnd);
}

struct LocateCase {
    const char* column;
    const char* value;
    KonfigTable::LocateOptions options;
    int expectedId; // -1: not found
};

class LocateTest : public KonfigTableTest, public ::testing::WithParamInterface<LocateCase> {};

TEST_P(LocateTest, FindsTheFirstMatchingRowInTableOrder) {
    const LocateCase& c = GetParam();
    table.next();
    table.next(); // current: id 12
    const int before = notifications;
    const bool found = table.locate(c.column, QString::fromUtf8(c.value), c.options);
    EXPECT_EQ(found, c.expectedId >= 0);
    EXPECT_EQ(table.fieldAsInteger(konfig::Id), found ? c.expectedId : 12);
    EXPECT_EQ(notifications, before + (found ? 1 : 0));
}

constexpr KonfigTable::LocateOptions Both{true, true};
constexpr KonfigTable::LocateOptions CaseOnly{true, false};
constexpr KonfigTable::LocateOptions Exact{false, false};
constexpr KonfigTable::LocateOptions PrefixExactCase{false, true};

INSTANTIATE_TEST_SUITE_P(
    Rules, LocateTest,
    ::testing::Values(
        LocateCase{"num", "-1", Both, -1}, LocateCase{"num", "5", Both, 15},
        LocateCase{"NUM", "2", Both, 12}, // the current row again, first of two
        LocateCase{"id", "14", Both, 14}, LocateCase{"id", "1", Both, -1},
        LocateCase{"num", "abc", Both, -1}, LocateCase{"id", "", Both, -1},
        LocateCase{"name", "СПРАВОЧНИКИ", CaseOnly, 12}, LocateCase{"name", "банки", CaseOnly, 13},
        LocateCase{"name", "банки", Exact, 14}, LocateCase{"name", "Справ", CaseOnly, -1},
        LocateCase{"name", "вал", Both, 15}, LocateCase{"name", "Вал", CaseOnly, 16},
        LocateCase{"name", "Вал", PrefixExactCase, 15},
        LocateCase{"name", "вал", PrefixExactCase, -1}, LocateCase{"name", "", CaseOnly, 17},
        LocateCase{"name", "Нет такого", Both, -1}));

TEST_F(KonfigTableTest, LocateIntegerAndUnknownColumn) {
    EXPECT_TRUE(table.locateInteger("id", 18));
    EXPECT_EQ(table.fieldAsInteger(konfig::Num), 2);
    EXPECT_FALSE(table.locateInteger("num", 99));
    EXPECT_THROW(table.locate("type", "x", Both), Error);
    table.close();
    EXPECT_THROW(table.locateInteger("num", 0), Error);
}

} // namespace
} // namespace kelvane
