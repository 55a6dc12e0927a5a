// Loads a 100,000-row synthetic Jet Baza.mdb made by kelvane-build, compares the time with an
// export of the same three tables by the command-line exporter, and times batches of locates.

#include "store/database.h"
#include "store/error.h"
#include "store/konfigcolumns.h"
#include "store/konfigtable.h"

#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr int SyntheticRows = 100000;

QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

int run(const QString& command) {
    return std::system(command.toLocal8Bit().constData());
}

// The synthetic file, made once per run; empty when the generator is not available.
const QString& syntheticFile() {
    static const QString path = [] {
        const QString file = QDir::temp().filePath(
            QStringLiteral("kelvane-bench-store-%1/Baza.mdb").arg(SyntheticRows));
        QDir().mkpath(QFileInfo(file).path());
        if (QFileInfo::exists(file))
            return file;
        const QString tool = QStringLiteral(KELVANE_BUILD_TOOL);
        if (!QFileInfo(tool).isExecutable())
            return QString();
        const int rc = run(QStringLiteral("%1 --synthetic %2 %3 > /dev/null")
                               .arg(shellQuoted(tool))
                               .arg(SyntheticRows)
                               .arg(shellQuoted(file)));
        return rc == 0 ? file : QString();
    }();
    return path;
}

bool requireFile(benchmark::State& state) {
    if (syntheticFile().isEmpty()) {
        state.SkipWithError("kelvane-build --synthetic is not available: no file to load");
        return false;
    }
    return true;
}

void BM_LoadJetBaza(benchmark::State& state) {
    if (!requireFile(state))
        return;
    for (auto _ : state) {
        kelvane::Database database;
        database.open(syntheticFile());
        benchmark::DoNotOptimize(database.engine());
    }
}
BENCHMARK(BM_LoadJetBaza)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ExportThreeTables(benchmark::State& state) {
    if (!requireFile(state))
        return;
    const QString file = shellQuoted(syntheticFile());
    const QString command =
        QStringLiteral("mdb-export %1 konfigtree > /dev/null && mdb-export %1 structura > "
                       "/dev/null && mdb-export %1 prosedur > /dev/null")
            .arg(file);
    for (auto _ : state)
        if (run(command) != 0)
            state.SkipWithError("mdb-export failed");
}
BENCHMARK(BM_ExportThreeTables)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// 10,000 locates per iteration: by num, by id and by name in turn, over rows spread through
// the table.
void BM_Locate10000(benchmark::State& state) {
    if (!requireFile(state))
        return;
    kelvane::Database database;
    database.open(syntheticFile());
    kelvane::KonfigTable table;
    table.open(database);
    const int count = table.recordCount();
    std::vector<std::int64_t> nums;
    std::vector<std::int64_t> ids;
    std::vector<QString> names;
    for (int i = 0; i < 3334; ++i) {
        const int row = static_cast<int>((static_cast<long long>(i) * 7919) % count);
        nums.push_back(table.result().integer(row, kelvane::konfig::Num));
        ids.push_back(table.result().integer(row, kelvane::konfig::Id));
        names.push_back(table.result().text(row, kelvane::konfig::Name).toUpper());
    }
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < 10000; ++i) {
            const auto k = static_cast<std::size_t>(i / 3);
            switch (i % 3) {
            case 0:
                found += table.locateInteger(QStringLiteral("num"), nums[k]);
                break;
            case 1:
                found += table.locateInteger(QStringLiteral("id"), ids[k]);
                break;
            default:
                found += table.locate(QStringLiteral("name"), names[k], {true, false});
            }
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_Locate10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
