#include "diagram/artwork.h"
#include "diagram/color.h"
#include "diagram/diagramcontext.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/objectdiagram.h"
#include "diagram/primitives.h"
#include "diagram/surface.h"
#include "store/konfigcolumns.h"

#include <algorithm>

namespace kelvane {

namespace {
constexpr int ProceduresPerColumn = 10;
constexpr int LastPlacedProcedure = 110; // later rows lie on top of this one
} // namespace

// Beside the first attribute group: the module box and the module's procedures in columns of
// ten. CurX and CurY stay where they are.
void ObjectDiagram::DrawObjectModule() {
    DiagramState& s = context_.state;
    Surface& surface = context_.surface;
    const int ModuleOffset = ListWidth - s.BoxWidth + 300;
    const int X = s.CurX + ModuleOffset;
    const int Y = s.CurY;
    const int w = s.BoxWidth;
    surface.roundRect(X, Y, X + w, Y + 20, 2, 2);
    surface.setBrushColor(palette::Shape5);
    surface.roundRect(X - 2, Y - 2, X + w - 2, Y + 18, 2, 2);
    context_.draw.DrawBoxBand(X, Y, w, bgr::ModuleBand);
    context_.draw.DrawSeparator(X + 18, Y);
    surface.textOut(X + 21, Y + 1, QStringLiteral("Модуль объекта"));
    surface.copyBlock(X, Y, artwork::modulePicture());
    surface.setBrushColor(palette::Shape6);

    Query& procedures = context_.tbProsedur;
    procedures.reopen(QStringLiteral("SELECT * FROM prosedur WHERE ( ((prosedur.id_parent)=") +
                      QString::number(current_.num) + QStringLiteral(")) ORDER BY prosedur.id;"));
    for (procedures.first(); !procedures.eof(); procedures.next()) {
        ProcMeasureText = procedures.fieldAsText(prosedur::Name);
        ProcWidth = std::max(ProcWidth, surface.textWidth(ProcMeasureText) + 30);
    }
    int i = 1;
    for (procedures.first(); !procedures.eof(); procedures.next()) {
        const int placed = std::min(i, LastPlacedProcedure);
        const int c = (placed - 1) / ProceduresPerColumn;
        const int r = (placed - 1) % ProceduresPerColumn + 1;
        drawProcedureBox(X + 20 + c * (ProcWidth + 10), Y + 30 * r);
        ++i;
    }
    surface.setBrushColor(palette::Shape6);
}

void ObjectDiagram::drawProcedureBox(int x, int y) {
    Surface& surface = context_.surface;
    Query& procedures = context_.tbProsedur;
    ProcText = procedures.fieldAsText(prosedur::Name);
    surface.roundRect(x, y, x + ProcWidth, y + 20, 2, 2);
    surface.setBrushColor(palette::Shape12);
    surface.roundRect(x - 2, y - 2, x + ProcWidth - 2, y + 18, 2, 2);
    context_.draw.DrawSeparator(x + 18, y);
    surface.textOut(x + 21, y + 1, ProcText);
    const QString kind = procedures.fieldAsText(prosedur::Kind);
    if (kind == QStringLiteral("Процедура"))
        surface.copyBlock(x, y, artwork::procedurePicture());
    else if (kind == QStringLiteral("Функция"))
        surface.copyBlock(x, y, artwork::functionPicture());
    context_.regions.AddHitRegionAt(
        static_cast<std::int32_t>(procedures.fieldAsInteger(prosedur::Id)), ProcText, x, y,
        x + ProcWidth, y + 20, QStringLiteral("P"));
}

} // namespace kelvane
