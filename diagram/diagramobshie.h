#pragma once

namespace kelvane {

struct DiagramContext;

// The common-objects diagram: the path as two header boxes and the node's children with counts.
void DiagramObshie(DiagramContext& context);

} // namespace kelvane
