#pragma once

#include <cstdint>

namespace kelvane::jet {

// Layout of a data page (also used for long-value pages): a 14-byte header, a table of row start
// offsets growing upward and rows growing downward from the page end, with no gaps.
namespace datapage {

inline constexpr int HeaderSize = 14;
inline constexpr int MaxRows = 255;
// The longest row that fits on an empty page: the page minus its header and one slot.
inline constexpr int MaxRowLength = 4096 - HeaderSize - 2;
// The owner field of long-value pages: the bytes "LVAL".
inline constexpr std::uint32_t LongValueOwner = 0x4C41564C;

void start(std::uint8_t* page, std::uint32_t owner);
// Bytes a new row may take on the page, 0 when no slot is left.
int room(const std::uint8_t* page);
// Copies the row below the last one; the caller checks room() first. Returns the row number.
int append(std::uint8_t* page, const std::uint8_t* row, int length);
// Offset of a row's first byte within its page.
int rowOffset(const std::uint8_t* page, int row);

} // namespace datapage

} // namespace kelvane::jet
