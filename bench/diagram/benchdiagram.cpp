// Redraw time of each drawing routine on the largest realistic cases, next to the fill of the
// whole surface alone.
#include "diagram/color.h"
#include "diagram/diagramhost.h"
#include "diagram/diagrams.h"
#include "diagram/surface.h"
#include "store/database.h"
#include "store/konfigtable.h"
#include "tools/builder/configuration.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace kelvane;

class CountingHost : public DiagramHost {
public:
    void setEd1(const QString&) override {}
    void setEd2(const QString&) override {}
    void recordVisit(std::int32_t, const QString&, const QString&) override { ++visits; }
    long visits = 0;
};

builder::Node node(const QString& name, std::vector<builder::Node> children = {}) {
    builder::Node n;
    n.name = name;
    n.children = std::move(children);
    return n;
}

std::vector<builder::Node> numbered(const QString& prefix, int count,
                                    std::vector<builder::Node> children = {}) {
    std::vector<builder::Node> nodes;
    for (int i = 1; i <= count; ++i)
        nodes.push_back(node(QStringLiteral("%1 номер %2").arg(prefix).arg(i), children));
    return nodes;
}

// Root with 35 classes; Справочники holds 240 catalogs; the catalog Большой has 60 attributes,
// 10 tabular sections of 30 attributes, 20 forms and 150 procedures; Широкий has 300 attributes.
builder::Node configuration() {
    std::vector<builder::Procedure> procedures;
    for (int i = 1; i <= 150; ++i)
        procedures.push_back({QStringLiteral("ОбработкаСобытия%1").arg(i),
                              i % 3 ? QStringLiteral("Процедура") : QStringLiteral("Функция")});
    builder::Node big =
        node(QStringLiteral("Большой"),
             {node(QStringLiteral("Реквизиты"), numbered(QStringLiteral("Реквизит"), 60)),
              node(QStringLiteral("Табличные части"),
                   numbered(QStringLiteral("Таблица"), 10, numbered(QStringLiteral("Поле"), 30))),
              node(QStringLiteral("Формы"), numbered(QStringLiteral("Форма"), 20))});
    big.procedures = std::move(procedures);
    std::vector<builder::Node> catalogs = numbered(QStringLiteral("Справочник"), 238);
    catalogs.push_back(std::move(big));
    catalogs.push_back(
        node(QStringLiteral("Широкий"),
             {node(QStringLiteral("Реквизиты"), numbered(QStringLiteral("Атрибут"), 300))}));
    std::vector<builder::Node> classes{node(QStringLiteral("Общие")),
                                       node(QStringLiteral("Справочники"), std::move(catalogs))};
    for (builder::Node& extra : numbered(QStringLiteral("Класс"), 33))
        classes.push_back(std::move(extra));
    return node(QStringLiteral("Конфигурация"), std::move(classes));
}

struct World {
    World() {
        const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
        const builder::Tables tables =
            builder::buildTables(builder::Configuration{configuration()});
        builder::writeTables(path, tables.all(), builder::Format::Sqlite);
        database.open(path);
        adoTable1.open(database);
        diagrams = std::make_unique<Diagrams>(database, adoTable1, host);
    }
    QTemporaryDir dir;
    Database database;
    KonfigTable adoTable1;
    CountingHost host;
    std::unique_ptr<Diagrams> diagrams;
};

World& world() {
    static World instance;
    return instance;
}

void BM_FillSurface(benchmark::State& state) {
    Surface& surface = world().diagrams->surface();
    for (auto _ : state) {
        surface.setBrushColor(bgr::Background);
        surface.fillRect(0, 0, Surface::Size, Surface::Size);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void redraw(benchmark::State& state, const QString& column, std::int64_t key,
            void (Diagrams::*routine)()) {
    World& w = world();
    w.adoTable1.locateInteger(column, key);
    for (auto _ : state)
        (w.diagrams.get()->*routine)();
}

// Locates by name the first row with that name and redraws its diagram.
void redrawNamed(benchmark::State& state, const char* name, void (Diagrams::*routine)()) {
    World& w = world();
    w.adoTable1.locate(QStringLiteral("name"), QString::fromUtf8(name), {true, false});
    for (auto _ : state)
        (w.diagrams.get()->*routine)();
}

void BM_RootWith35Classes(benchmark::State& state) {
    redraw(state, QStringLiteral("num"), 0, &Diagrams::diagramKorn);
}
void BM_ClassWith240Objects(benchmark::State& state) {
    redrawNamed(state, "Справочники", &Diagrams::diagramObject);
}
void BM_LargeObject(benchmark::State& state) {
    redrawNamed(state, "Большой", &Diagrams::diagramObject1);
}
void BM_AttributesNodeOf300(benchmark::State& state) {
    World& w = world();
    w.adoTable1.locate(QStringLiteral("name"), QStringLiteral("Широкий"), {true, false});
    // Реквизиты of Широкий is the row right after it in pre-order.
    const std::int64_t id = w.adoTable1.fieldAsInteger(0) + 1;
    redraw(state, QStringLiteral("id"), id, &Diagrams::diagramObject1);
}

BENCHMARK(BM_FillSurface)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RootWith35Classes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassWith240Objects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeObject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AttributesNodeOf300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
