#pragma once

#include "navigation/diagramroutines.h"
#include "navigation/history.h"
#include "navigation/jumps.h"
#include "navigation/navigator.h"
#include "navigation/programstate.h"
#include "navigation/sectionindex.h"
#include "store/database.h"
#include "store/konfigtable.h"
#include "store/memtable.h"
#include "store/query.h"

#include <QString>
#include <functional>

namespace kelvane {

class ErrorSink;
class NavigatorView;

// The main window's data objects, program state and navigation handlers, without widgets.
// Use: construct, create the Diagrams over database()/ADOTable1()/navigator() and pass their
// routines, then create() while the window is built and FormShow() at its first show.
class Program {
public:
    Program(NavigatorView& view, ErrorSink& sink);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void setRoutines(DiagramRoutines routines) { navigator_.setRoutines(std::move(routines)); }

    // Window creation: opens the connection to `databasePath`, ADOTable1 (which runs
    // DataSource1DataChange once) and tbstructura, each failure shown and passed over; opens
    // MemKordinat (the diagrams' hit regions) and MemNavig empty; then FormCreate.
    void create(const QString& databasePath, MemTable& memKordinat);
    void FormCreate();
    // The first show. `loadTree` fills TreeView1 from tbstructura (LoadTree); every error is
    // shown and stops the sequence.
    void FormShow(const std::function<void(Query& tbstructura)>& loadTree);

    // Runs a handler the way every event handler runs: an error is shown and ends it.
    void run(const std::function<void()>& handler);

    ProgramState& state() { return state_; }
    Database& database() { return database_; }
    KonfigTable& ADOTable1() { return adoTable1_; }
    Query& tbstructura() { return tbstructura_; }
    History& history() { return history_; }
    SectionIndex& sections() { return sections_; }
    Navigator& navigator() { return navigator_; }
    Jumps& jumps() { return jumps_; }

private:
    NavigatorView& view_;
    ErrorSink& sink_;
    ProgramState state_;
    Database database_;
    KonfigTable adoTable1_;
    Query tbstructura_;
    History history_;
    SectionIndex sections_;
    Navigator navigator_;
    Jumps jumps_;
};

} // namespace kelvane
