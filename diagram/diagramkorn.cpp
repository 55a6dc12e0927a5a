#include "diagram/diagramkorn.h"

#include "diagram/color.h"
#include "diagram/diagramcontext.h"
#include "diagram/diagramhost.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/konfigrow.h"
#include "diagram/primitives.h"
#include "store/konfigtable.h"

namespace kelvane {

void DiagramKorn(DiagramContext& context) {
    DiagramState& s = context.state;
    const KonfigRow current = KonfigRow::current(context.adoTable1);
    Query& children = context.ADOQuery2;
    children.reopen(QStringLiteral("SELECT * FROM konfigtree WHERE (konfigtree.id_parent=") +
                    QString::number(current.num) + QStringLiteral(") and (konfigtree.num<>0);"));
    s.ChildCount = children.recordCount();
    context.host.setEd1(QString());
    context.host.setEd2(QString());
    context.draw.BeginDiagram();
    context.regions.ClearHitRegions();

    s.BoxText = current.name;
    context.draw.HeaderWidthRule(s.BoxText);
    context.draw.DrawHeaderBox(bgr::Background, 4, s.BoxText, current.imageindex, s.Image5,
                               bgr::HeaderBand);
    context.host.setEd1(s.BoxText);
    context.host.setEd2(s.BoxText);
    context.host.recordVisit(current.id, s.BoxText, s.BoxText);
    context.regions.AddHitRegion(s, current.id, s.BoxText, s.CaptionWidth);

    constexpr int MaxRows = 9;
    s.CurX = 40;
    s.CurY = 50;
    int i = 1;
    for (children.first(); !children.eof(); children.next()) {
        const KonfigRow child = KonfigRow::current(children);
        if (i > MaxRows && i <= 2 * MaxRows) {
            s.CurX = s.BoxWidth + s.GapX + 66;
            if (i == MaxRows + 1)
                s.CurY = 50;
        }
        s.BoxText = child.name;
        context.draw.DrawChildBox(child.imageindex);
        context.draw.DrawCountBadge(child.col1, bgr::ChildBand);
        context.regions.AddHitRegion(s, child.id, s.BoxText, s.BoxWidth);
        s.CurY += s.BoxHeight + s.GapY;
        ++i;
    }
}

} // namespace kelvane
