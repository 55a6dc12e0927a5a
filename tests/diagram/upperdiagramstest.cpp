#include "diagram/color.h"
#include "diagram/diagramstate.h"
#include "diagram/surface.h"
#include "diagram/surfaceclicks.h"
#include "store/error.h"
#include "tests/diagram/diagramfixture.h"
#include "tests/diagram/pixels.h"
#include "tests/diagram/regionrows.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using namespace test;

struct Corner {
    int x;
    int y;
};

// Root with the common-objects node and 18 classes; Справочники holds 241 objects, the common
// node 19 classes. One class name is too wide for its box.
class UpperDiagramsTest : public ::testing::Test {
protected:
    static builder::Node configuration() {
        Surface measure;
        std::vector<builder::Node> classes{
            node(QStringLiteral("Общие"), numbered(QStringLiteral("Общий"), 19)),
            node(QStringLiteral("Справочники"), numbered(QStringLiteral("Элемент"), 241))};
        classes.push_back(node(textOfWidth(measure, 300)));
        for (auto& extra : numbered(QStringLiteral("Класс"), 16))
            classes.push_back(extra);
        return node(QStringLiteral("Конфигурация"), std::move(classes));
    }
    static void SetUpTestSuite() { fixture = new DiagramFixture(configuration()); }
    static void TearDownTestSuite() { delete fixture; }
    static DiagramFixture* fixture;

    HitRegions& regions() { return fixture->diagrams->hitRegions(); }
    const Surface& surface() { return fixture->diagrams->surface(); }
    void click(Qt::MouseButton button, int x, int y) {
        fixture->diagrams->clicks().Image1MouseUp(button, x, y);
    }
};
DiagramFixture* UpperDiagramsTest::fixture = nullptr;

TEST_F(UpperDiagramsTest, RootDiagramPlacesChildrenInTwoColumns) {
    fixture->show(QStringLiteral("Конфигурация"));
    const auto rows = rowsOf(regions());
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0].name, QStringLiteral("Конфигурация"));
    EXPECT_EQ(fixture->host.ed1, QStringLiteral("Конфигурация"));
    EXPECT_EQ(fixture->host.ed2, QStringLiteral("Конфигурация"));
    EXPECT_EQ(fixture->host.visits.back().nameful, QStringLiteral("Конфигурация"));
    const struct {
        int child;
        Corner at;
    } cases[] = {
        {1, {40, 50}}, {9, {40, 274}}, {10, {324, 50}}, {18, {324, 274}}, {19, {324, 302}}};
    for (const auto& c : cases) {
        const RegionRow& row = rows[static_cast<std::size_t>(c.child)];
        EXPECT_EQ(row.x1, c.at.x) << c.child;
        EXPECT_EQ(row.y1, c.at.y) << c.child;
        EXPECT_EQ(row.x2, c.at.x + 250) << c.child;
        EXPECT_EQ(row.y2, c.at.y + 20) << c.child;
    }
    EXPECT_TRUE(rows[3].name.endsWith(QStringLiteral("...")));
    EXPECT_EQ(bgrAt(surface(), 289, 60), bgr::Pen);
    EXPECT_EQ(bgrAt(surface(), 290 + 24, 60), bgr::Pen);
    EXPECT_EQ(bgrAt(surface(), 290 + 25, 60), bgr::Background);
}

TEST_F(UpperDiagramsTest, ClicksFollowTheRegionUnderTheLeftButton) {
    const struct {
        Qt::MouseButton button;
        int x;
        int y;
        const char* current; // after the click
        std::size_t newVisits;
    } cases[] = {
        {Qt::LeftButton, 39, 50, "Конфигурация", 0},  {Qt::LeftButton, 100, 71, "Конфигурация", 0},
        {Qt::LeftButton, 100, 77, "Конфигурация", 0}, {Qt::RightButton, 40, 50, "Конфигурация", 0},
        {Qt::LeftButton, 25, 25, "Конфигурация", 1},  {Qt::LeftButton, 40, 50, "Общие", 1}};
    for (const auto& c : cases) {
        fixture->show(QStringLiteral("Конфигурация"));
        const std::size_t before = fixture->host.visits.size();
        click(c.button, c.x, c.y);
        EXPECT_EQ(fixture->currentName(), QString::fromUtf8(c.current)) << c.x << "," << c.y;
        EXPECT_EQ(fixture->host.visits.size() - before, c.newVisits) << c.x << "," << c.y;
    }
}

TEST_F(UpperDiagramsTest, EmptyTableAndMarkedRegionsMoveNothing) {
    fixture->show(QStringLiteral("Конфигурация"));
    const int commonId = rowNamed(regions(), QStringLiteral("Общие"))->id;
    regions().ClearHitRegions();
    click(Qt::LeftButton, 40, 50);
    EXPECT_EQ(fixture->currentName(), QStringLiteral("Конфигурация"));
    regions().AddHitRegionAt(commonId, QStringLiteral("procedure"), 0, 0, 10, 10,
                             QStringLiteral("P"));
    click(Qt::LeftButton, 5, 5);
    EXPECT_EQ(fixture->currentName(), QStringLiteral("Конфигурация"));
    regions().ClearHitRegions();
    regions().AddHitRegionAt(commonId, QStringLiteral("record"), 100, 100, 110, 110, QString());
    regions().AddHitRegionAt(commonId, QStringLiteral("procedure"), 0, 0, 10, 10,
                             QStringLiteral("P"));
    click(Qt::LeftButton, 5, 5);
    EXPECT_EQ(fixture->currentName(), QStringLiteral("Общие"));
}

TEST_F(UpperDiagramsTest, CommonObjectsDiagram) {
    fixture->show(QStringLiteral("Общие"));
    const auto rows = rowsOf(regions());
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(fixture->host.ed1, QStringLiteral("Конфигурация -> Общие"));
    EXPECT_EQ(fixture->host.ed2, QStringLiteral("Общие"));
    const auto header = rowNamed(regions(), QStringLiteral("Общие"));
    EXPECT_EQ(header->x1, 40);
    EXPECT_EQ(header->y1, 50);
    EXPECT_EQ(header->x2, 290);
    const struct {
        const char* name;
        Corner at;
    } cases[] = {{"Общий1", {60, 80}},
                 {"Общий10", {344, 80}},
                 {"Общий18", {344, 304}},
                 {"Общий19", {344, 332}}};
    for (const auto& c : cases) {
        const auto row = rowNamed(regions(), QString::fromUtf8(c.name));
        ASSERT_TRUE(row) << c.name;
        EXPECT_EQ(row->x1, c.at.x) << c.name;
        EXPECT_EQ(row->y1, c.at.y) << c.name;
    }
    EXPECT_EQ(bgrAt(surface(), 320, 80 - 1), bgr::BandTop);
    EXPECT_EQ(bgrAt(surface(), 320, 80 + 16), bgr::CommonBadgeBand);
}

TEST_F(UpperDiagramsTest, ClassDiagramColumnsOfFifteenInNumOrder) {
    fixture->show(QStringLiteral("Справочники"));
    EXPECT_EQ(fixture->host.ed1, QStringLiteral("Конфигурация -> Справочники"));
    EXPECT_EQ(fixture->diagrams->state().ChildCount, 241);
    const struct {
        int object;
        Corner at;
    } cases[] = {{1, {60, 80}},     {15, {60, 472}},    {16, {318, 80}},
                 {166, {2898, 80}}, {240, {3930, 472}}, {241, {3930, 500}}};
    for (const auto& c : cases) {
        const auto row = rowNamed(regions(), QStringLiteral("Элемент%1").arg(c.object));
        ASSERT_TRUE(row) << c.object;
        EXPECT_EQ(row->x1, c.at.x) << c.object;
        EXPECT_EQ(row->y1, c.at.y) << c.object;
        EXPECT_EQ(row->x2, c.at.x + 250) << c.object;
    }
    const auto header = rowNamed(regions(), QStringLiteral("Справочники"));
    EXPECT_EQ(header->x1, 40);
    EXPECT_EQ(header->x2, 290);
}

TEST(RootDiagramFailureTest, ChildQueryFailureChangesNothing) {
    DiagramFixture small(node(QStringLiteral("Конфигурация"), {node(QStringLiteral("Общие"))}));
    small.show(QStringLiteral("Конфигурация"));
    const QImage before = small.diagrams->surface().image().copy(0, 0, 400, 100);
    small.database.close();
    EXPECT_THROW(small.diagrams->diagramKorn(), Error);
    EXPECT_EQ(rowsOf(small.diagrams->hitRegions()).size(), 2u);
    EXPECT_EQ(small.host.visits.size(), 1u);
    EXPECT_EQ(small.host.ed1, QStringLiteral("Конфигурация"));
    EXPECT_EQ(small.diagrams->surface().image().copy(0, 0, 400, 100), before);
}

} // namespace
} // namespace kelvane
