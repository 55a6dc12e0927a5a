#pragma once

#include "store/query.h"

namespace kelvane {

class Database;
class KonfigTable;
class DiagramHost;
class Surface;
class HitRegions;
class Primitives;
struct DiagramState;

// Everything a drawing routine works with: the current row, the window's panel and history, the
// surface with its state and primitives, the hit regions, and the routines' query objects.
struct DiagramContext {
    DiagramContext(const Database& database, KonfigTable& adoTable1, DiagramHost& host,
                   Surface& surface, DiagramState& state, Primitives& draw, HitRegions& regions);

    KonfigTable& adoTable1;
    DiagramHost& host;
    Surface& surface;
    DiagramState& state;
    Primitives& draw;
    HitRegions& regions;
    Query ADOQuery2;
    Query ADOQuery3;
    Query ADOQuery5;
    Query tbProsedur;
};

} // namespace kelvane
