#pragma once

#include "diagram/hitregions.h"

#include <QString>
#include <optional>
#include <vector>

namespace kelvane::test {

struct RegionRow {
    int id;
    QString name;
    int x1, y1, x2, y2;
    QString p;
};

std::vector<RegionRow> rowsOf(const HitRegions& regions);
// The first row with that name.
std::optional<RegionRow> rowNamed(const HitRegions& regions, const QString& name);

} // namespace kelvane::test
