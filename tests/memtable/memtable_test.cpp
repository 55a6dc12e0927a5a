#include "store/error.h"
#include "store/memtable.h"

#include <functional>
#include <gtest/gtest.h>

using kelvane::MemTable;

namespace {

MemTable makeTable(bool autoIncrement) {
    return MemTable(QStringLiteral("T"),
                    {{QStringLiteral("id"), MemTable::Kind::Integer},
                     {QStringLiteral("n"), MemTable::Kind::Integer},
                     {QStringLiteral("text"), MemTable::Kind::Text}},
                    autoIncrement);
}

std::vector<qlonglong> column(const MemTable& table, int position) {
    std::vector<qlonglong> values;
    for (int row = 0; row < table.recordCount(); ++row)
        values.push_back(table.value(row, position).toLongLong());
    return values;
}

} // namespace

TEST(MemTable, AutoincrementIsNeverReset) {
    MemTable table = makeTable(true);
    table.open();
    EXPECT_EQ(table.insert({1}), 1);
    EXPECT_EQ(table.insert({2}), 2);
    table.deleteCurrent();
    EXPECT_EQ(table.insert({3}), 3);
    table.clear();
    EXPECT_EQ(table.insert({4}), 4);
    table.close();
    table.open();
    EXPECT_EQ(table.insert({5}), 5);
    EXPECT_EQ(column(table, 0), std::vector<qlonglong>{5});
}

TEST(MemTable, RowsStayInIdOrderAndTheStoredRowStaysCurrent) {
    MemTable table = makeTable(false);
    table.open();
    table.insert({10}, 5);
    table.insert({20}, 2);
    EXPECT_EQ(table.recNo(), 1);
    table.insert({30}, 9);
    table.insert({40}, 2); // equal ids keep their insertion order
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(column(table, 0), (std::vector<qlonglong>{2, 2, 5, 9}));
    EXPECT_EQ(column(table, 1), (std::vector<qlonglong>{20, 40, 10, 30}));

    table.setRecNo(1);
    table.setField(0, 7);
    EXPECT_EQ(column(table, 0), (std::vector<qlonglong>{2, 5, 7, 9}));
    EXPECT_EQ(table.recNo(), 3);
    EXPECT_EQ(table.fieldAsInteger(1), 20);
}

TEST(MemTable, DeleteMakesTheFollowingRowCurrent) {
    struct Case {
        int rows;
        int deleteAt;
        int recNoAfter;
        qlonglong idAfter;
    };
    const Case cases[] = {
        {3, 1, 1, 2}, // first: the next one
        {3, 2, 2, 3}, // middle: the next one
        {3, 3, 2, 2}, // last: the new last one
        {1, 1, 0, 0}, // only: none
    };
    for (const Case& c : cases) {
        MemTable table = makeTable(true);
        table.open();
        for (int i = 0; i < c.rows; ++i)
            table.insert({i});
        table.setRecNo(c.deleteAt);
        table.deleteCurrent();
        SCOPED_TRACE(c.deleteAt);
        EXPECT_EQ(table.recNo(), c.recNoAfter);
        if (c.idAfter > 0)
            EXPECT_EQ(table.fieldAsInteger(0), c.idAfter);
        else
            EXPECT_THROW(table.fieldAsInteger(0), kelvane::Error);
    }
}

TEST(MemTable, RecNoCountsFromOneAndMovesStopAtTheEnds) {
    MemTable table = makeTable(true);
    table.open();
    EXPECT_EQ(table.recNo(), 0);
    table.prior();
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.recNo(), 0);

    table.insert({1});
    table.insert({2});
    EXPECT_EQ(table.recNo(), 2);
    table.next();
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_TRUE(table.eof());
    table.first();
    EXPECT_EQ(table.recNo(), 1);
    table.prior();
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_TRUE(table.bof());
    table.setRecNo(3); // out of range: ignored
    EXPECT_EQ(table.recNo(), 1);
}

TEST(MemTable, LocateFindsTheFirstEqualRowOrChangesNothing) {
    MemTable table = makeTable(true);
    table.open();
    table.insert({7, QStringLiteral("Роли")});
    table.insert({8, QStringLiteral("роли")});
    table.insert({7, QStringLiteral("Стили")});
    EXPECT_TRUE(table.locate(1, 7));
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_TRUE(table.locate(2, QStringLiteral("роли")));
    EXPECT_EQ(table.recNo(), 2);

    int notifications = 0;
    table.setOnDataChange([&] { ++notifications; });
    EXPECT_FALSE(table.locate(2, QStringLiteral("РОЛИ")));
    EXPECT_FALSE(table.locate(1, 99));
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(notifications, 0);
}

TEST(MemTable, EveryChangeNotifiesBothListeners) {
    const std::pair<const char*, std::function<void(MemTable&)>> operations[] = {
        {"open", [](MemTable& t) { t.open(); }},
        {"close", [](MemTable& t) { t.close(); }},
        {"insert", [](MemTable& t) { t.insert({9}); }},
        {"setField", [](MemTable& t) { t.setField(1, 5); }},
        {"deleteCurrent", [](MemTable& t) { t.deleteCurrent(); }},
        {"clear", [](MemTable& t) { t.clear(); }},
        {"first", [](MemTable& t) { t.first(); }},
        {"next", [](MemTable& t) { t.next(); }},
        {"prior", [](MemTable& t) { t.prior(); }},
        {"setRecNo", [](MemTable& t) { t.setRecNo(1); }},
        {"locate", [](MemTable& t) { t.locate(1, 2); }},
    };
    for (const auto& [name, operation] : operations) {
        MemTable table = makeTable(true);
        table.open();
        table.insert({1});
        table.insert({2});
        int data = 0;
        int view = 0;
        table.setOnDataChange([&] { ++data; });
        table.setOnViewChange([&] { ++view; });
        operation(table);
        SCOPED_TRACE(name);
        EXPECT_EQ(data, 1);
        EXPECT_EQ(view, 1);
    }
}

TEST(MemTable, OperationsOnAClosedTableFail) {
    MemTable table = makeTable(true);
    EXPECT_THROW(table.insert({1}), kelvane::Error);
    EXPECT_THROW(table.first(), kelvane::Error);
    EXPECT_THROW(table.locate(1, 1), kelvane::Error);
}

TEST(MemTable, TextIsCutTo255CharactersNeverInsideASurrogatePair) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    const QString han = QString::fromUtf8("中");                 // not in Windows-1251
    struct Case {
        QString text;
        QString stored;
    };
    const Case cases[] = {
        {QString(255, u'a'), QString(255, u'a')},
        {QString(300, u'я'), QString(255, u'я')},
        {QString(254, u'a') + emoji, QString(254, u'a')},
        {QString(253, u'a') + emoji + u'b', QString(253, u'a') + emoji},
        {han + QString(299, u'b'), han + QString(254, u'b')},
        {QString(), QString()},
    };
    for (const Case& c : cases) {
        MemTable table = makeTable(true);
        table.open();
        table.insert({0, c.text});
        EXPECT_EQ(table.fieldAsText(2), c.stored) << c.text.size();
        table.setField(2, c.text);
        EXPECT_EQ(table.fieldAsText(2), c.stored) << c.text.size();
    }
}
