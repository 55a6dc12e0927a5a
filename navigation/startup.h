#pragma once

#include <QString>
#include <functional>

namespace kelvane {

class Database;
class ErrorSink;
class KonfigTable;
class MemTable;
class NavigatorView;
class Query;
class SectionIndex;
struct ProgramState;

// While the window is built: the connection, then ADOTable1 (whose opening runs its change
// notification once) and tbstructura; each failure is shown through the sink and passed over.
// Then MemNavig opens empty.
void openDataObjects(const QString& databasePath, Database& database, KonfigTable& adoTable1,
                     Query& tbstructura, MemTable& memNavig, ErrorSink& sink);

// The window's creation handler: TreeSyncEnabled := 0, VisitCounter := 1.
void FormCreate(ProgramState& state);

// The first show: LoadTree, the row height, the first child of the first node, TreeSyncEnabled,
// LoadRazdel, ADOTable1.next and the hidden pages. Throws at the first failing step.
void FormShow(ProgramState& state, NavigatorView& view, SectionIndex& sections,
              KonfigTable& adoTable1, const std::function<void()>& loadTree);

} // namespace kelvane
