#pragma once

#include <cstdint>

namespace kelvane::jet {

// Fills page 0: the Jet 4.0 signature and version, and the masked block with a zero database
// key (so that no page is encrypted), code page 1252 and the general sort order.
void writeHeaderPage(std::uint8_t* page);

} // namespace kelvane::jet
