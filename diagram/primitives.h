#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace kelvane {

class Surface;
struct DiagramState;

// The drawing pieces every diagram is built from, over one surface and one diagram state.
class Primitives {
public:
    Primitives(Surface& surface, DiagramState& state);

    Surface& surface() { return surface_; }
    DiagramState& state() { return state_; }

    void BeginDiagram();
    void HeaderWidthRule(const QString& caption);
    void DrawHeaderBox(std::uint32_t fill, int corner, const QString& caption, int imageindex,
                       QImage& slot, std::uint32_t band);
    // The child box of the root, common-objects and class diagrams. Its slot Image2 is cleared to
    // the background first, so an index outside 0..93 shows a plain square.
    void DrawChildBox(int imageindex);
    void DrawCountBadge(std::int64_t count, std::uint32_t band);
    // Puts Im<imageindex> into the slot when 0 <= imageindex <= 93; otherwise the slot keeps its
    // picture.
    static void PutIcon(int imageindex, QImage& slot);
    void DrawIcon(int imageindex, QImage& slot, int x, int y);
    void DrawCaption(const QString& text, int dx);
    void FitCaption();
    // The standard band of a box at (x, y) of width w: (x + 18, y - 1) to (x + w - 3, y + 17).
    void DrawBoxBand(int x, int y, int w, std::uint32_t bottom);
    // Separator line at column x from y - 2 to y + 18 (end point excluded).
    void DrawSeparator(int x, int y);
    // Fills a slot with the background colour 0xF0FBFF.
    static void ClearSlot(QImage& slot);

private:
    Surface& surface_;
    DiagramState& state_;
};

} // namespace kelvane
