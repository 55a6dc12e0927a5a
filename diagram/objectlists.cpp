#include "diagram/color.h"
#include "diagram/diagramcontext.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/objectdiagram.h"
#include "diagram/primitives.h"
#include "diagram/surface.h"

namespace kelvane {

namespace {

// Runs the list query for the child and walks its rows in name order, one list box per row,
// 30 below and 20 right of the child box; afterwards the child loop continues 25 higher.
template <typename DrawBox>
void walkList(DiagramContext& context, const KonfigRow& child, DrawBox drawBox) {
    DiagramState& s = context.state;
    Query& list = context.ADOQuery3;
    list.reopenWithParam(child.num);
    if (list.recordCount() == 0)
        return;
    s.CurX += 20;
    s.CurY += 30;
    for (list.first(); !list.eof(); list.next()) {
        drawBox(KonfigRow::current(list));
        s.CurY += s.BoxHeight + s.GapY;
    }
    s.CurX -= 20;
    s.CurY -= 25;
}

} // namespace

void ObjectDiagram::DrawGroupList(const KonfigRow& child) {
    DiagramState& s = context_.state;
    Surface& surface = context_.surface;
    walkList(context_, child, [&](const KonfigRow& row) {
        const int x = s.CurX;
        const int y = s.CurY;
        s.CountText = row.name;
        Primitives::ClearSlot(s.Image5);
        Primitives::PutIcon(row.imageindex, s.Image5);
        surface.roundRect(x, y, x + ListWidth, y + 20, 2, 2);
        surface.setBrushColor(palette::Shape9);
        surface.roundRect(x - 2, y - 2, x + ListWidth - 2, y + 18, 2, 2);
        context_.draw.DrawBoxBand(x, y, ListWidth, bgr::ChildBand);
        context_.draw.DrawSeparator(x + 18, y);
        context_.draw.DrawCaption(s.CountText, 21);
        surface.copyBlock(x, y, s.Image5);
        context_.regions.AddHitRegion(s, row.id, row.name, ListWidth);
    });
}

void ObjectDiagram::DrawSectionList(const KonfigRow& child) {
    DiagramState& s = context_.state;
    Surface& surface = context_.surface;
    walkList(context_, child, [&](const KonfigRow& row) {
        const int x = s.CurX;
        const int y = s.CurY;
        s.CountText = row.name;
        Primitives::ClearSlot(s.Image3);
        Primitives::ClearSlot(s.Image5);
        Primitives::PutIcon(row.imageindex, s.Image5);
        surface.roundRect(x, y, x + ListWidth, y + 20, 2, 2);
        surface.setBrushColor(palette::Shape9);
        surface.roundRect(x - 2, y - 2, x + ListWidth - 2, y + 18, 2, 2);
        context_.draw.DrawSeparator(x + 18, y);
        surface.roundRect(x + ListWidth + 1, y, x + ListWidth + 21, y + 20, 2, 2);
        surface.setBrushColor(bgr::Background);
        surface.roundRect(x + ListWidth - 1, y - 2, x + ListWidth + 19, y + 18, 2, 2);
        surface.setBrushColor(palette::Shape9);
        surface.copyBlock(x + ListWidth + 1, y, s.Image3);
        context_.draw.DrawCaption(s.CountText, 21);
        surface.copyBlock(x, y, s.Image5);
        context_.regions.AddHitRegion(s, row.id, row.name, ListWidth);
    });
}

// The type slot shows the plain background square: no picture is chosen by imageindextype.
void ObjectDiagram::DrawTypeBox() {
    DiagramState& s = context_.state;
    Surface& surface = context_.surface;
    const int x = s.CurX;
    const int y = s.CurY;
    const int w = s.BoxWidth;
    surface.roundRect(x + w + 1, y, x + w + 21, y + 20, 2, 2);
    surface.setBrushColor(palette::Shape9);
    surface.roundRect(x + w - 1, y - 2, x + w + 19, y + 18, 2, 2);
    Primitives::ClearSlot(s.Image3);
    surface.copyBlock(x + w, y, s.Image3);
}

} // namespace kelvane
