#include "diagram/diagramobshie.h"

#include "diagram/color.h"
#include "diagram/countedchildren.h"
#include "diagram/diagramcontext.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/konfigrow.h"
#include "diagram/pathheaders.h"
#include "diagram/primitives.h"
#include "store/konfigtable.h"

namespace kelvane {

void DiagramObshie(DiagramContext& context) {
    DiagramState& s = context.state;
    const KonfigRow current = KonfigRow::current(context.adoTable1);
    Query& children = context.ADOQuery2;
    children.reopen(QStringLiteral("SELECT * FROM konfigtree WHERE (konfigtree.id_parent=") +
                    QString::number(current.num) + QStringLiteral(");"));
    s.ChildCount = children.recordCount();
    context.draw.BeginDiagram();
    context.regions.ClearHitRegions();

    context.ADOQuery5.reopenWithParam(current.idParent);
    DrawPathHeaders(context, current, KonfigRow::firstOrEmpty(context.ADOQuery5));
    DrawCountedChildren(context, children, 60, 80, 86, bgr::CommonBadgeBand);
}

} // namespace kelvane
