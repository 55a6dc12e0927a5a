#pragma once

#include "store/memtable.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace kelvane {

class KonfigTable;
struct ProgramState;

// Enabled states of the history buttons; ButNav1 is never disabled.
struct NavButtonStates {
    bool ButNav2 = false;
    bool ButNav3 = false;
    bool ButNav4 = false;
    bool ButNav5 = false;
    bool operator==(const NavButtonStates&) const = default;
};

// The navigation history: MemNavig (id, idrec, num, namelite, nameful), the visit recorded by
// every drawing and the five buttons of the page "История навигации".
class History {
public:
    // Column positions of MemNavig.
    static constexpr int Id = 0;
    static constexpr int IdRec = 1;
    static constexpr int Num = 2;
    static constexpr int NameLite = 3;
    static constexpr int NameFul = 4;

    History(ProgramState& state, KonfigTable& adoTable1);

    MemTable& MemNavig() { return memNavig_; }
    const MemTable& MemNavig() const { return memNavig_; }

    // Appends an entry numbered VisitCounter; does nothing while MemNavig is closed.
    void RecordVisit(std::int32_t idrec, const QString& namelite, const QString& nameful);

    void ButNav1Click(); // clear the list and restart the numbering
    void ButNav2Click(); // delete the selected entry
    void ButNav3Click(); // previous entry
    void ButNav4Click(); // next entry
    void ButNav5Click(); // show the selected entry's record again

    // Recomputes the button states after every change of MemNavig and reports them.
    void dsMemNavigDataChange();
    const NavButtonStates& buttonStates() const { return states_; }
    void setOnButtonStates(std::function<void(const NavButtonStates&)> handler);

private:
    ProgramState& state_;
    KonfigTable& adoTable1_;
    MemTable memNavig_;
    NavButtonStates states_;
    std::function<void(const NavButtonStates&)> onButtonStates_;
};

} // namespace kelvane
