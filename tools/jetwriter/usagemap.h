#pragma once

#include "tools/jetwriter/pagefile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvane::jet {

// Builds the row of a usage map, the list of a table's data pages. A bitmap of up to
// inlineLimit bytes goes into the row itself; a longer one goes to bitmap pages that the row
// points to, each covering 32736 pages.
std::vector<std::uint8_t> buildUsageMap(PageFile& file, const std::vector<std::uint32_t>& pages,
                                        std::size_t inlineLimit);

} // namespace kelvane::jet
