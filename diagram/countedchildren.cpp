#include "diagram/countedchildren.h"

#include "diagram/diagramcontext.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/konfigrow.h"
#include "diagram/primitives.h"

namespace kelvane {

void DrawCountedChildren(DiagramContext& context, Query& children, int x, int y,
                         int secondColumnGap, std::uint32_t badgeBand) {
    DiagramState& s = context.state;
    constexpr int MaxRows = 9;
    s.CurX = x;
    s.CurY = y;
    int i = 1;
    for (children.first(); !children.eof(); children.next()) {
        const KonfigRow child = KonfigRow::current(children);
        s.BoxWidth = 250;
        if (i > MaxRows && i <= 2 * MaxRows) {
            s.CurX = s.BoxWidth + s.GapX + secondColumnGap;
            if (i == MaxRows + 1)
                s.CurY = y;
        }
        s.BoxText = child.name;
        context.draw.DrawChildBox(child.imageindex);
        context.draw.DrawCountBadge(child.col1, badgeBand);
        context.regions.AddHitRegion(s, child.id, s.BoxText, s.BoxWidth);
        s.CurY += s.BoxHeight + s.GapY;
        ++i;
    }
}

} // namespace kelvane
