#pragma once

#include <QColor>
#include <cstdint>

namespace kelvane {

// Colours are written as the drawing surface takes them: 24-bit blue-green-red, low byte red
// (0xF0FBFF is the cream background, 0xFF0000 the blue pen). This is the one conversion.
inline QColor fromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline std::uint32_t toBgr(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

namespace bgr {
inline constexpr std::uint32_t Background = 0xF0FBFF;
inline constexpr std::uint32_t Pen = 0xFF0000;
inline constexpr std::uint32_t Shadow = 0xEAEAEA;
inline constexpr std::uint32_t BandTop = 0xF4F4F4;
inline constexpr std::uint32_t HeaderBand = 0xFFFF80;
inline constexpr std::uint32_t ChildBand = 0x80FFFF;
inline constexpr std::uint32_t CommonBadgeBand = 0xA8FFFF;
inline constexpr std::uint32_t GroupBand = 0x80FF80;
inline constexpr std::uint32_t ModuleBand = 0xFF9BFF;
} // namespace bgr

// The palette swatches of the window's design; the routines read their colour from here.
namespace palette {
inline constexpr std::uint32_t Shape9 = 0xD6FDFE;
inline constexpr std::uint32_t Shape17 = 0xFFFFD5;
inline constexpr std::uint32_t Shape6 = 0xD9FFD9;
inline constexpr std::uint32_t Shape5 = 0xFFECFE;
inline constexpr std::uint32_t Shape12 = 0x80FF80;
} // namespace palette

} // namespace kelvane
