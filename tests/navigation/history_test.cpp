#include "tests/navigation/harness.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

// Draws the rows with these nums through tree clicks.
void visit(Harness& h, std::initializer_list<int> nums) {
    for (int num : nums)
        h.run([&] { h.program.navigator().TreeView1Click(num); });
}

} // namespace

TEST(History, StartsWithOneSelectedEntryNumberedOne) {
    Harness h(smallConfiguration());
    EXPECT_EQ(h.program.history().buttonStates(), NavButtonStates{});
    h.start();
    EXPECT_EQ(h.historyColumn(History::Num), std::vector<qlonglong>{1});
    EXPECT_EQ(h.historyColumn(History::IdRec), std::vector<qlonglong>{2});
    EXPECT_EQ(h.program.history().MemNavig().recNo(), 1);
    EXPECT_EQ(h.program.history().buttonStates(), (NavButtonStates{true, false, false, true}));
    EXPECT_EQ(h.program.history().MemNavig().fieldAsText(History::NameLite),
              QStringLiteral("Общие"));
}

TEST(History, ScenariosKeepTheNumbering) {
    struct Case {
        const char* what;
        std::function<void(Harness&)> steps;
        std::vector<qlonglong> nums;
        std::vector<qlonglong> idrecs;
        int recNo;
    };
    const Case cases[] = {
        {"delete 2 then draw",
         [](Harness& h) {
             visit(h, {2, 3});
             h.program.history().MemNavig().setRecNo(2);
             h.program.history().ButNav2Click();
             visit(h, {5});
         },
         {1, 3, 4},
         {2, 4, 6},
         3},
        {"show entry 1 again",
         [](Harness& h) {
             visit(h, {2, 3});
             h.program.history().ButNav3Click();
             h.program.history().ButNav3Click();
             h.program.history().ButNav3Click(); // stays on the first
             h.program.history().ButNav5Click();
         },
         {1, 2, 3, 4},
         {2, 3, 4, 2},
         4},
        {"clear five then draw",
         [](Harness& h) {
             visit(h, {2, 3, 4, 5});
             h.program.history().ButNav1Click();
             visit(h, {0});
         },
         {1},
         {1},
         1},
        {"delete one by one keeps the counter",
         [](Harness& h) {
             visit(h, {2});
             h.program.history().ButNav2Click();
             h.program.history().ButNav2Click();
             h.program.history().ButNav1Click(); // empty: nothing happens
             h.program.history().ButNav2Click();
             visit(h, {3});
         },
         {3},
         {4},
         1},
        {"last entry deleted: the new last is current",
         [](Harness& h) {
             visit(h, {2, 3});
             h.program.history().ButNav2Click();
         },
         {1, 2},
         {2, 3},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Harness h(smallConfiguration());
        h.start();
        h.run([&] { c.steps(h); });
        EXPECT_TRUE(h.errors.messages.isEmpty());
        EXPECT_EQ(h.historyColumn(History::Num), c.nums);
        EXPECT_EQ(h.historyColumn(History::IdRec), c.idrecs);
        EXPECT_EQ(h.program.history().MemNavig().recNo(), c.recNo);
    }
}

TEST(History, ButtonStatesFollowTheSelectedEntry) {
    Harness h(smallConfiguration());
    h.start();
    History& history = h.program.history();
    std::vector<NavButtonStates> reported;
    history.setOnButtonStates([&](const NavButtonStates& s) { reported.push_back(s); });
    visit(h, {2, 3});
    EXPECT_EQ(history.buttonStates(), (NavButtonStates{true, true, false, true}));
    history.ButNav3Click();
    EXPECT_EQ(history.buttonStates(), (NavButtonStates{true, true, true, true}));
    history.ButNav3Click();
    EXPECT_EQ(history.buttonStates(), (NavButtonStates{true, false, true, true}));
    history.ButNav1Click();
    EXPECT_EQ(history.buttonStates(), NavButtonStates{});
    EXPECT_EQ(reported.back(), NavButtonStates{});
    for (auto button : {&History::ButNav2Click, &History::ButNav3Click, &History::ButNav4Click,
                        &History::ButNav5Click})
        (history.*button)(); // nothing on an empty list
    EXPECT_EQ(history.MemNavig().recordCount(), 0);
    EXPECT_EQ(h.currentId(), 4);
}

TEST(History, AnEntryWithoutItsRowShowsNothing) {
    Harness h(smallConfiguration());
    h.start();
    h.program.history().RecordVisit(99, QStringLiteral("нет"), QString());
    h.run([&] { h.program.history().ButNav5Click(); });
    EXPECT_EQ(h.historyColumn(History::IdRec), (std::vector<qlonglong>{2, 99}));
    EXPECT_EQ(h.currentId(), 2);
}

TEST(History, RecordsNothingWhileClosedAndCutsLongTexts) {
    ProgramState state;
    KonfigTable table;
    History history(state, table);
    history.RecordVisit(1, QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(state.VisitCounter, 1);

    history.MemNavig().open();
    const QString path = QString(300, u'ж');
    history.RecordVisit(1, QStringLiteral("a"), path);
    EXPECT_EQ(state.VisitCounter, 2);
    EXPECT_EQ(history.MemNavig().fieldAsText(History::NameFul), path.left(255));
}
