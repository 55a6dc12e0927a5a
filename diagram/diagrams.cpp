#include "diagram/diagrams.h"

#include "diagram/diagramcontext.h"
#include "diagram/diagramkorn.h"
#include "diagram/diagramobject.h"
#include "diagram/diagramobshie.h"
#include "diagram/diagramstate.h"
#include "diagram/hitregions.h"
#include "diagram/objectdiagram.h"
#include "diagram/primitives.h"
#include "diagram/surface.h"
#include "diagram/surfaceclicks.h"

namespace kelvane {

struct Diagrams::State {
    State(const Database& database, KonfigTable& adoTable1, DiagramHost& host)
        : draw(surface, diagramState)
        , clicks(regions, adoTable1)
        , context(database, adoTable1, host, surface, diagramState, draw, regions)
        , objectDiagram(context) {}

    Surface surface;
    DiagramState diagramState;
    Primitives draw;
    HitRegions regions;
    SurfaceClicks clicks;
    DiagramContext context;
    ObjectDiagram objectDiagram;
};

Diagrams::Diagrams(const Database& database, KonfigTable& adoTable1, DiagramHost& host)
    : state_(std::make_unique<State>(database, adoTable1, host)) {}

Diagrams::~Diagrams() = default;

Surface& Diagrams::surface() {
    return state_->surface;
}
HitRegions& Diagrams::hitRegions() {
    return state_->regions;
}
SurfaceClicks& Diagrams::clicks() {
    return state_->clicks;
}
const DiagramState& Diagrams::state() const {
    return state_->diagramState;
}

void Diagrams::diagramKorn() {
    DiagramKorn(state_->context);
}
void Diagrams::diagramObshie() {
    DiagramObshie(state_->context);
}
void Diagrams::diagramObject() {
    DiagramObject(state_->context);
}
void Diagrams::diagramObject1() {
    state_->objectDiagram.DiagramObject1();
}

} // namespace kelvane
