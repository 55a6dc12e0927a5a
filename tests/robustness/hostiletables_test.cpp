// Jet files whose tables are missing, malformed or out of step with the stored tree: the start
// shows the message of the first failing step and leaves the state that step had reached.
#include "diagram/surface.h"
#include "store/konfigcolumns.h"
#include "tests/robustness/hostilefixtures.h"
#include "tests/robustness/startedprogram.h"
#include "tests/treetext/qtprinters.h"
#include "tools/builder/brokenvariants.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;
namespace broken = kelvane::builder::broken;

namespace {

// Positions of the fixture's konfigtree rows (the tiny tables, in pre-order).
constexpr std::size_t Roli = 2;
constexpr std::size_t Tovary = 4;

std::vector<jet::Value>& konfigRow(std::vector<jet::TableSpec>& tables, std::size_t row) {
    return tableNamed(tables, QStringLiteral("konfigtree")).rows.at(row);
}

struct Outcome {
    std::vector<const char*> messages; // every message shown, in order
    int treeSyncEnabled;
    int historyCount;
    bool sectionsOpen; // LoadRazdel was reached
};

struct HostileTables {
    const char* name;
    Edit edit;
    Outcome outcome;
};

class HostileTablesTest : public ::testing::TestWithParam<HostileTables> {};

TEST_P(HostileTablesTest, StartShowsTheMessagesAndStopsWhereTheyArise) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    writeJet(path, GetParam().edit);
    StartedProgram started(path);

    QStringList expected;
    for (const char* message : GetParam().outcome.messages)
        expected << QString::fromUtf8(message);
    EXPECT_EQ(started.errors.messages, expected);
    EXPECT_EQ(started.program.state().TreeSyncEnabled, GetParam().outcome.treeSyncEnabled);
    EXPECT_EQ(started.historyCount(), GetParam().outcome.historyCount);
    EXPECT_EQ(started.program.sections().MemRazdel().isOpen(), GetParam().outcome.sectionsOpen);
    EXPECT_EQ(started.view.pagesHidden(), GetParam().outcome.historyCount > 0);
}

const Outcome StartsWell{{}, 1, 1, true};
const char* const StructuraNotOpen = "tbstructura: операция невозможна, набор данных не открыт";

INSTANTIATE_TEST_SUITE_P(
    Tables, HostileTablesTest,
    ::testing::Values(
        HostileTables{"Consistent", {}, StartsWell},
        HostileTables{"WithoutKonfigtree",
                      [](auto& tables) { broken::dropTable(tables, QStringLiteral("konfigtree")); },
                      {{"Таблица konfigtree не найдена в базе данных",
                        "Таблица konfigtree не найдена в базе данных"},
                       1,
                       0,
                       true}},
        HostileTables{
            "WithoutStructura",
            [](auto& tables) { broken::dropTable(tables, QStringLiteral("structura")); },
            {{"Таблица structura не найдена в базе данных", StructuraNotOpen}, 0, 0, false}},
        HostileTables{"WithoutProsedur",
                      [](auto& tables) { broken::dropTable(tables, QStringLiteral("prosedur")); },
                      StartsWell},
        HostileTables{"KonfigtreeWithoutName",
                      [](auto& tables) {
                          broken::dropColumn(tables, QStringLiteral("konfigtree"),
                                             QStringLiteral("name"));
                      },
                      {{"В таблице konfigtree нет столбца name (номер 3)",
                        "В таблице konfigtree нет столбца name (номер 3)"},
                       1,
                       0,
                       true}},
        HostileTables{"NumAsText",
                      [](auto& tables) {
                          broken::retypeColumn(tables, QStringLiteral("konfigtree"),
                                               QStringLiteral("num"), jet::ColumnType::Text);
                      },
                      {{"Столбец konfigtree.num (номер 1) должен быть целочисленным",
                        "Столбец konfigtree.num (номер 1) должен быть целочисленным"},
                       1,
                       0,
                       true}},
        HostileTables{"NameAsInteger",
                      [](auto& tables) {
                          broken::retypeColumn(tables, QStringLiteral("konfigtree"),
                                               QStringLiteral("name"), jet::ColumnType::Long);
                      },
                      {{"Столбец konfigtree.name (номер 3) должен быть текстовым",
                        "Столбец konfigtree.name (номер 3) должен быть текстовым"},
                       1,
                       0,
                       true}},
        HostileTables{
            "StructuraTextAsInteger",
            [](auto& tables) {
                broken::retypeColumn(tables, QStringLiteral("structura"), QStringLiteral("tekst"),
                                     jet::ColumnType::Long);
            },
            {{"Столбец structura.tekst (номер 1) должен быть текстовым", StructuraNotOpen},
             0,
             0,
             false}},
        HostileTables{"ProsedurIdParentAsText",
                      [](auto& tables) {
                          broken::retypeColumn(tables, QStringLiteral("prosedur"),
                                               QStringLiteral("id_parent"), jet::ColumnType::Text);
                      },
                      StartsWell},
        HostileTables{"NullInEveryColumnOfTheSecondRow",
                      [](auto& tables) {
                          auto& row = konfigRow(tables, 1);
                          std::fill(row.begin() + 1, row.end(), jet::Value{});
                      },
                      StartsWell},
        HostileTables{"NullStoredTree",
                      [](auto& tables) {
                          tableNamed(tables, QStringLiteral("structura")).rows.at(0).at(1) =
                              jet::Value{};
                      },
                      {{"OBJECT expected on line 1"}, 0, 0, false}},
        HostileTables{"FirstRowIsNotTheRoot",
                      [](auto& tables) {
                          auto& rows = tableNamed(tables, QStringLiteral("konfigtree")).rows;
                          std::swap(rows.at(0), rows.at(Tovary));
                      },
                      StartsWell},
        HostileTables{
            "TwoRowsWithTheSameNum",
            [](auto& tables) { konfigRow(tables, Roli).at(konfig::Num) = std::int64_t{1}; },
            StartsWell}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

builder::Node treeNode(const QString& name, std::vector<builder::Node> children = {}) {
    builder::Node made;
    made.name = name;
    made.children = std::move(children);
    return made;
}

// A started program over the tiny tables after `edit`.
struct StartedOn {
    explicit StartedOn(const Edit& edit) {
        writeJet(path(), edit);
        program = std::make_unique<StartedProgram>(path());
    }
    QString path() const { return dir.filePath(QStringLiteral("Baza.mdb")); }
    StartedProgram& operator*() { return *program; }
    StartedProgram* operator->() { return program.get(); }

    QTemporaryDir dir;
    std::unique_ptr<StartedProgram> program;
};

TEST(TreeAndTable, FewerTreeNodesThanRowsFailsWithInvalidIndexAndKeepsTheView) {
    StartedOn started([](auto& tables) {
        broken::replaceStoredTree(tables, treeNode(QStringLiteral("Конф"),
                                                   {treeNode(QStringLiteral("Общие"),
                                                             {treeNode(QStringLiteral("Роли"))})}));
    });
    ASSERT_TRUE(started->errors.messages.isEmpty());
    const QString caption = started->view.tab1Caption();
    const QString ed2 = started->view.ed2();

    started->program.run(
        [&] { started->program.ADOTable1().locateInteger(QStringLiteral("num"), 5); });

    EXPECT_EQ(started->lastMessage(), QStringLiteral("Invalid index"));
    EXPECT_EQ(started->program.ADOTable1().fieldAsInteger(konfig::Num), 5);
    EXPECT_EQ(started->view.selected(), 1);
    EXPECT_EQ(started->view.tab1Caption(), caption);
    EXPECT_EQ(started->view.ed2(), ed2);
    EXPECT_EQ(started->historyCount(), 1);
}

TEST(TreeAndTable, MoreTreeNodesThanRowsMakesAClickBeyondTheRowsSilent) {
    StartedOn started([](auto& tables) {
        std::vector<builder::Node> many;
        for (int i = 0; i < 20; ++i)
            many.push_back(treeNode(QStringLiteral("Узел %1").arg(i)));
        broken::replaceStoredTree(tables, treeNode(QStringLiteral("Конф"), std::move(many)));
    });
    ASSERT_TRUE(started->errors.messages.isEmpty());

    started->program.run([&] { started->program.navigator().TreeView1Click(15); });

    EXPECT_TRUE(started->errors.messages.isEmpty());
    EXPECT_EQ(started->program.ADOTable1().fieldAsInteger(konfig::Num), 1);
    EXPECT_EQ(started->historyCount(), 1);
}

TEST(TreeAndTable, AClickOnASharedNumLandsOnTheFirstRowInTableOrder) {
    StartedOn started(
        [](auto& tables) { konfigRow(tables, Roli).at(konfig::Num) = std::int64_t{1}; });

    started->program.run([&] { started->program.navigator().TreeView1Click(1); });

    EXPECT_TRUE(started->errors.messages.isEmpty());
    EXPECT_EQ(started->program.ADOTable1().fieldAsInteger(konfig::Id), 2);
    EXPECT_EQ(started->historyCount(), 2);
}

TEST(HostileValues, LongNameOutsideTheCodePageIsShownAndDrawn) {
    const QString name(255, QChar(0x4E2D));
    StartedOn started([&](auto& tables) { konfigRow(tables, Tovary).at(konfig::Name) = name; });

    started->program.run([&] { started->program.navigator().TreeView1Click(4); });

    EXPECT_TRUE(started->errors.messages.isEmpty()) << started->lastMessage().toStdString();
    EXPECT_EQ(started->program.ADOTable1().fieldAsInteger(konfig::Num), 4);
    EXPECT_EQ(started->view.selected(), 4);
    EXPECT_EQ(started->view.tab1Caption().size(), 255);
    EXPECT_EQ(started->historyCount(), 2);
}

TEST(HostileValues, ProceduresOfNoObjectLeaveTheModuleListEmpty) {
    StartedOn started([](auto& tables) {
        for (auto& row : tableNamed(tables, QStringLiteral("prosedur")).rows)
            row.at(1) = std::int64_t{99999};
    });
    StartedOn reference({});

    for (StartedOn* run : {&started, &reference})
        (*run)->program.run([&] { (*run)->program.navigator().TreeView1Click(4); });

    EXPECT_TRUE(started->errors.messages.isEmpty());
    EXPECT_NE(started->diagrams.surface().image(), reference->diagrams.surface().image());
    EXPECT_EQ(started->historyCount(), 2);
}

} // namespace
