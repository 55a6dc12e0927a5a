#pragma once

#include "store/gridcolumn.h"

#include <vector>

namespace kelvane {

// DBGrid1 over konfigtree on the hidden page Tab2.
std::vector<GridColumn> dbGrid1Columns();
// DBGrid4 over MemNavig on the page "История навигации".
std::vector<GridColumn> dbGrid4Columns();

} // namespace kelvane
