// The cost of reading a Jet Baza.mdb in a child process: the same 100,000-row synthetic file
// loaded in this process and through Database::open, which reads it in a child and takes the
// serialised tables over a pipe.
#include "store/configurationloader.h"
#include "store/database.h"
#include "store/jetreader.h"
#include "store/russiancollation.h"
#include "tools/builder/configuration.h"
#include "tools/builder/synthetic.h"

#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int SyntheticRows = 100000;

const QString& syntheticFile() {
    static const QString path = [] {
        const QString file = QDir::temp().filePath(
            QStringLiteral("kelvane-bench-isolation-%1/Baza.mdb").arg(SyntheticRows));
        QDir().mkpath(QFileInfo(file).path());
        if (!QFileInfo::exists(file)) {
            using namespace kelvane::builder;
            writeTables(file, buildTables(syntheticConfiguration(SyntheticRows)).all(),
                        Format::Jet);
        }
        return file;
    }();
    return path;
}

void BM_LoadInProcess(benchmark::State& state) {
    for (auto _ : state) {
        sqlite3* engine = nullptr;
        sqlite3_open(":memory:", &engine);
        kelvane::registerRussianCollation(engine);
        kelvane::JetReader reader(syntheticFile());
        benchmark::DoNotOptimize(kelvane::ConfigurationLoader(reader, engine).load());
        sqlite3_close(engine);
    }
}
BENCHMARK(BM_LoadInProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_LoadIsolated(benchmark::State& state) {
    for (auto _ : state) {
        kelvane::Database database;
        database.open(syntheticFile());
        benchmark::DoNotOptimize(database.engine());
    }
}
BENCHMARK(BM_LoadIsolated)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
