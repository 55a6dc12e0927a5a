#include "navigation/history.h"

#include "navigation/programstate.h"
#include "store/konfigtable.h"

namespace kelvane {

History::History(ProgramState& state, KonfigTable& adoTable1)
    : state_(state)
    , adoTable1_(adoTable1)
    , memNavig_(QStringLiteral("MemNavig"),
                {{QStringLiteral("id"), MemTable::Kind::Integer},
                 {QStringLiteral("idrec"), MemTable::Kind::Integer},
                 {QStringLiteral("num"), MemTable::Kind::Integer},
                 {QStringLiteral("namelite"), MemTable::Kind::Text},
                 {QStringLiteral("nameful"), MemTable::Kind::Text}},
                true) {
    memNavig_.setOnDataChange([this] { dsMemNavigDataChange(); });
}

void History::setOnButtonStates(std::function<void(const NavButtonStates&)> handler) {
    onButtonStates_ = std::move(handler);
    if (onButtonStates_)
        onButtonStates_(states_);
}

void History::RecordVisit(std::int32_t idrec, const QString& namelite, const QString& nameful) {
    if (!memNavig_.isOpen())
        return;
    memNavig_.insert(
        {QVariant(idrec), QVariant(state_.VisitCounter), QVariant(namelite), QVariant(nameful)});
    ++state_.VisitCounter;
}

void History::ButNav1Click() {
    if (memNavig_.recordCount() == 0)
        return;
    memNavig_.first();
    while (memNavig_.recordCount() > 0)
        memNavig_.deleteCurrent();
    state_.VisitCounter = 1;
}

void History::ButNav2Click() {
    if (memNavig_.recordCount() > 0)
        memNavig_.deleteCurrent();
}

void History::ButNav3Click() {
    if (memNavig_.recordCount() > 0)
        memNavig_.prior();
}

void History::ButNav4Click() {
    if (memNavig_.recordCount() > 0)
        memNavig_.next();
}

void History::ButNav5Click() {
    if (memNavig_.recordCount() > 0)
        adoTable1_.locateInteger(QStringLiteral("id"), memNavig_.fieldAsInteger(IdRec));
}

void History::dsMemNavigDataChange() {
    NavButtonStates states;
    const int count = memNavig_.isOpen() ? memNavig_.recordCount() : 0;
    if (count > 0) {
        states = {true, true, true, true};
        if (memNavig_.recNo() == 1)
            states.ButNav3 = false;
        if (memNavig_.recNo() == count)
            states.ButNav4 = false;
    }
    states_ = states;
    if (onButtonStates_)
        onButtonStates_(states_);
}

} // namespace kelvane
