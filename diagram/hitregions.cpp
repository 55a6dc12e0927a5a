#include "diagram/hitregions.h"

#include "diagram/diagramstate.h"

namespace kelvane {

HitRegions::HitRegions()
    : table_(QStringLiteral("MemKordinat"),
             {{QStringLiteral("id"), MemTable::Kind::Integer},
              {QStringLiteral("name"), MemTable::Kind::Text},
              {QStringLiteral("x1"), MemTable::Kind::Integer},
              {QStringLiteral("y1"), MemTable::Kind::Integer},
              {QStringLiteral("x2"), MemTable::Kind::Integer},
              {QStringLiteral("y2"), MemTable::Kind::Integer},
              {QStringLiteral("P"), MemTable::Kind::Text}},
             false) {
    table_.open();
}

void HitRegions::ClearHitRegions() {
    table_.clear();
}

void HitRegions::AddHitRegionAt(std::int32_t id, const QString& name, int x1, int y1, int x2,
                                int y2, const QString& p) {
    table_.insert({name, x1, y1, x2, y2, p}, id);
}

void HitRegions::AddHitRegion(const DiagramState& state, std::int32_t id, const QString& name,
                              int width) {
    AddHitRegionAt(id, name, state.CurX, state.CurY, state.CurX + width,
                   state.CurY + state.BoxHeight, QString());
}

std::optional<HitRegions::Found> HitRegions::FindHitRegion(int x, int y) const {
    std::optional<Found> found;
    for (int row = 0; row < table_.recordCount(); ++row) {
        const auto at = [&](Column column) { return table_.value(row, column).toLongLong(); };
        if (at(X1) <= x && x <= at(X2) && at(Y1) <= y && y <= at(Y2))
            found = Found{static_cast<std::int32_t>(at(Id)), table_.value(row, Name).toString()};
    }
    return found;
}

QString HitRegions::markerOf(std::int32_t id) const {
    for (int row = 0; row < table_.recordCount(); ++row)
        if (table_.value(row, Id).toLongLong() == id)
            return table_.value(row, P).toString();
    return QString();
}

} // namespace kelvane
