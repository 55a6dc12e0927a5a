#include "tests/navigation/harness.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

TEST(Startup, WindowCreationDrawsTheFirstRowWithoutSelectingOrRecording) {
    Harness h(smallConfiguration());
    EXPECT_TRUE(h.errors.messages.isEmpty());
    EXPECT_EQ(h.diagrams.drawn, QStringList{"DiagramKorn"});
    EXPECT_TRUE(h.view.selections.empty());
    EXPECT_EQ(h.view.focusCount, 0);
    EXPECT_EQ(h.program.history().MemNavig().recordCount(), 0);
    EXPECT_TRUE(h.memKordinat.isOpen());
    EXPECT_FALSE(h.program.sections().MemRazdel().isOpen());
    EXPECT_EQ(h.program.state().TreeSyncEnabled, 0);
    EXPECT_EQ(h.program.state().VisitCounter, 1);
}

TEST(Startup, FirstShowEndsOnTheSecondRowWithOneHistoryEntry) {
    Harness h(smallConfiguration());
    h.start();
    EXPECT_TRUE(h.errors.messages.isEmpty());
    EXPECT_EQ(h.view.rowHeight, 18);
    EXPECT_EQ(h.view.selections, (std::vector<int>{1, 1})); // the first child, then num 1
    EXPECT_EQ(h.program.state().TreeSyncEnabled, 1);
    EXPECT_EQ(h.currentId(), 2);
    EXPECT_EQ(h.diagrams.drawn, (QStringList{"DiagramKorn", "DiagramObshie"}));
    EXPECT_EQ(h.historyColumn(History::Num), std::vector<qlonglong>{1});
    EXPECT_TRUE(h.program.sections().MemRazdel().isOpen());
    EXPECT_TRUE(h.view.pagesHidden);
    EXPECT_EQ(h.view.ed2, QStringLiteral("Общие"));
}

TEST(Startup, AOneRowTableDrawsTheFirstRowAgain) {
    Harness h({{0, 0, QStringLiteral("Конфигурация")}});
    h.start();
    EXPECT_TRUE(h.errors.messages.isEmpty());
    EXPECT_EQ(h.currentId(), 1);
    EXPECT_EQ(h.diagrams.drawn, (QStringList{"DiagramKorn", "DiagramKorn"}));
    EXPECT_EQ(h.historyColumn(History::IdRec), std::vector<qlonglong>{1});
}

TEST(Startup, TreeFailuresStopTheFirstShowAtTheSelection) {
    struct Case {
        int treeSize;
        std::optional<int> firstChildren;
        QString message;
    };
    const Case cases[] = {
        {0, std::nullopt, QStringLiteral("Invalid index")},
        {3, 0, QStringLiteral("List index out of bounds (0)")},
    };
    for (const Case& c : cases) {
        Harness h(smallConfiguration());
        h.view.treeSize = c.treeSize;
        h.view.firstChildren = c.firstChildren;
        h.start();
        EXPECT_EQ(h.errors.messages, QStringList{c.message});
        EXPECT_EQ(h.view.rowHeight, 18);
        EXPECT_TRUE(h.view.selections.empty());
        EXPECT_EQ(h.program.state().TreeSyncEnabled, 0);
        EXPECT_FALSE(h.program.sections().MemRazdel().isOpen());
        EXPECT_EQ(h.currentId(), 1);
        EXPECT_EQ(h.program.history().MemNavig().recordCount(), 0);
        EXPECT_FALSE(h.view.pagesHidden);
    }
}

TEST(Startup, AFailingTreeReaderStopsAtTheFirstStep) {
    Harness h(smallConfiguration());
    h.program.FormShow([](Query&) { throw Error(QStringLiteral("Ошибка в тексте дерева")); });
    EXPECT_EQ(h.errors.messages, QStringList{QStringLiteral("Ошибка в тексте дерева")});
    EXPECT_EQ(h.view.rowHeight, 0);
    EXPECT_EQ(h.program.state().TreeSyncEnabled, 0);
}

TEST(Startup, AMissingDatabaseIsReportedAndTheWindowGoesOn) {
    QTemporaryDir empty;
    FakeView view;
    ErrorRecorder errors;
    Program program(view, errors);
    MemTable memKordinat(QStringLiteral("MemKordinat"),
                         {{QStringLiteral("id"), MemTable::Kind::Integer}}, false);
    program.create(empty.filePath(QStringLiteral("Baza.mdb")), memKordinat);
    ASSERT_EQ(errors.messages.size(), 3); // the connection, ADOTable1, tbstructura
    EXPECT_TRUE(program.history().MemNavig().isOpen());

    // The tree reader finds the structure table closed.
    program.FormShow([](Query& tbstructura) { tbstructura.recordCount(); });
    ASSERT_EQ(errors.messages.size(), 4);
    EXPECT_TRUE(errors.messages.last().contains(QStringLiteral("tbstructura")));
    EXPECT_FALSE(view.pagesHidden);

    program.run([&] { program.navigator().TreeView1Click(0); });
    EXPECT_EQ(errors.messages.size(), 5);
}
