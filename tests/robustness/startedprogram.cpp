#include "tests/robustness/startedprogram.h"

#include "diagram/hitregions.h"
#include "store/treetext/loadtree.h"

namespace kelvane::test {

StartedProgram::StartedProgram(const QString& databasePath,
                               std::chrono::milliseconds importTimeout) {
    program.database().setImportTimeout(importTimeout);
    program.setRoutines(routinesOf(diagrams));
    program.create(databasePath, diagrams.hitRegions().MemKordinat());
    program.FormShow([this](Query& tbstructura) { LoadTree(tbstructura, view.tree()); });
}

} // namespace kelvane::test
