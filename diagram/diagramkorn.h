#pragma once

namespace kelvane {

struct DiagramContext;

// The root diagram: the configuration as a header box and its top-level nodes with counts in two
// columns.
void DiagramKorn(DiagramContext& context);

} // namespace kelvane
