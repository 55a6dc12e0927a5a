#include "diagram/primitives.h"

#include "diagram/artwork.h"
#include "diagram/color.h"
#include "diagram/delsimstr.h"
#include "diagram/diagramstate.h"
#include "diagram/gradient.h"
#include "diagram/surface.h"

namespace kelvane {

Primitives::Primitives(Surface& surface, DiagramState& state)
    : surface_(surface)
    , state_(state) {}

void Primitives::BeginDiagram() {
    state_.CurX = 20;
    state_.CurY = 20;
    state_.GapX = 8;
    state_.GapY = 8;
    state_.BoxWidth = 250;
    state_.BoxHeight = 20;
    Surface::putPicture(state_.Image2, artwork::img1());
    Surface::putPicture(state_.Image3, artwork::img2());
    surface_.setBrushColor(bgr::Background);
    surface_.fillRect(0, 0, Surface::Size, Surface::Size);
    surface_.setPenColor(bgr::Pen);
}

void Primitives::HeaderWidthRule(const QString& caption) {
    const int width = surface_.textWidth(caption);
    state_.CaptionWidth = width < state_.BoxWidth ? state_.BoxWidth : width + 30;
}

void Primitives::DrawHeaderBox(std::uint32_t fill, int corner, const QString& caption,
                               int imageindex, QImage& slot, std::uint32_t band) {
    const int x = state_.CurX;
    const int y = state_.CurY;
    const int w = state_.CaptionWidth;
    surface_.setBrushColor(fill);
    surface_.roundRect(x, y, x + w, y + 20, corner, corner);
    surface_.roundRect(x - 2, y - 2, x + w - 2, y + 18, corner, corner);
    DrawBoxBand(x, y, w, band);
    DrawSeparator(x + 17, y);
    DrawCaption(caption, 20);
    DrawIcon(imageindex, slot, x, y);
}

void Primitives::DrawChildBox(int imageindex) {
    const int x = state_.CurX;
    const int y = state_.CurY;
    const int w = state_.BoxWidth;
    const int h = state_.BoxHeight;
    surface_.setBrushColor(bgr::Shadow);
    surface_.roundRect(x, y, x + w, y + h, 2, 2);
    surface_.setBrushColor(palette::Shape9);
    surface_.roundRect(x - 2, y - 2, x + w - 2, y + h - 2, 2, 2);
    DrawBoxBand(x, y, w, bgr::ChildBand);
    DrawSeparator(x + 18, y);
    ClearSlot(state_.Image2);
    DrawIcon(imageindex, state_.Image2, x, y);
    FitCaption();
    DrawCaption(state_.BoxText, 21);
}

void Primitives::DrawCountBadge(std::int64_t count, std::uint32_t band) {
    const int x = state_.CurX + state_.BoxWidth;
    const int y = state_.CurY;
    const int h = state_.BoxHeight;
    surface_.setBrushColor(bgr::Shadow);
    surface_.roundRect(x + 1, y, x + 25, y + h, 2, 2);
    surface_.setBrushColor(bgr::Background);
    surface_.roundRect(x - 1, y - 2, x + 23, y + h - 2, 2, 2);
    drawGradient(surface_, {x, y - 1, x + 22, y + 17}, false, {bgr::BandTop, band});
    state_.CountText = QString::number(count);
    int offset = 0;
    if (count >= 0 && count <= 9)
        offset = 8;
    else if (count >= 10 && count <= 99)
        offset = 5;
    else if (count >= 100 && count <= 999)
        offset = 1;
    else
        return;
    surface_.textOut(x + offset, y + 2, state_.CountText);
}

void Primitives::PutIcon(int imageindex, QImage& slot) {
    if (imageindex >= 0 && imageindex < artwork::ObjectIconCount)
        Surface::putPicture(slot, artwork::objectIcon(imageindex));
}

void Primitives::DrawIcon(int imageindex, QImage& slot, int x, int y) {
    PutIcon(imageindex, slot);
    surface_.copyBlock(x, y, slot);
}

void Primitives::DrawCaption(const QString& text, int dx) {
    surface_.textOut(state_.CurX + dx, state_.CurY + 1, text);
}

void Primitives::FitCaption() {
    if (surface_.textWidth(state_.BoxText) + 30 <= state_.BoxWidth)
        return;
    do
        state_.BoxText = Delsimstr(state_.BoxText);
    while (!state_.BoxText.isEmpty() && surface_.textWidth(state_.BoxText) + 35 > state_.BoxWidth);
    state_.BoxText += QStringLiteral("...");
}

void Primitives::DrawBoxBand(int x, int y, int w, std::uint32_t bottom) {
    drawGradient(surface_, {x + 18, y - 1, x + w - 3, y + 17}, false, {bgr::BandTop, bottom});
}

void Primitives::DrawSeparator(int x, int y) {
    surface_.moveTo(x, y - 2);
    surface_.lineTo(x, y + 18);
}

void Primitives::ClearSlot(QImage& slot) {
    Surface::fillSlot(slot, bgr::Background);
}

} // namespace kelvane
