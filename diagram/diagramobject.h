#pragma once

namespace kelvane {

struct DiagramContext;

// The metadata-class diagram: parent and class as header boxes, the objects in columns of 15.
void DiagramObject(DiagramContext& context);

} // namespace kelvane
