#include "diagram/diagramcontext.h"

namespace kelvane {

DiagramContext::DiagramContext(const Database& database, KonfigTable& adoTable1, DiagramHost& host,
                               Surface& surface, DiagramState& state, Primitives& draw,
                               HitRegions& regions)
    : adoTable1(adoTable1)
    , host(host)
    , surface(surface)
    , state(state)
    , draw(draw)
    , regions(regions)
    , ADOQuery2(QStringLiteral("ADOQuery2"), database)
    , ADOQuery3(QStringLiteral("ADOQuery3"), database,
                QStringLiteral("SELECT * FROM konfigtree WHERE konfigtree.id_parent=:id1 order by "
                               "name;"))
    , ADOQuery5(QStringLiteral("ADOQuery5"), database,
                QStringLiteral("SELECT * FROM konfigtree WHERE konfigtree.num=:id1 order by "
                               "name;"))
    , tbProsedur(QStringLiteral("tbProsedur"), database) {}

} // namespace kelvane
