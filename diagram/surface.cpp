#include "diagram/surface.h"

#include "diagram/surfacefont.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace kelvane {

namespace {

// RGB32 pixel of a blue-green-red colour.
QRgb pixelOf(std::uint32_t bgr) {
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// Columns cut off at each side of row `row` of a rounded rectangle `height` rows high whose
// corners are quarters of a w x h ellipse.
int cornerInset(int row, int height, int w, int h) {
    const double a = std::min(w, 0x7FFF) / 2.0;
    const double b = std::min(h, height) / 2.0;
    if (a <= 0 || b <= 0)
        return 0;
    const int fromEdge = std::min(row, height - 1 - row);
    const double dy = b - (fromEdge + 0.5);
    if (dy <= 0)
        return 0;
    const double dx = a * std::sqrt(1.0 - (dy / b) * (dy / b));
    return static_cast<int>(std::floor(a - dx + 0.5));
}

} // namespace

Surface::Surface()
    : image_(Size, Size, QImage::Format_RGB32)
    , font_(surfaceFont())
    , metrics_(font_)
    , ascent_(metrics_.ascent()) {
    image_.fill(Qt::white);
}

void Surface::horizontalRun(int y, int x1, int x2, std::uint32_t bgr) {
    if (y < 0 || y >= Size)
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, Size - 1);
    if (x1 > x2)
        return;
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(line + x1, line + x2 + 1, pixelOf(bgr));
}

void Surface::plot(int x, int y, std::uint32_t bgr) {
    if (x < 0 || y < 0 || x >= Size || y >= Size)
        return;
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = pixelOf(bgr);
}

void Surface::fillRect(int x1, int y1, int x2, int y2) {
    const int top = std::max(y1, 0);
    const int bottom = std::min(y2, Size);
    for (int y = top; y < bottom; ++y)
        horizontalRun(y, x1, x2 - 1, brush_);
}

// Fills x1..x2-1, y1..y2-1 with the brush; the pen outlines the shape's boundary pixels (those
// with a side neighbour outside the shape), so the corners follow the ellipse.
void Surface::roundRect(int x1, int y1, int x2, int y2, int w, int h) {
    const int width = x2 - x1;
    const int height = y2 - y1;
    if (width <= 0 || height <= 0)
        return;
    std::vector<int> inset(static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        inset[static_cast<std::size_t>(row)] = std::min(cornerInset(row, height, w, h), width / 2);
    for (int row = 0; row < height; ++row) {
        const int y = y1 + row;
        const int in = inset[static_cast<std::size_t>(row)];
        const int left = x1 + in;
        const int right = x2 - 1 - in;
        if (row == 0 || row == height - 1) {
            horizontalRun(y, left, right, pen_);
            continue;
        }
        // The neighbouring rows' shape starts: columns between them and this row's edge border
        // the outside.
        const int outerIn = std::max(inset[static_cast<std::size_t>(row - 1)],
                                     inset[static_cast<std::size_t>(row + 1)]);
        const int edge = std::max(outerIn - in, 1);
        horizontalRun(y, left, std::min(left + edge - 1, right), pen_);
        horizontalRun(y, std::max(right - edge + 1, left), right, pen_);
        horizontalRun(y, left + edge, right - edge, brush_);
    }
}

void Surface::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

// A one-pixel line without its end point.
void Surface::lineTo(int x, int y) {
    if (y == penY_) {
        if (x > penX_)
            horizontalRun(y, penX_, x - 1, pen_);
        else if (x < penX_)
            horizontalRun(y, x + 1, penX_, pen_);
    } else if (x == penX_) {
        const int step = y > penY_ ? 1 : -1;
        for (int row = penY_; row != y; row += step)
            plot(x, row, pen_);
    } else {
        const int dx = std::abs(x - penX_);
        const int dy = -std::abs(y - penY_);
        const int sx = x > penX_ ? 1 : -1;
        const int sy = y > penY_ ? 1 : -1;
        int error = dx + dy;
        int px = penX_;
        int py = penY_;
        while (px != x || py != y) {
            plot(px, py, pen_);
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                px += sx;
            }
            if (twice <= dx) {
                error += dx;
                py += sy;
            }
        }
    }
    penX_ = x;
    penY_ = y;
}

void Surface::textOut(int x, int y, const QString& text) {
    if (text.isEmpty())
        return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(x, y + ascent_, text);
}

int Surface::textWidth(const QString& text) const {
    return text.isEmpty() ? 0 : metrics_.horizontalAdvance(text);
}

QImage Surface::makeSlot() {
    QImage slot(SlotSize, SlotSize, QImage::Format_RGB32);
    slot.fill(pixelOf(0xF0FBFF));
    return slot;
}

void Surface::copyBlock(int dx, int dy, const QImage& slot) {
    const int columns = std::min(SlotSize, slot.width());
    const int rows = std::min(SlotSize, slot.height());
    const QImage source =
        slot.format() == QImage::Format_RGB32 ? slot : slot.convertToFormat(QImage::Format_RGB32);
    const int from = std::max(0, -dx);
    const int to = std::min(columns, Size - dx);
    if (from >= to)
        return;
    for (int row = 0; row < rows; ++row) {
        const int y = dy + row;
        if (y < 0 || y >= Size)
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* out = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::copy(in + from, in + to, out + dx + from);
    }
}

void Surface::putPicture(QImage& slot, const QImage& picture) {
    if (picture.isNull())
        return;
    QPainter painter(&slot);
    painter.drawImage(0, 0, picture);
}

void Surface::fillSlot(QImage& slot, std::uint32_t bgr) {
    slot.fill(pixelOf(bgr));
}

} // namespace kelvane
