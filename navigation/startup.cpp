#include "navigation/startup.h"

#include "navigation/errorsink.h"
#include "navigation/navigatorview.h"
#include "navigation/programstate.h"
#include "navigation/sectionindex.h"
#include "store/database.h"
#include "store/error.h"
#include "store/konfigtable.h"
#include "store/memtable.h"
#include "store/query.h"

namespace kelvane {

void openDataObjects(const QString& databasePath, Database& database, KonfigTable& adoTable1,
                     Query& tbstructura, MemTable& memNavig, ErrorSink& sink) {
    runHandler(sink, [&] { database.open(databasePath); });
    runHandler(sink, [&] { adoTable1.open(database); });
    runHandler(sink, [&] { tbstructura.open(); });
    memNavig.open();
}

void FormCreate(ProgramState& state) {
    state.TreeSyncEnabled = 0;
    state.VisitCounter = 1;
}

void FormShow(ProgramState& state, NavigatorView& view, SectionIndex& sections,
              KonfigTable& adoTable1, const std::function<void()>& loadTree) {
    if (loadTree)
        loadTree();
    view.setTreeRowHeight(18);

    // The first child of the first node is the node at absolute index 1.
    const std::optional<int> children = view.firstNodeChildCount();
    if (!children)
        throw Error(QStringLiteral("Invalid index"));
    if (*children == 0)
        throw Error(QStringLiteral("List index out of bounds (%1)").arg(0));
    view.selectAbsoluteIndex(1);

    state.TreeSyncEnabled = 1;
    sections.LoadRazdel();
    adoTable1.next();
    view.hideTab2AndTab3();
}

} // namespace kelvane
