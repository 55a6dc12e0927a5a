#include "tools/jetwriter/jetwriter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using kelvane::jet::ColumnSpec;
using kelvane::jet::ColumnType;
using kelvane::jet::TableSpec;
using kelvane::jet::Value;

// A table shaped like konfigtree: 28 columns, Cyrillic names, a memo in every tenth row.
TableSpec konfigtreeLike(int rowCount) {
    TableSpec table{QStringLiteral("konfigtree"), {}, {}};
    const auto add = [&](const char* name, ColumnType type, int length = 255) {
        table.columns.push_back({QString::fromLatin1(name), type, length});
    };
    add("id", ColumnType::AutoNumber);
    add("num", ColumnType::Long);
    add("id_parent", ColumnType::Long);
    add("name", ColumnType::Text);
    add("imageindex", ColumnType::Long);
    add("type", ColumnType::Text, 5);
    add("formimage", ColumnType::Ole);
    add("modtext", ColumnType::Memo);
    add("spravtext", ColumnType::Memo);
    add("col1", ColumnType::Integer);
    for (const char* name : {"colgraf", "colzhach", "colizmer", "colresur", "colrecv", "coltabl",
                             "colform", "comacet", "colperer"}) {
        add(name, ColumnType::Integer);
    }
    for (const char* name : {"cinonim", "komment", "podsistem"}) {
        add(name, ColumnType::Text);
    }
    add("imageindextype", ColumnType::Integer);
    for (const char* name :
         {"stringtype", "ispolzov", "indexirov", "polnotpoisk", "rezimuprblok"}) {
        add(name, ColumnType::Text);
    }
    const QString module =
        QString::fromUtf8("Процедура ПриЗаписи(Отказ)\n\tКонецПроцедуры\n").repeated(12);
    for (int i = 0; i < rowCount; ++i) {
        std::vector<Value> row;
        row.reserve(table.columns.size());
        row.insert(row.end(), {std::int64_t{i + 1},
                               std::int64_t{i},
                               std::int64_t{i / 20},
                               QString::fromUtf8("Реквизит%1").arg(i),
                               std::int64_t{i % 94},
                               QString::fromUtf8("Стр"),
                               {},
                               i % 10 == 0 ? Value(module) : Value(),
                               {},
                               std::int64_t{i % 100}});
        for (int c = 0; c < 9; ++c) {
            row.push_back(std::int64_t{c});
        }
        row.insert(row.end(),
                   {QString::fromUtf8("Синоним %1").arg(i), QString(), {}, std::int64_t{i % 40}});
        for (int c = 0; c < 5; ++c) {
            row.push_back(c % 2 ? Value(QString::fromUtf8("Да")) : Value());
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

void BM_WriteKonfigtree(benchmark::State& state) {
    const std::vector<TableSpec> tables{konfigtreeLike(static_cast<int>(state.range(0)))};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    for (auto _ : state) {
        kelvane::jet::writeDatabase(path, tables);
    }
    const double bytes = static_cast<double>(QFileInfo(path).size());
    state.counters["file_MB"] = bytes / 1e6;
    state.counters["rows_per_s"] = benchmark::Counter(static_cast<double>(state.range(0)) *
                                                          static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteKonfigtree)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteLongMemo(benchmark::State& state) {
    const std::vector<TableSpec> tables{
        {QStringLiteral("structura"),
         {{QStringLiteral("id"), ColumnType::Long}, {QStringLiteral("text"), ColumnType::Memo}},
         {{std::int64_t{1}, QString(static_cast<qsizetype>(state.range(0)), QChar(0x0416))}}}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
    for (auto _ : state) {
        kelvane::jet::writeDatabase(path, tables);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(BM_WriteLongMemo)->Arg(4'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
