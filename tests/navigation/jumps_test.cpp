#include "navigation/popmenentries.h"
#include "navigation/toolbarbuttons.h"
#include "tests/navigation/harness.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

const QString latinPlans = QStringLiteral("Планы cчетов");
const QString cyrillicPlans = QStringLiteral("Планы счетов");

// Root, Общие, a root class and a common class sharing the name "Роли", a lower-case
// "справочники", the chart of accounts spelt with the Cyrillic letter, and the fixed-name classes.
std::vector<KonfigRow> jumpConfiguration() {
    return {
        {0, 0, QStringLiteral("Конфигурация")}, {1, 0, QStringLiteral("Общие")},
        {2, 0, QStringLiteral("Роли")},         {3, 1, QStringLiteral("Роли")},
        {4, 0, QStringLiteral("справочники")},  {5, 0, cyrillicPlans},
        {6, 1, QStringLiteral("Пакеты XDTO")},  {7, 1, QStringLiteral("Web-сервисы")},
        {8, 1, QStringLiteral("WS-ссылки")},    {9, 0, QStringLiteral("Документы")},
        {10, 9, QStringLiteral("Документы")},
    };
}

} // namespace

TEST(SectionIndex, HoldsRootClassesThenCommonClassesAndTheLastNameWins) {
    Harness h(jumpConfiguration());
    h.start();
    const SectionIndex& sections = h.program.sections();
    const MemTable& razdel = sections.MemRazdel();
    std::vector<qlonglong> nums;
    for (int row = 0; row < razdel.recordCount(); ++row)
        nums.push_back(razdel.value(row, SectionIndex::Num).toLongLong());
    EXPECT_EQ(nums, (std::vector<qlonglong>{1, 2, 4, 5, 9, 3, 6, 7, 8}));

    const std::pair<QString, int> lookups[] = {
        {QStringLiteral("Роли"), 3},         {QStringLiteral("Общие"), 1},
        {QStringLiteral("Справочники"), -1}, {QStringLiteral("Конфигурация"), -1},
        {QStringLiteral("Документы"), 9},    {QString(), -1},
    };
    for (const auto& [name, num] : lookups)
        EXPECT_EQ(sections.NumRazdel(name), num) << name.toStdString();
}

TEST(Jumps, ToolbarComparesExactlyAndMenuIgnoresCase) {
    struct Case {
        std::function<void(Jumps&)> jump;
        std::int64_t id; // 0: not found, the row stays
        const char* what;
    };
    const Case cases[] = {
        {[](Jumps& j) { j.dxBarButton2Click(QStringLiteral("Роли")); }, 4, "toolbar duplicate"},
        {[](Jumps& j) { j.MenuItem2Click(QStringLiteral("Роли")); }, 3, "menu first in table"},
        {[](Jumps& j) { j.dxBarButton2Click(QStringLiteral("Справочники")); }, 0, "toolbar case"},
        {[](Jumps& j) { j.MenuItem2Click(QStringLiteral("Справочники")); }, 5, "menu case"},
        {[](Jumps& j) { j.MenuItem2Click(QStringLiteral("Справ")); }, 0, "menu no prefix"},
        {[](Jumps& j) { j.dxBarButton2Click(latinPlans); }, 0, "toolbar Latin c"},
        {[](Jumps& j) { j.N10Click(); }, 0, "menu Latin c"},
        {[](Jumps& j) { j.dxBarButton2Click(cyrillicPlans); }, 6, "toolbar Cyrillic"},
        {[](Jumps& j) { j.XDTO1Click(); }, 7, "XDTO"},
        {[](Jumps& j) { j.Web1Click(); }, 8, "Web"},
        {[](Jumps& j) { j.WS1Click(); }, 9, "WS"},
        {[](Jumps& j) { j.dxBarButton2Click(QStringLiteral("Общие")); }, 2, "Общие"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Harness h(jumpConfiguration());
        h.start(); // row 2 is current, history entry 1
        const int focus = h.view.focusCount;
        h.run([&] { c.jump(h.program.jumps()); });
        EXPECT_TRUE(h.errors.messages.isEmpty());
        EXPECT_EQ(h.currentId(), c.id ? c.id : 2);
        EXPECT_EQ(h.historyColumn(1).size(), c.id ? 2u : 1u);
        const bool toolbar = QString::fromUtf8(c.what).startsWith(QStringLiteral("toolbar")) ||
                             QString::fromUtf8(c.what) == QStringLiteral("Общие");
        if (toolbar) {
            EXPECT_GT(h.view.focusCount, focus); // the tree gets the focus, found or not
        }
    }
}

TEST(Jumps, ConfigurationRedrawsTheRootEvenWhenCurrent) {
    Harness h(smallConfiguration());
    h.start();
    h.run([&] { h.program.jumps().dxBarButton1Click(); });
    h.run([&] { h.program.jumps().dxBarButton1Click(); });
    EXPECT_EQ(h.historyColumn(1), (std::vector<qlonglong>{2, 1, 1}));
    EXPECT_EQ(h.diagrams.drawn.mid(2), (QStringList{"DiagramKorn", "DiagramKorn"}));
    h.run([&] { h.program.jumps().dxBarButton2Click(QStringLiteral("Справочники")); });
    h.run([&] { h.program.jumps().MenuItem2Click(QStringLiteral("Справочники")); });
    EXPECT_EQ(h.historyColumn(1), (std::vector<qlonglong>{2, 1, 1, 6, 6}));
}

TEST(Jumps, TheMenuEntriesReachTheirClassesByCaption) {
    Harness h(smallConfiguration());
    h.start();
    for (const PopMenEntry& entry : popMenEntries()) {
        if (entry.caption != latinPlans && entry.caption != QStringLiteral("Роли"))
            continue;
        h.run([&] { h.program.jumps().choose(entry); });
        EXPECT_EQ(h.program.ADOTable1().fieldAsText(konfig::Name), entry.caption);
    }
}

TEST(JumpTables, ButtonsAndMenuEntriesAreWiredAsTheBarsShowThem) {
    const auto& buttons = toolbarButtons();
    ASSERT_EQ(buttons.size(), 35u);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].icon, static_cast<int>(i));
        EXPECT_EQ(buttons[i].bar, i < 19 ? 0 : 1);
        EXPECT_EQ(buttons[i].handler, i == 0 ? ToolbarButton::Handler::dxBarButton1Click
                                             : ToolbarButton::Handler::dxBarButton2Click);
    }
    EXPECT_EQ(buttons[14].component, QStringLiteral("dxBarButton16"));
    EXPECT_EQ(buttons[27].caption, latinPlans);
    EXPECT_EQ(buttons[27].caption.at(6), QChar(u'c'));

    const auto& entries = popMenEntries();
    ASSERT_EQ(entries.size(), 33u);
    const std::pair<PopMenEntry::Handler, QString> fixed[] = {
        {PopMenEntry::Handler::N10Click, latinPlans},
        {PopMenEntry::Handler::XDTO1Click, QStringLiteral("Пакеты XDTO")},
        {PopMenEntry::Handler::Web1Click, QStringLiteral("Web-сервисы")},
        {PopMenEntry::Handler::WS1Click, QStringLiteral("WS-ссылки")},
    };
    for (const auto& [handler, caption] : fixed) {
        const auto it = std::find_if(
            entries.begin(), entries.end(),
            [&, wanted = handler](const PopMenEntry& e) { return e.handler == wanted; });
        ASSERT_NE(it, entries.end());
        EXPECT_EQ(it->caption, caption);
    }
    EXPECT_TRUE(entries[16].inSubmenu);
    EXPECT_FALSE(entries[17].inSubmenu);
    EXPECT_EQ(entries[17].caption, QStringLiteral("Константы"));
    EXPECT_EQ(popMenSubmenu().caption, QStringLiteral("Общие"));
}
