// Speed of generating, tabulating and writing large synthetic configurations.
#include "tools/builder/configuration.h"
#include "tools/builder/synthetic.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kelvane::builder;

static void Generate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(syntheticConfiguration(static_cast<int>(state.range(0))));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Generate)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BuildTables(benchmark::State& state) {
    const Configuration configuration = syntheticConfiguration(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(buildTables(configuration));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BuildTables)->Arg(100000)->Unit(benchmark::kMillisecond);

static void Write(benchmark::State& state, Format format) {
    const auto tables = buildTables(syntheticConfiguration(static_cast<int>(state.range(0)))).all();
    QTemporaryDir dir;
    for (auto _ : state)
        writeTables(dir.filePath(QStringLiteral("Baza")), tables, format);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK_CAPTURE(Write, Sqlite, Format::Sqlite)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Write, Jet, Format::Jet)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
