#include "app/form1.h"
#include "app/historypage.h"
#include "app/storedtreemodel.h"
#include "app/storedtreeview.h"
#include "navigation/history.h"
#include "store/konfigcolumns.h"
#include "tests/app/appfixture.h"

#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

int visibleTabs(const QTabWidget& tabs) {
    int count = 0;
    for (int i = 0; i < tabs.count(); ++i)
        count += tabs.isTabVisible(i) ? 1 : 0;
    return count;
}

} // namespace

TEST(StartSequence, GoodDatabaseEndsOnTheSecondRowWithOneHistoryEntry) {
    WorkingDirectory dir;
    dir.writeBaza(smallConfiguration());
    ErrorRecorder errors;
    TForm1 form(errors);
    form.show();

    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kelvane 1С: Предприятие 8.1"));
    EXPECT_EQ(form.program().ADOTable1().currentRow(), 1);
    EXPECT_EQ(form.TreeView1->selectedAbsoluteIndex(), 1);
    EXPECT_EQ(form.TreeView1->rowHeight(), 18);
    EXPECT_EQ(form.program().state().TreeSyncEnabled, 1);

    const MemTable& history = form.program().history().MemNavig();
    ASSERT_EQ(history.recordCount(), 1);
    EXPECT_EQ(history.fieldAsInteger(History::Num), 1);
    EXPECT_EQ(history.fieldAsText(History::NameLite), QStringLiteral("Общие"));
    EXPECT_FALSE(form.TabSheet3->butNav(3)->isEnabled());
    EXPECT_FALSE(form.TabSheet3->butNav(4)->isEnabled());
    EXPECT_TRUE(form.TabSheet3->butNav(2)->isEnabled());
    EXPECT_TRUE(form.TabSheet3->butNav(5)->isEnabled());
    EXPECT_TRUE(form.TabSheet3->butNav(1)->isEnabled());

    EXPECT_EQ(visibleTabs(*form.PageControl1), 1);
    EXPECT_TRUE(form.PageControl1->tabText(0).startsWith(QStringLiteral("Общие")));
    EXPECT_EQ(form.PageControl2->currentWidget(), form.TabSheet3);
}

struct BrokenStart {
    const char* name;
    std::function<void(WorkingDirectory&)> prepare;
    const char* lastMessage; // empty: only that some message was shown
    int treeNodes;
};

class BrokenStartTest : public ::testing::TestWithParam<BrokenStart> {};

TEST_P(BrokenStartTest, ShowsTheErrorAndKeepsAllPages) {
    WorkingDirectory dir;
    GetParam().prepare(dir);
    ErrorRecorder errors;
    TForm1 form(errors);
    form.show();

    ASSERT_FALSE(errors.messages.isEmpty());
    if (*GetParam().lastMessage) {
        EXPECT_EQ(errors.messages.last(), QString::fromUtf8(GetParam().lastMessage));
    }
    EXPECT_EQ(form.TreeView1->nodes().nodeCount(), GetParam().treeNodes);
    EXPECT_EQ(visibleTabs(*form.PageControl1), 3);
    EXPECT_EQ(form.program().state().TreeSyncEnabled, 0);
    EXPECT_EQ(form.program().history().MemNavig().recordCount(), 0);
    EXPECT_FALSE(form.program().sections().MemRazdel().isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    StartSequence, BrokenStartTest,
    ::testing::Values(BrokenStart{"NoDatabase", [](WorkingDirectory&) {}, "", 0},
                      BrokenStart{"EmptyStructura",
                                  [](WorkingDirectory& dir) {
                                      dir.writeBaza(smallConfiguration(), [](builder::Tables& t) {
                                          t.structura.rows.clear();
                                      });
                                  },
                                  "Invalid index", 0},
                      BrokenStart{"FirstNodeWithoutChild",
                                  [](WorkingDirectory& dir) {
                                      builder::Configuration lone = smallConfiguration();
                                      lone.root.children.clear();
                                      dir.writeBaza(lone);
                                  },
                                  "List index out of bounds (0)", 1},
                      BrokenStart{"UnreadableTreeText",
                                  [](WorkingDirectory& dir) {
                                      dir.writeBaza(smallConfiguration(), [](builder::Tables& t) {
                                          t.structura.rows.at(0).at(1) =
                                              QStringLiteral("objekt TreeView1: T\nend");
                                      });
                                  },
                                  "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartSequence, NoDatabaseReportsEveryFailedOpen) {
    WorkingDirectory dir;
    ErrorRecorder errors;
    TForm1 form(errors);
    const auto whileBuilt = errors.messages.size();
    form.show();
    EXPECT_GE(whileBuilt, 3) << errors.messages.join('\n').toStdString();
    EXPECT_GT(errors.messages.size(), whileBuilt);
}

TEST(StartSequence, OneRowKonfigtreeRecordsTheFirstRow) {
    WorkingDirectory dir;
    dir.writeBaza(smallConfiguration(), [](builder::Tables& t) { t.konfigtree.rows.resize(1); });
    ErrorRecorder errors;
    TForm1 form(errors);
    form.show();

    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    EXPECT_EQ(form.program().ADOTable1().currentRow(), 0);
    EXPECT_EQ(form.TreeView1->selectedAbsoluteIndex(), 0);
    const MemTable& history = form.program().history().MemNavig();
    ASSERT_EQ(history.recordCount(), 1);
    EXPECT_EQ(history.fieldAsInteger(History::IdRec),
              form.program().ADOTable1().fieldAsInteger(konfig::Id));
    EXPECT_EQ(history.fieldAsInteger(History::Num), 1);
}
