#pragma once

#include <functional>

namespace kelvane {

class Diagrams;

// The four drawing routines DataSource1DataChange dispatches to. An empty routine draws nothing.
struct DiagramRoutines {
    std::function<void()> DiagramKorn;
    std::function<void()> DiagramObshie;
    std::function<void()> DiagramObject;
    std::function<void()> DiagramObject1;
};

// The routines of a Diagrams instance, which must outlive their use.
DiagramRoutines routinesOf(Diagrams& diagrams);

} // namespace kelvane
