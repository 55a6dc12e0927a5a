#include "navigation/diagramroutines.h"

#include "diagram/diagrams.h"

namespace kelvane {

DiagramRoutines routinesOf(Diagrams& diagrams) {
    return {
        [&diagrams] { diagrams.diagramKorn(); },
        [&diagrams] { diagrams.diagramObshie(); },
        [&diagrams] { diagrams.diagramObject(); },
        [&diagrams] { diagrams.diagramObject1(); },
    };
}

} // namespace kelvane
