#include "diagram/diagramkorn.h"

#include "diagram/color.h"
#include "diagram/countedchildren.h"
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

    DrawCountedChildren(context, children, 40, 50, 66, bgr::ChildBand);
}

} // namespace kelvane
