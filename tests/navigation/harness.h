#pragma once

#include "navigation/program.h"
#include "store/memtable.h"
#include "tests/navigation/fakes.h"
#include "tests/navigation/fixture.h"

namespace kelvane::test {

// The program over a fixture database with a fake window and fake drawing routines, created as
// the window is built; start() then runs the first show.
struct Harness {
    explicit Harness(const std::vector<KonfigRow>& rows)
        : base(rows) {
        program.setRoutines(diagrams.routines());
        program.create(base.path(), memKordinat);
    }
    void start() { program.FormShow({}); }
    void run(const std::function<void()>& handler) { program.run(handler); }
    std::vector<qlonglong> historyColumn(int position) const {
        std::vector<qlonglong> values;
        const MemTable& table = program.history().MemNavig();
        for (int row = 0; row < table.recordCount(); ++row)
            values.push_back(table.value(row, position).toLongLong());
        return values;
    }
    std::int64_t currentId() const { return program.ADOTable1().fieldAsInteger(konfig::Id); }

    FixtureBase base;
    FakeView view;
    ErrorRecorder errors;
    mutable Program program{view, errors};
    FakeDiagrams diagrams{program.ADOTable1(), program.navigator()};
    MemTable memKordinat{
        QStringLiteral("MemKordinat"), {{QStringLiteral("id"), MemTable::Kind::Integer}}, false};
};

// A small consistent configuration: root, Общие with two classes, two metadata classes, and
// objects below them (num = pre-order index, id_parent = the parent's num).
inline std::vector<KonfigRow> smallConfiguration() {
    return {
        {0, 0, QStringLiteral("Конфигурация"), 0, 17},
        {1, 0, QStringLiteral("Общие"), 1, 2},
        {2, 1, QStringLiteral("Подсистемы"), 2, 0},
        {3, 1, QStringLiteral("Роли"), 8, 1},
        {4, 3, QStringLiteral("Администратор"), 9, 0},
        {5, 0, QStringLiteral("Справочники"), 43, 1},
        {6, 5, QStringLiteral("Номенклатура"), 44, 0},
        {7, 0, QStringLiteral("Планы cчетов"), 66, 0},
    };
}

} // namespace kelvane::test
