#pragma once

#include "diagram/surface.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kelvane::test {

// Blue-green-red colour of a surface pixel.
std::uint32_t bgrAt(const Surface& surface, int x, int y);
// Bounding box of the black (text) pixels inside a rectangle; nothing when there are none.
std::optional<QRect> blackBox(const Surface& surface, const QRect& area);
// A text whose measured width in the surface font is exactly `width` pixels.
QString textOfWidth(const Surface& surface, int width);

} // namespace kelvane::test
