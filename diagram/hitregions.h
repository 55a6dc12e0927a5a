#pragma once

#include "store/memtable.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kelvane {

struct DiagramState;

// The clickable regions of the diagram on the surface: the in-memory table MemKordinat
// (id, name, x1, y1, x2, y2, P), kept in ascending id order, edges inclusive.
class HitRegions {
public:
    enum Column { Id = 0, Name = 1, X1 = 2, Y1 = 3, X2 = 4, Y2 = 5, P = 6 };

    struct Found {
        std::int32_t id;
        QString name;
    };

    HitRegions();

    MemTable& MemKordinat() { return table_; }
    const MemTable& MemKordinat() const { return table_; }

    void ClearHitRegions();
    void AddHitRegionAt(std::int32_t id, const QString& name, int x1, int y1, int x2, int y2,
                        const QString& p);
    // The region of the box at (CurX, CurY), width wide and BoxHeight high, with an empty P.
    void AddHitRegion(const DiagramState& state, std::int32_t id, const QString& name, int width);
    // The last containing row in table order (the greatest id); nothing when no row contains it.
    std::optional<Found> FindHitRegion(int x, int y) const;
    // P of the first row in table order with that id; empty when there is none.
    QString markerOf(std::int32_t id) const;

private:
    MemTable table_;
};

} // namespace kelvane
