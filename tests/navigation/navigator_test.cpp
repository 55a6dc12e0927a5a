#include "tests/navigation/harness.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

TEST(Navigator, DispatchesByNumAndParentAndCaptionsTheTab) {
    struct Case {
        KonfigRow row;
        const char* routine;
        QString caption;
    };
    const Case cases[] = {
        {{0, 0, QStringLiteral("Корень"), 0, 3}, "DiagramKorn", QStringLiteral("Корень ( 17 )")},
        {{1, 0, QStringLiteral("Общие"), 1, 9}, "DiagramObshie", QStringLiteral("Общие ( 17 )")},
        {{1, 1, QStringLiteral("Роли"), 8, 4}, "DiagramObject", QStringLiteral("Роли ( 4 )")},
        {{0, 1, QStringLiteral("Стили"), 35, 12}, "DiagramObject", QStringLiteral("Стили ( 12 )")},
        {{2, 0, QStringLiteral("Документы"), 45, 0},
         "DiagramObject",
         QStringLiteral("Документы ( 0 )")},
        {{9, 0, QStringLiteral("Задачи"), 87, -3},
         "DiagramObject",
         QStringLiteral("Задачи ( -3 )")},
        {{0, 5, QStringLiteral("Реквизит"), 60, 7}, "DiagramObject1", QStringLiteral("Реквизит")},
        {{1, 2, QStringLiteral("Товар"), 44, 7}, "DiagramObject1", QStringLiteral("Товар")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        // The case's row comes second, so the first show's next() makes it current.
        Harness h({{0, 0, QStringLiteral("Корень")}, c.row});
        h.diagrams.drawn.clear();
        h.start();
        ASSERT_TRUE(h.errors.messages.isEmpty()) << h.errors.messages.join('\n').toStdString();
        EXPECT_EQ(h.diagrams.drawn, QStringList{QString::fromUtf8(c.routine)});
        EXPECT_EQ(h.view.tab1Caption, c.caption);
        EXPECT_EQ(h.view.tab1Icon, c.row.imageIndex);
        EXPECT_EQ(h.program.state().CurrentNum, c.row.num);
        EXPECT_EQ(h.program.state().CurrentParent, c.row.idParent);
        EXPECT_EQ(h.view.selected, c.row.num);
    }
}

TEST(Navigator, EveryTreeClickLocatesAndRedrawsButNoClickMovesNothing) {
    Harness h(smallConfiguration());
    h.start();
    const int focus = h.view.focusCount;

    h.run([&] { h.program.navigator().TreeView1Click(std::nullopt); });
    EXPECT_EQ(h.historyColumn(1), std::vector<qlonglong>{2});

    h.run([&] { h.program.navigator().TreeView1Click(0); });
    h.run([&] { h.program.navigator().TreeView1Click(0); }); // the selected node again
    EXPECT_EQ(h.diagrams.drawn.mid(2), (QStringList{"DiagramKorn", "DiagramKorn"}));
    EXPECT_EQ(h.historyColumn(1), (std::vector<qlonglong>{2, 1, 1}));
    EXPECT_EQ(h.view.tab1Caption, QStringLiteral("Конфигурация ( 17 )"));
    EXPECT_EQ(h.view.focusCount, focus + 2);

    h.run([&] { h.program.navigator().TreeView1Click(42); }); // a node without a row
    EXPECT_EQ(h.currentId(), 1);
    EXPECT_EQ(h.historyColumn(1).size(), 3u);
    EXPECT_TRUE(h.errors.messages.isEmpty());
}

TEST(Navigator, ATreeWithoutTheRowsNodeStopsBeforeDrawing) {
    Harness h(smallConfiguration());
    h.start();
    h.view.treeSize = 5; // the stored tree ends before num 6
    const QString caption = h.view.tab1Caption;
    const auto drawn = h.diagrams.drawn.size();

    h.run([&] { h.program.ADOTable1().locateInteger(QStringLiteral("num"), 6); });
    EXPECT_EQ(h.errors.messages, QStringList{QStringLiteral("Invalid index")});
    EXPECT_EQ(h.currentId(), 7); // the row is current all the same
    EXPECT_EQ(h.view.selected, 1);
    EXPECT_EQ(h.diagrams.drawn.size(), drawn);
    EXPECT_EQ(h.view.tab1Caption, caption);
    EXPECT_EQ(h.historyColumn(1), std::vector<qlonglong>{2});
}

TEST(Navigator, AFailingRoutineLeavesTheTabAsItWas) {
    Harness h(smallConfiguration());
    h.start();
    h.diagrams.failing = true;
    h.run([&] { h.program.navigator().TreeView1Click(5); });
    EXPECT_EQ(h.errors.messages, QStringList{QStringLiteral("Ошибка рисования")});
    EXPECT_EQ(h.view.selected, 5);
    EXPECT_EQ(h.view.tab1Caption, QStringLiteral("Общие ( 17 )"));
    EXPECT_EQ(h.view.tab1Icon, 1);
}
