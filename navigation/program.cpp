#include "navigation/program.h"

#include "navigation/errorsink.h"
#include "navigation/startup.h"

namespace kelvane {

Program::Program(NavigatorView& view, ErrorSink& sink)
    : view_(view)
    , sink_(sink)
    , tbstructura_(QStringLiteral("tbstructura"), database_,
                   QStringLiteral("SELECT * FROM structura"))
    , history_(state_, adoTable1_)
    , sections_(database_)
    , navigator_(state_, adoTable1_, history_, view_)
    , jumps_(adoTable1_, sections_, view_) {
    adoTable1_.setOnDataChange([this] { navigator_.DataSource1DataChange(); });
}

void Program::create(const QString& databasePath, MemTable& memKordinat) {
    openDataObjects(databasePath, database_, adoTable1_, tbstructura_, history_.MemNavig(), sink_);
    memKordinat.open();
    FormCreate();
}

void Program::FormCreate() {
    kelvane::FormCreate(state_);
}

void Program::FormShow(const std::function<void(Query& tbstructura)>& loadTree) {
    run([&] {
        kelvane::FormShow(state_, view_, sections_, adoTable1_, [&] {
            if (loadTree)
                loadTree(tbstructura_);
        });
    });
}

void Program::run(const std::function<void()>& handler) {
    runHandler(sink_, handler);
}

} // namespace kelvane
