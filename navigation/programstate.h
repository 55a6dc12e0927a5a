#pragma once

#include <cstdint>

namespace kelvane {

// The module-wide program state of the main window, one instance for the run.
struct ProgramState {
    // When 1, every change of the current konfigtree row selects the row's tree node.
    std::uint8_t TreeSyncEnabled = 0;
    // Number given to the next history entry.
    std::int32_t VisitCounter = 1;
    // num and id_parent of the current konfigtree row, as of the last record change.
    std::int32_t CurrentNum = 0;
    std::int32_t CurrentParent = 0;
};

} // namespace kelvane
