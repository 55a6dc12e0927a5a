#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kelvane {

// One node of the stored navigation tree, held in a flat pre-order list: a node's position in
// the list is its absolute pre-order index, its children follow it, and the links below give
// O(1) steps between a node, its parent and its siblings.
struct StoredNode {
    QString text; // decoded from Windows-1251
    std::int32_t imageIndex = 0;
    std::int32_t selectedIndex = 0;
    std::int32_t stateIndex = -1;
    std::int32_t overlayIndex = -1;
    std::uint32_t data = 0;

    int parent = -1;     // pre-order index of the parent, -1 for a root
    int depth = 0;       // 0 for a root
    int row = 0;         // position among the parent's children (or among the roots)
    int childCount = 0;  // direct children
    int descendants = 0; // nodes of the subtree below it; the next sibling is at index + 1 + this
};

using StoredNodes = std::vector<StoredNode>;

} // namespace kelvane
