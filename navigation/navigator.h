#pragma once

#include "diagram/diagramhost.h"
#include "navigation/diagramroutines.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kelvane {

class History;
class KonfigTable;
class NavigatorView;
struct ProgramState;

// Keeps the tree selection and the current konfigtree row in step and chooses the diagram of
// each row. As the drawing routines' host it passes Ed1/Ed2 to the view and visits to History.
class Navigator : public DiagramHost {
public:
    Navigator(ProgramState& state, KonfigTable& adoTable1, History& history, NavigatorView& view);

    void setRoutines(DiagramRoutines routines) { routines_ = std::move(routines); }

    // A click in the tree; `selected` is the absolute index of the selected node, if any.
    void TreeView1Click(std::optional<int> selected);
    // The change notification of ADOTable1.
    void DataSource1DataChange();

    void setEd1(const QString& path) override;
    void setEd2(const QString& name) override;
    void recordVisit(std::int32_t idrec, const QString& namelite, const QString& nameful) override;

private:
    ProgramState& state_;
    KonfigTable& adoTable1_;
    History& history_;
    NavigatorView& view_;
    DiagramRoutines routines_;
};

} // namespace kelvane
