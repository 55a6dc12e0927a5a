#include "diagram/diagramobject.h"

#include "diagram/color.h"
#include "diagram/diagramcontext.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/konfigrow.h"
#include "diagram/pathheaders.h"
#include "diagram/primitives.h"
#include "store/konfigtable.h"

namespace kelvane {

void DiagramObject(DiagramContext& context) {
    DiagramState& s = context.state;
    const KonfigRow current = KonfigRow::current(context.adoTable1);
    Query& children = context.ADOQuery2;
    children.reopen(QStringLiteral("SELECT * FROM konfigtree WHERE (konfigtree.id_parent=") +
                    QString::number(current.num) + QStringLiteral(") Order by num;"));
    s.ChildCount = children.recordCount();
    context.draw.BeginDiagram();
    context.regions.ClearHitRegions();

    // A class always has its parent row; without one the header stays empty with id 0.
    context.ADOQuery5.reopenWithParam(current.idParent);
    DrawPathHeaders(context, current, KonfigRow::firstOrEmpty(context.ADOQuery5));

    constexpr int RowsPerColumn = 15;
    s.CurX = 60;
    s.CurY = 80;
    int ChildNo = 1;
    for (children.first(); !children.eof(); children.next()) {
        const KonfigRow child = KonfigRow::current(children);
        s.BoxWidth = 250;
        const int c = (ChildNo - 1) / RowsPerColumn;
        if (c >= 1 && c <= 15) {
            s.CurX = 60 + c * (s.BoxWidth + s.GapX);
            if (ChildNo == RowsPerColumn * c + 1)
                s.CurY = 80;
        }
        s.BoxText = child.name;
        context.draw.DrawChildBox(child.imageindex);
        context.regions.AddHitRegion(s, child.id, s.BoxText, s.BoxWidth);
        s.CurY += s.BoxHeight + s.GapY;
        ++ChildNo;
    }
}

} // namespace kelvane
