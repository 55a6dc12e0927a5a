#pragma once

#include <cstdint>

namespace kelvane {

struct DiagramContext;
class Query;

// The child boxes of the root and common-objects diagrams: 250 wide, each with its count badge
// and hit region, nine in the first column from (x, y), the 10th to 18th in the second column at
// BoxWidth + GapX + secondColumnGap, later ones on downwards in the second column.
void DrawCountedChildren(DiagramContext& context, Query& children, int x, int y,
                         int secondColumnGap, std::uint32_t badgeBand);

} // namespace kelvane
