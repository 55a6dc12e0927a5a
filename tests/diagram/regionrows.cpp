#include "tests/diagram/regionrows.h"

namespace kelvane::test {

std::vector<RegionRow> rowsOf(const HitRegions& regions) {
    std::vector<RegionRow> rows;
    const MemTable& table = regions.MemKordinat();
    for (int row = 0; row < table.recordCount(); ++row) {
        const auto at = [&](int column) { return table.value(row, column).toInt(); };
        rows.push_back({at(HitRegions::Id), table.value(row, HitRegions::Name).toString(),
                        at(HitRegions::X1), at(HitRegions::Y1), at(HitRegions::X2),
                        at(HitRegions::Y2), table.value(row, HitRegions::P).toString()});
    }
    return rows;
}

std::optional<RegionRow> rowNamed(const HitRegions& regions, const QString& name) {
    for (const RegionRow& row : rowsOf(regions))
        if (row.name == name)
            return row;
    return std::nullopt;
}

} // namespace kelvane::test
