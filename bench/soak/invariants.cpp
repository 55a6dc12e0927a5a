#include "bench/soak/invariants.h"

#include "diagram/diagrams.h"
#include "diagram/hitregions.h"
#include "diagram/surface.h"
#include "navigation/history.h"
#include "navigation/loadedtreeview.h"
#include "navigation/program.h"
#include "store/konfigcolumns.h"

namespace kelvane::soak {

namespace {

// The outline of every box, as the surface stores it.
constexpr QRgb Outline = 0xFF0000FF;

} // namespace

void Invariants::check(Program& program, const LoadedTreeView& view, Diagrams& diagrams,
                       QStringList& problems) {
    checkSelection(program, view, problems);
    checkRegions(diagrams, problems);
    checkHistory(program, problems);
}

void Invariants::checkSelection(Program& program, const LoadedTreeView& view,
                                QStringList& problems) {
    const std::int64_t num = program.ADOTable1().fieldAsInteger(konfig::Num);
    if (num != program.state().CurrentNum)
        problems << QStringLiteral("CurrentNum %1 is not the current row's num %2")
                        .arg(program.state().CurrentNum)
                        .arg(num);
    if (view.selected() != num)
        problems << QStringLiteral("selected node %1 is not the current num %2")
                        .arg(view.selected().value_or(-1))
                        .arg(num);
}

void Invariants::checkRegions(Diagrams& diagrams, QStringList& problems) {
    const MemTable& regions = diagrams.hitRegions().MemKordinat();
    const QImage& image = diagrams.surface().image();
    if (image.width() != Surface::Size || image.height() != Surface::Size)
        problems << QStringLiteral("the surface is no longer %1 pixels square").arg(Surface::Size);
    for (int row = 0; row < regions.recordCount(); ++row) {
        const auto at = [&](int column) { return regions.value(row, column).toLongLong(); };
        const qlonglong x1 = at(HitRegions::X1), y1 = at(HitRegions::Y1);
        const qlonglong x2 = at(HitRegions::X2), y2 = at(HitRegions::Y2);
        const bool marked = !regions.value(row, HitRegions::P).toString().isEmpty();
        if (!marked && rowIds.count(at(HitRegions::Id)) == 0)
            problems << QStringLiteral("region %1 names no konfigtree row").arg(at(HitRegions::Id));
        if (x1 < 0 || y1 < 0 || x1 > x2 || y1 > y2) {
            problems << QStringLiteral("region %1 (%2, %3)-(%4, %5) is no box on the surface")
                            .arg(at(HitRegions::Id))
                            .arg(x1)
                            .arg(y1)
                            .arg(x2)
                            .arg(y2);
            continue;
        }
        if (x2 >= Surface::Size || y2 >= Surface::Size) {
            ++offSurfaceRegions;
            continue;
        }
        // A box is drawn 2 pixels up and left of its region over its shadow: the middle of the
        // front box's top edge is outline, clear of the round corners.
        if (y1 < 2 ||
            image.pixel(static_cast<int>((x1 + x2) / 2), static_cast<int>(y1 - 2)) != Outline)
            problems << QStringLiteral("region %1 at (%2, %3) has no box outline drawn")
                            .arg(at(HitRegions::Id))
                            .arg(x1)
                            .arg(y1);
    }
}

void Invariants::checkHistory(Program& program, QStringList& problems) {
    const MemTable& history = program.history().MemNavig();
    qlonglong lastId = 0;
    qlonglong lastNum = 0;
    for (int row = 0; row < history.recordCount(); ++row) {
        const qlonglong id = history.value(row, History::Id).toLongLong();
        const qlonglong num = history.value(row, History::Num).toLongLong();
        if (id <= lastId || num <= lastNum || (historyUnbroken && num != lastNum + 1))
            problems
                << QStringLiteral("history entry %1 (id %2) breaks the numbering").arg(num).arg(id);
        lastId = id;
        lastNum = num;
    }
    if (lastNum >= program.state().VisitCounter)
        problems << QStringLiteral("history number %1 is not below the next number %2")
                        .arg(lastNum)
                        .arg(program.state().VisitCounter);
}

} // namespace kelvane::soak
