#include "bench/soak/soakrun.h"

#include "diagram/hitregions.h"
#include "diagram/surfaceclicks.h"
#include "navigation/clipboard.h"
#include "navigation/popmenentries.h"
#include "navigation/toolbarbuttons.h"
#include "store/konfigcolumns.h"
#include "store/treetext/loadtree.h"

namespace kelvane::soak {

SoakRun::SoakRun(const QString& databasePath, std::uint32_t seed)
    : random_(seed) {
    program_.setRoutines(routinesOf(diagrams_));
    program_.create(databasePath, diagrams_.hitRegions().MemKordinat());
    program_.FormShow([this](Query& tbstructura) { LoadTree(tbstructura, view_.tree()); });
    const ResultSet& rows = program_.ADOTable1().result();
    for (int row = 0; row < rows.rowCount(); ++row)
        invariants_.rowIds.insert(rows.integer(row, konfig::Id));
}

int SoakRun::below(int count) {
    return count <= 0 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(random_);
}

void SoakRun::step() {
    const int action = below(20);
    program_.run([&] {
        if (action < 6)
            clickTree();
        else if (action < 12)
            clickDiagram();
        else if (action < 14)
            pressToolbarButton();
        else if (action < 16)
            chooseMenuEntry();
        else if (action < 19)
            pressHistoryButton();
        else
            copyName();
    });
    invariants_.check(program_, view_, diagrams_, broken_);
}

void SoakRun::clickTree() {
    program_.navigator().TreeView1Click(below(static_cast<int>(view_.nodes().size())));
}

void SoakRun::clickDiagram() {
    const MemTable& regions = diagrams_.hitRegions().MemKordinat();
    if (regions.recordCount() == 0) {
        clickTree();
        return;
    }
    const int row = below(regions.recordCount());
    const auto at = [&](int column) { return regions.value(row, column).toInt(); };
    diagrams_.clicks().Image1MouseUp(Qt::LeftButton, (at(HitRegions::X1) + at(HitRegions::X2)) / 2,
                                     (at(HitRegions::Y1) + at(HitRegions::Y2)) / 2);
}

void SoakRun::pressToolbarButton() {
    const auto& buttons = toolbarButtons();
    const ToolbarButton& button =
        buttons[static_cast<std::size_t>(below(static_cast<int>(buttons.size())))];
    if (button.handler == ToolbarButton::Handler::dxBarButton1Click)
        program_.jumps().dxBarButton1Click();
    else
        program_.jumps().dxBarButton2Click(button.caption);
}

void SoakRun::chooseMenuEntry() {
    const auto& entries = popMenEntries();
    program_.jumps().choose(
        entries[static_cast<std::size_t>(below(static_cast<int>(entries.size())))]);
}

void SoakRun::pressHistoryButton() {
    History& history = program_.history();
    switch (below(5)) {
    case 0:
        history.ButNav1Click();
        invariants_.historyUnbroken = true;
        break;
    case 1:
        if (history.MemNavig().recordCount() > 0)
            invariants_.historyUnbroken = false;
        history.ButNav2Click();
        break;
    case 2:
        history.ButNav3Click();
        break;
    case 3:
        history.ButNav4Click();
        break;
    default:
        history.ButNav5Click();
        break;
    }
}

void SoakRun::copyName() {
    SpeedButton1Click(view_.ed2());
}

QStringList SoakRun::problems() const {
    return log_.messages + broken_;
}

} // namespace kelvane::soak
