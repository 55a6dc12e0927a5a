#include "diagram/gradient.h"

#include "diagram/surface.h"

#include <cmath>

namespace kelvane {

namespace {

struct Channels {
    int red;
    int green;
    int blue;
};

Channels channelsOf(std::uint32_t bgr) {
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
            static_cast<int>((bgr >> 16) & 0xFF)};
}

int blend(int from, int to, double t) {
    return static_cast<int>(from + (to - from) * t);
}

} // namespace

void drawGradient(Surface& surface, BandRect rect, bool leftToRight,
                  const std::vector<std::uint32_t>& colours) {
    const int n = static_cast<int>(colours.size());
    if (n < 2)
        return;
    const int size = leftToRight ? rect.right - rect.left : rect.bottom - rect.top;
    std::vector<Channels> c;
    c.reserve(colours.size());
    for (const std::uint32_t colour : colours)
        c.push_back(channelsOf(colour));
    const std::uint32_t savedPen = surface.penColor();
    // Halves go to the even neighbour (21 / 2 gives 10, 23 / 2 gives 12).
    const int step = static_cast<int>(std::nearbyint(static_cast<double>(size) / (n - 1)));
    for (int b = 0; b <= n - 2; ++b) {
        const int last = b == n - 2 ? size - b * step - 1 : step;
        for (int x = 0; x <= last; ++x) {
            const int p = b * step + x;
            // A band of a single line keeps its first colour.
            const double t = last == 0 ? 0.0 : static_cast<double>(x) / last;
            const Channels& from = c[static_cast<std::size_t>(b)];
            const Channels& to = c[static_cast<std::size_t>(b + 1)];
            surface.setPenColor(static_cast<std::uint32_t>(blend(from.red, to.red, t)) |
                                (static_cast<std::uint32_t>(blend(from.green, to.green, t)) << 8) |
                                (static_cast<std::uint32_t>(blend(from.blue, to.blue, t)) << 16));
            if (leftToRight) {
                surface.moveTo(rect.left + p, rect.top);
                surface.lineTo(rect.left + p, rect.bottom);
            } else {
                surface.moveTo(rect.left, rect.top + p);
                surface.lineTo(rect.right, rect.top + p);
            }
        }
    }
    surface.setPenColor(savedPen);
}

} // namespace kelvane
