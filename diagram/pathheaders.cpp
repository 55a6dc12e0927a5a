#include "diagram/pathheaders.h"

#include "diagram/color.h"
#include "diagram/diagramcontext.h"
#include "diagram/diagramhost.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/konfigrow.h"
#include "diagram/primitives.h"

namespace kelvane {

void DrawPathHeaders(DiagramContext& context, const KonfigRow& current, const KonfigRow& parent) {
    DiagramState& s = context.state;
    s.ParentName = parent.name;
    s.BoxWidth = 250;
    context.draw.HeaderWidthRule(s.ParentName);
    context.draw.DrawHeaderBox(palette::Shape17, 2, s.ParentName, parent.imageindex, s.Image5,
                               bgr::HeaderBand);
    context.regions.AddHitRegion(s, parent.id, s.ParentName, s.CaptionWidth);

    s.CaptionWidth = 250;
    s.BoxText = current.name;
    s.CurX = 40;
    s.CurY = 50;
    context.draw.DrawHeaderBox(palette::Shape17, 2, s.BoxText, current.imageindex, s.Image4,
                               bgr::HeaderBand);
    const QString path = s.ParentName + QStringLiteral(" -> ") + s.BoxText;
    context.host.setEd1(path);
    context.host.setEd2(s.BoxText);
    context.host.recordVisit(current.id, s.BoxText, path);
    context.regions.AddHitRegion(s, current.id, s.BoxText, 250);
}

} // namespace kelvane
