#include "diagram/hitregions.h"

#include "diagram/diagramstate.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(HitRegionsTest, EdgesAreInclusiveAndTheGreatestIdWins) {
    HitRegions regions;
    DiagramState state;
    state.CurX = 40;
    state.CurY = 50;
    state.BoxHeight = 20;
    regions.AddHitRegion(state, 7, QStringLiteral("seven"), 250);
    regions.AddHitRegionAt(3, QStringLiteral("three"), 30, 40, 100, 100, QString());
    regions.AddHitRegionAt(9, QStringLiteral("nine"), 280, 60, 300, 80, QStringLiteral("P"));
    const struct {
        int x;
        int y;
        int id; // 0: no region
    } cases[] = {{40, 50, 7},  {290, 70, 9}, {290, 50, 7},  {39, 50, 3},  {29, 50, 0},
                 {291, 71, 9}, {301, 60, 0}, {100, 100, 3}, {101, 100, 0}};
    for (const auto& c : cases) {
        const auto found = regions.FindHitRegion(c.x, c.y);
        EXPECT_EQ(found ? found->id : 0, c.id) << c.x << "," << c.y;
    }
    EXPECT_EQ(regions.FindHitRegion(40, 50)->name, QStringLiteral("seven"));
}

TEST(HitRegionsTest, RowsStayInIdOrderAndTheFirstRowOfAnIdGivesTheMarker) {
    HitRegions regions;
    regions.AddHitRegionAt(5, QStringLiteral("procedure"), 0, 0, 10, 10, QStringLiteral("P"));
    regions.AddHitRegionAt(2, QStringLiteral("two"), 0, 0, 10, 10, QString());
    regions.AddHitRegionAt(5, QStringLiteral("record"), 20, 20, 30, 30, QString());
    const MemTable& table = regions.MemKordinat();
    ASSERT_EQ(table.recordCount(), 3);
    EXPECT_EQ(table.value(0, HitRegions::Id).toInt(), 2);
    EXPECT_EQ(table.value(1, HitRegions::Name).toString(), QStringLiteral("procedure"));
    EXPECT_EQ(regions.markerOf(5), QStringLiteral("P"));
    EXPECT_EQ(regions.markerOf(2), QString());
    regions.ClearHitRegions();
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_FALSE(regions.FindHitRegion(5, 5));
}

TEST(HitRegionsTest, NamesAreCutTo255Characters) {
    HitRegions regions;
    regions.AddHitRegionAt(1, QString(300, QLatin1Char('x')), 0, 0, 1, 1, QString());
    EXPECT_EQ(regions.MemKordinat().value(0, HitRegions::Name).toString().size(), 255);
}

} // namespace
} // namespace kelvane
