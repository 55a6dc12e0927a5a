#include "diagram/surfaceclicks.h"

#include "diagram/hitregions.h"
#include "store/konfigtable.h"

namespace kelvane {

SurfaceClicks::SurfaceClicks(HitRegions& regions, KonfigTable& adoTable1)
    : regions_(regions)
    , adoTable1_(adoTable1) {}

// A region with the marker P stands for no konfigtree record; only the first row with the found
// id decides. The locate redraws the diagram, which refills the regions.
void SurfaceClicks::Image1MouseUp(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton || regions_.MemKordinat().recordCount() == 0)
        return;
    const auto found = regions_.FindHitRegion(x, y);
    if (!found)
        return;
    if (!regions_.markerOf(found->id).isEmpty())
        return;
    adoTable1_.locateInteger(QStringLiteral("id"), found->id);
}

void SurfaceClicks::Image1MouseMove(int x, int y) {
    label1_ = QString::number(x);
    label2_ = QString::number(y);
}

} // namespace kelvane
