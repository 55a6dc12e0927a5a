#pragma once

#include <memory>

namespace kelvane {

class Database;
class KonfigTable;
class DiagramHost;
class Surface;
class HitRegions;
class SurfaceClicks;
struct DiagramState;

// The four drawing routines over one surface and one hit-region table (MemKordinat), with the
// diagram state they share. Each draws the diagram of the current row of ADOTable1 completely.
// A database error thrown by a query ends the drawing where it stands and propagates as Error.
class Diagrams {
public:
    Diagrams(const Database& database, KonfigTable& adoTable1, DiagramHost& host);
    ~Diagrams();

    Surface& surface();
    HitRegions& hitRegions();
    SurfaceClicks& clicks();
    const DiagramState& state() const;

    void diagramKorn();    // the configuration root
    void diagramObshie();  // the common-objects node
    void diagramObject();  // a metadata class or a class of common objects
    void diagramObject1(); // every node below the class level

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace kelvane
