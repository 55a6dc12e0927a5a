#include "navigation/gridlayouts.h"
#include "navigation/history.h"
#include "navigation/programstate.h"
#include "store/error.h"
#include "store/memtable.h"
#include "store/memtablemodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSize>
#include <gtest/gtest.h>

using kelvane::MemTable;
using kelvane::MemTableModel;

namespace {

MemTable makeHistoryTable() {
    return MemTable(QStringLiteral("MemNavig"),
                    {{QStringLiteral("id"), MemTable::Kind::Integer},
                     {QStringLiteral("idrec"), MemTable::Kind::Integer},
                     {QStringLiteral("num"), MemTable::Kind::Integer},
                     {QStringLiteral("namelite"), MemTable::Kind::Text},
                     {QStringLiteral("nameful"), MemTable::Kind::Text}},
                    true);
}

} // namespace

TEST(MemTableModel, ShowsTheHistoryGridColumns) {
    MemTable table = makeHistoryTable();
    MemTableModel model(table, kelvane::dbGrid4Columns());
    struct Column {
        QString title;
        int width;
        Qt::Alignment title_alignment;
        Qt::Alignment value_alignment;
    };
    const Column expected[] = {
        {QStringLiteral("№"), 31, Qt::AlignCenter, Qt::AlignCenter},
        {QStringLiteral("Текущая запись"), 250, Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("Полный путь"), 280, Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter},
    };
    ASSERT_EQ(model.columnCount(), 3);
    table.open();
    table.insert({42, 1, QStringLiteral("Роли"), QStringLiteral("Конфигурация -> Роли")});
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        const Column& e = expected[c];
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), e.title);
        EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::SizeHintRole).toSize().width(), e.width);
        EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  e.title_alignment);
        EXPECT_EQ(model.data(model.index(0, c), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  e.value_alignment);
    }
    EXPECT_EQ(model.data(model.index(0, 0)).toInt(), 1);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("Роли"));
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("Конфигурация -> Роли"));
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
}

TEST(MemTableModel, FollowsTheTableUnderTheModelTester) {
    MemTable table = makeHistoryTable();
    MemTableModel model(table, kelvane::dbGrid4Columns());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy current(&model, &MemTableModel::currentRowChanged);

    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.currentRow(), -1);
    table.open();
    for (int i = 1; i <= 3; ++i)
        table.insert({i, i, QStringLiteral("n%1").arg(i), QString()});
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.currentRow(), 2);
    EXPECT_EQ(current.last().at(0).toInt(), 2);

    model.setCurrentRow(0); // a selection in the grid
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(current.last().at(0).toInt(), 0);

    table.deleteCurrent();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("n2"));
    EXPECT_EQ(model.currentRow(), 0);

    table.setField(3, QStringLiteral("changed"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("changed"));

    table.close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.currentRow(), -1);
}

TEST(MemTableModel, RejectsAnUnknownColumn) {
    MemTable table = makeHistoryTable();
    EXPECT_THROW(MemTableModel(table, {{QStringLiteral("missing"), QStringLiteral("x")}}),
                 kelvane::Error);
}
