#pragma once

#include <cstdint>
#include <vector>

namespace kelvane {

class Surface;

// The band rectangle as (left, top, right, bottom) in surface coordinates.
struct BandRect {
    int left;
    int top;
    int right;
    int bottom;
};

// DrawGradient: bands from colours[b] to colours[b + 1], drawn one line per pixel with one pen
// change per line; the pen colour is restored afterwards. Fewer than two colours draw nothing.
void drawGradient(Surface& surface, BandRect rect, bool leftToRight,
                  const std::vector<std::uint32_t>& colours);

} // namespace kelvane
