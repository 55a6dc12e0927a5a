#pragma once

#include "store/treetext/storednode.h"

namespace kelvane {

// The node list with every node's siblings ordered by text (locale-aware, case-sensitive; equal
// texts keep their order), as a tree view sorting by text shows it. Runs without recursion.
StoredNodes sortNodesByText(const StoredNodes& nodes);

} // namespace kelvane
