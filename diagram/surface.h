#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <cstdint>

namespace kelvane {

// The diagram surface Image1: a 3000 x 3000 picture with the drawing operations of the window's
// canvas. Brush and pen colours are surface properties (blue-green-red values); the pen is one
// pixel wide and solid. Rectangles exclude their right and bottom edge, lines their end point,
// text is transparent and nothing is anti-aliased. Everything outside the picture is clipped.
class Surface {
public:
    static constexpr int Size = 3000;
    static constexpr int SlotSize = 16;

    Surface();

    const QImage& image() const { return image_; }
    const QFont& font() const { return font_; }

    void setBrushColor(std::uint32_t bgr) { brush_ = bgr; }
    std::uint32_t brushColor() const { return brush_; }
    void setPenColor(std::uint32_t bgr) { pen_ = bgr; }
    std::uint32_t penColor() const { return pen_; }

    void fillRect(int x1, int y1, int x2, int y2);
    void roundRect(int x1, int y1, int x2, int y2, int w, int h);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text) const;

    // A 16 x 16 scratch slot (Image2..Image5): an off-screen picture that keeps its content.
    static QImage makeSlot();
    // Copies the slot's top-left 16 x 16 block, opaque, to dx..dx+15, dy..dy+15.
    void copyBlock(int dx, int dy, const QImage& slot);
    // Draws picture at (0, 0) of slot; an empty picture draws nothing.
    static void putPicture(QImage& slot, const QImage& picture);
    // Fills the whole slot with one colour; the slot has its own brush, the surface's is untouched.
    static void fillSlot(QImage& slot, std::uint32_t bgr);

private:
    void horizontalRun(int y, int x1, int x2, std::uint32_t bgr); // x1..x2 inclusive
    void plot(int x, int y, std::uint32_t bgr);

    QImage image_;
    QFont font_;
    QFontMetrics metrics_;
    int ascent_;
    std::uint32_t brush_ = 0xFFFFFF;
    std::uint32_t pen_ = 0;
    int penX_ = 0;
    int penY_ = 0;
};

} // namespace kelvane
