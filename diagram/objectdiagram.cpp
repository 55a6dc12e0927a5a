#include "diagram/objectdiagram.h"

#include "diagram/color.h"
#include "diagram/diagramcontext.h"
#include "diagram/diagramhost.h"
#include "diagram/diagramstate.h"
#include "diagram/groupnames.h"
#include "diagram/hitregions.h"
#include "diagram/primitives.h"
#include "diagram/surface.h"
#include "store/konfigcolumns.h"
#include "store/konfigtable.h"

#include <algorithm>

namespace kelvane {

namespace {

constexpr int RowsPerColumn = 15;

bool getsObjectModule(const QString& name) {
    return name == QStringLiteral("Реквизиты") || name == QStringLiteral("Реквизиты адресации") ||
           name == QStringLiteral("Измерения");
}

bool getsTypeBoxes(const QString& name) {
    return name == QStringLiteral("Реквизиты") || name == QStringLiteral("Измерения") ||
           name == QStringLiteral("Ресурсы");
}

} // namespace

ObjectDiagram::ObjectDiagram(DiagramContext& context)
    : context_(context) {}

void ObjectDiagram::DiagramObject1() {
    DiagramState& s = context_.state;
    current_ = KonfigRow::current(context_.adoTable1);
    ListWidth = 200;
    ProcWidth = 200;
    const QString childrenText =
        QStringLiteral("SELECT * FROM konfigtree WHERE (konfigtree.id_parent=") +
        QString::number(current_.num) + QStringLiteral(") Order by num;");
    measureListWidth(childrenText);
    Query& children = context_.ADOQuery2;
    children.reopen(childrenText);
    s.ChildCount = children.recordCount();
    context_.draw.BeginDiagram();
    context_.regions.ClearHitRegions();
    drawHeaders();

    s.CurX = 60;
    s.CurY = 80;
    ChildNo = 1;
    for (children.first(); !children.eof(); children.next()) {
        drawChild(KonfigRow::current(children));
        s.CurY += s.BoxHeight + s.GapY;
        ++ChildNo;
    }
}

// Every grandchild counts, whether or not its list is drawn later.
void ObjectDiagram::measureListWidth(const QString& childrenText) {
    Query& children = context_.ADOQuery2;
    Query& list = context_.ADOQuery3;
    children.reopen(childrenText);
    for (children.first(); !children.eof(); children.next()) {
        list.reopenWithParam(children.fieldAsInteger(konfig::Num));
        for (list.first(); !list.eof(); list.next())
            ListWidth = std::max(ListWidth,
                                 context_.surface.textWidth(list.fieldAsText(konfig::Name)) + 30);
    }
}

void ObjectDiagram::drawHeaders() {
    DiagramState& s = context_.state;
    context_.ADOQuery5.reopenWithParam(current_.idParent);
    const KonfigRow parent = KonfigRow::firstOrEmpty(context_.ADOQuery5);
    s.ParentName = parent.name;

    s.BoxWidth = 200;
    const int parentWidth = context_.surface.textWidth(s.ParentName);
    s.CaptionWidth = parentWidth <= 200 ? 200 : parentWidth + 30;
    context_.draw.DrawHeaderBox(palette::Shape17, 2, s.ParentName, parent.imageindex, s.Image5,
                                bgr::HeaderBand);
    context_.regions.AddHitRegion(s, parent.id, s.ParentName, s.CaptionWidth);

    s.CurX = 40;
    s.CurY = 50;
    s.BoxWidth = 200;
    s.CaptionWidth = std::max(200, context_.surface.textWidth(current_.name) + 30);
    s.BoxText = current_.name;
    std::uint32_t band = bgr::HeaderBand;
    if (isGroupName(current_.name))
        band = bgr::GroupBand;
    else if (isGroupName(s.ParentName) || s.ParentName == QStringLiteral("Константы"))
        band = s.ParentName == TabularSections ? bgr::GroupBand : bgr::ChildBand;
    context_.draw.DrawHeaderBox(palette::Shape17, 2, s.BoxText, current_.imageindex, s.Image4,
                                band);
    const QString path = s.ParentName + QStringLiteral(" -> ") + current_.name;
    context_.host.setEd1(path);
    context_.host.setEd2(current_.name);
    context_.host.recordVisit(current_.id, current_.name, path);
    context_.regions.AddHitRegion(s, current_.id, current_.name, s.CaptionWidth);
}

void ObjectDiagram::drawChild(const KonfigRow& child) {
    DiagramState& s = context_.state;
    const int c = (ChildNo - 1) / RowsPerColumn;
    if (c >= 1 && c <= 6) {
        const int e = isAttributeGroupName(current_.name) ? 20 : 0;
        s.CurX = 60 + c * (s.BoxWidth + s.GapX + e);
        if (ChildNo == RowsPerColumn * c + 1)
            s.CurY = 80;
    }
    s.BoxText = child.name;
    Primitives::ClearSlot(s.Image2);
    const bool group = isGroupName(child.name);
    if (group && child.name != TabularSections)
        s.BoxWidth = 200;
    if (group)
        drawGroupBox(child);
    else if (current_.type.isEmpty())
        drawElementBox(child);
    else
        s.BoxWidth = 300;
    context_.regions.AddHitRegion(s, child.id, child.name, s.BoxWidth);
    if (group)
        DrawGroupList(child);
    if (current_.name == TabularSections)
        DrawSectionList(child);
}

// The back frame keeps the fill of whatever was drawn last; these boxes have no grey shadow.
void ObjectDiagram::drawGroupBox(const KonfigRow& child) {
    DiagramState& s = context_.state;
    Surface& surface = context_.surface;
    const int x = s.CurX;
    const int y = s.CurY;
    const int w = s.BoxWidth;
    surface.roundRect(x, y, x + w, y + 20, 2, 2);
    surface.setBrushColor(palette::Shape6);
    surface.roundRect(x - 2, y - 2, x + w - 2, y + 18, 2, 2);
    context_.draw.DrawBoxBand(x, y, w, bgr::GroupBand);
    context_.draw.DrawSeparator(x + 18, y);
    context_.draw.DrawCaption(s.BoxText, 21);
    context_.draw.DrawIcon(child.imageindex, s.Image2, x, y);
    if (ChildNo == 1 && getsObjectModule(child.name))
        DrawObjectModule();
}

void ObjectDiagram::drawElementBox(const KonfigRow& child) {
    DiagramState& s = context_.state;
    Surface& surface = context_.surface;
    const int x = s.CurX;
    const int y = s.CurY;
    const int w = s.BoxWidth;
    surface.roundRect(x, y, x + w, y + 20, 2, 2);
    surface.setBrushColor(current_.name == TabularSections ? palette::Shape6 : palette::Shape9);
    surface.roundRect(x - 2, y - 2, x + w - 2, y + 18, 2, 2);
    context_.draw.DrawBoxBand(x, y, w, bgr::ChildBand);
    context_.draw.DrawSeparator(x + 18, y);
    context_.draw.FitCaption();
    context_.draw.DrawCaption(s.BoxText, 21);
    if (getsTypeBoxes(current_.name))
        DrawTypeBox();
    context_.draw.DrawIcon(child.imageindex, s.Image2, x, y);
}

} // namespace kelvane
