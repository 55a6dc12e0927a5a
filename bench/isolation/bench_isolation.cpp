// The cost of reading a Jet Baza.mdb in a child process: the same 100,000-row synthetic file
// loaded in this process and through Database::open, which reads it in a child and takes the
// serialised tables over a pipe. The counter cpu_ms is the processor time of both processes per
// load, which on a busy machine says more than the wall time.
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
#include <sys/resource.h>

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

// Processor time so far of this process and of its waited-for children, in milliseconds.
double processorMilliseconds() {
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& time : {usage.ru_utime, usage.ru_stime})
            total +=
                static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    }
    return total;
}

void countProcessorTime(benchmark::State& state, double start) {
    state.counters["cpu_ms"] = benchmark::Counter((processorMilliseconds() - start) /
                                                  static_cast<double>(state.iterations()));
}

void BM_LoadInProcess(benchmark::State& state) {
    syntheticFile();
    const double start = processorMilliseconds();
    for (auto _ : state) {
        sqlite3* engine = nullptr;
        sqlite3_open(":memory:", &engine);
        kelvane::registerRussianCollation(engine);
        kelvane::JetReader reader(syntheticFile());
        benchmark::DoNotOptimize(kelvane::ConfigurationLoader(reader, engine).load());
        sqlite3_close(engine);
    }
    countProcessorTime(state, start);
}
BENCHMARK(BM_LoadInProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_LoadIsolated(benchmark::State& state) {
    syntheticFile();
    const double start = processorMilliseconds();
    for (auto _ : state) {
        kelvane::Database database;
        database.open(syntheticFile());
        benchmark::DoNotOptimize(database.engine());
    }
    countProcessorTime(state, start);
}
BENCHMARK(BM_LoadIsolated)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
