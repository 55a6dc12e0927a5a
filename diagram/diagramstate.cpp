#include "diagram/diagramstate.h"

#include "diagram/surface.h"

namespace kelvane {

DiagramState::DiagramState()
    : Image2(Surface::makeSlot())
    , Image3(Surface::makeSlot())
    , Image4(Surface::makeSlot())
    , Image5(Surface::makeSlot()) {}

} // namespace kelvane
