#pragma once

#include "tools/jetwriter/pagefile.h"

#include <cstdint>
#include <vector>

namespace kelvane::jet {

// Where a placed row lies: its row pointer (page << 8 | row) and its first byte in the file.
struct Placement {
    std::uint32_t pointer = 0;
    std::uint32_t page = 0;
    int offset = 0;
};

// Places rows of one owner (a table's definition page, or long values) on data pages in order,
// opening a new page when the current one is full, and keeps the list of pages it used.
class PagePlacer {
public:
    PagePlacer(PageFile& file, std::uint32_t owner);

    // Continues on an already allocated, still empty page instead of appending a new one.
    void startOn(std::uint32_t page);
    // The row must be at most datapage::MaxRowLength bytes long.
    Placement place(const std::uint8_t* row, int length);
    const std::vector<std::uint32_t>& pages() const { return pages_; }

private:
    PageFile& file_;
    std::uint32_t owner_;
    std::vector<std::uint32_t> pages_;
};

} // namespace kelvane::jet
