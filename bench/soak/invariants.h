#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <unordered_set>

namespace kelvane {

class Diagrams;
class LoadedTreeView;
class Program;

namespace soak {

// The checks that must hold after every navigation step; each broken one adds a line to
// `problems`.
struct Invariants {
    // Ids of every konfigtree row: hit regions without a P marker must name one of them.
    std::unordered_set<std::int64_t> rowIds;
    // False once an entry was deleted since the history was last cleared.
    bool historyUnbroken = true;
    // Regions that lie partly beyond the surface, as the layout puts long lists there.
    long offSurfaceRegions = 0;

    void check(Program& program, const LoadedTreeView& view, Diagrams& diagrams,
               QStringList& problems);

private:
    void checkSelection(Program& program, const LoadedTreeView& view, QStringList& problems);
    void checkRegions(Diagrams& diagrams, QStringList& problems);
    void checkHistory(Program& program, QStringList& problems);
};

} // namespace soak
} // namespace kelvane
