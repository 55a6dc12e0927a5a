#include "app/storedtreemodel.h"
#include "app/storedtreeview.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <random>

using namespace kelvane;

namespace {

// One root, 50 classes of 40 objects, each object with 49 members: 100,051 nodes in pre-order.
StoredNodes largeTree() {
    StoredNodes nodes;
    const auto add = [&nodes](int parent, const QString& text) {
        StoredNode node;
        node.text = text;
        node.parent = parent;
        nodes.push_back(node);
        return static_cast<int>(nodes.size()) - 1;
    };
    const int root = add(-1, QStringLiteral("Конфигурация"));
    for (int c = 0; c < 50; ++c) {
        const int klass = add(root, QStringLiteral("Класс %1").arg(c));
        for (int o = 0; o < 40; ++o) {
            const int object = add(klass, QStringLiteral("Объект %1").arg(o));
            for (int m = 0; m < 49; ++m)
                add(object, QStringLiteral("Реквизит %1").arg(m));
        }
    }
    return nodes;
}

void FillModel(benchmark::State& state) {
    const StoredNodes nodes = largeTree();
    StoredTreeModel model;
    for (auto _ : state)
        model.setNodes(nodes);
    state.counters["nodes"] = static_cast<double>(nodes.size());
}
BENCHMARK(FillModel)->Unit(benchmark::kMillisecond);

void SelectByAbsoluteIndex(benchmark::State& state) {
    StoredTreeView view;
    view.resize(185, 500);
    view.setRowHeight(18);
    view.nodes().setNodes(largeTree());
    view.show();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, view.nodes().nodeCount() - 1);
    for (auto _ : state) {
        view.selectAbsoluteIndex(pick(random));
        QApplication::processEvents();
    }
}
BENCHMARK(SelectByAbsoluteIndex)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
