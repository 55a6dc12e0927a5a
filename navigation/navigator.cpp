#include "navigation/navigator.h"

#include "navigation/history.h"
#include "navigation/navigatorview.h"
#include "navigation/programstate.h"
#include "store/konfigcolumns.h"
#include "store/konfigtable.h"

namespace kelvane {

Navigator::Navigator(ProgramState& state, KonfigTable& adoTable1, History& history,
                     NavigatorView& view)
    : state_(state)
    , adoTable1_(adoTable1)
    , history_(history)
    , view_(view) {}

void Navigator::TreeView1Click(std::optional<int> selected) {
    if (!selected)
        return;
    adoTable1_.locate(QStringLiteral("num"), QString::number(*selected), {true, true});
}

void Navigator::DataSource1DataChange() {
    // An empty table has no row to show.
    if (adoTable1_.currentRow() < 0)
        return;
    const std::int32_t num = adoTable1_.fieldAsInt32(konfig::Num);
    if (state_.TreeSyncEnabled == 1) {
        view_.focusTree();
        view_.selectAbsoluteIndex(num);
    }
    state_.CurrentNum = num;
    state_.CurrentParent = adoTable1_.fieldAsInt32(konfig::IdParent);

    const auto run = [](const std::function<void()>& routine) {
        if (routine)
            routine();
    };
    const QString name = adoTable1_.fieldAsText(konfig::Name);
    QString caption;
    if (state_.CurrentNum == 0 && state_.CurrentParent == 0) {
        run(routines_.DiagramKorn);
        caption = name + QStringLiteral(" ( 17 )");
    } else if (state_.CurrentNum == 1 && state_.CurrentParent == 0) {
        run(routines_.DiagramObshie);
        caption = name + QStringLiteral(" ( 17 )");
    } else if (state_.CurrentParent == 0 || state_.CurrentParent == 1) {
        run(routines_.DiagramObject);
        caption = name + QStringLiteral(" ( ") +
                  QString::number(adoTable1_.fieldAsInteger(konfig::Col1)) + QStringLiteral(" )");
    } else {
        run(routines_.DiagramObject1);
        caption = name;
    }
    view_.setTab1Caption(caption);
    view_.setTab1Icon(adoTable1_.fieldAsInt32(konfig::ImageIndex));
}

void Navigator::setEd1(const QString& path) {
    view_.setEd1(path);
}

void Navigator::setEd2(const QString& name) {
    view_.setEd2(name);
}

void Navigator::recordVisit(std::int32_t idrec, const QString& namelite, const QString& nameful) {
    history_.RecordVisit(idrec, namelite, nameful);
}

} // namespace kelvane
