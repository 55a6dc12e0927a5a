// Reading a stored tree text of 100,000 nodes, against a loop that only decodes its hex pairs.
#include "store/treetext/cp1251.h"
#include "store/treetext/recordingtreeview.h"
#include "store/treetext/stringtocomponent.h"

#include <QtEndian>
#include <benchmark/benchmark.h>

namespace {

void appendInt32(QByteArray& bytes, std::int32_t value) {
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void appendEntry(QByteArray& bytes, const QString& text, std::int32_t children) {
    const QByteArray name = kelvane::cp1251::encode(text);
    appendInt32(bytes, 25 + static_cast<std::int32_t>(name.size()));
    appendInt32(bytes, 7);
    appendInt32(bytes, 7);
    appendInt32(bytes, -1);
    appendInt32(bytes, -1);
    appendInt32(bytes, 0);
    appendInt32(bytes, children);
    bytes.append(static_cast<char>(name.size()));
    bytes.append(name);
}

// One root, 100 classes, 99,899 objects below them: 100,000 nodes in pre-order.
QByteArray nodeList() {
    QByteArray bytes;
    appendInt32(bytes, 1);
    appendEntry(bytes, QStringLiteral("Конфигурация"), 100);
    for (int c = 0; c < 100; ++c) {
        const int objects = c == 99 ? 998 : 999;
        appendEntry(bytes, QStringLiteral("Класс %1").arg(c), objects);
        for (int o = 0; o < objects; ++o)
            appendEntry(bytes, QStringLiteral("Объект%1").arg(o), 0);
    }
    return bytes;
}

// The component text in the builder's shape: property lines, then lines of 64 hex digits.
const QByteArray& storedText() {
    static const QByteArray text = [] {
        const QByteArray block = nodeList();
        QByteArray t = "object TreeView1: TTreeView\r\n  Left = 0\r\n  Align = alClient\r\n"
                       "  Images = Form1.ImageList1\r\n  Items.Data = {\r\n";
        for (qsizetype at = 0; at < block.size(); at += 32)
            t += "    " + block.mid(at, 32).toHex().toUpper() +
                 (at + 32 < block.size() ? "\r\n" : "}\r\n");
        return t + "end\r\n";
    }();
    return text;
}

void BM_StringToComponent(benchmark::State& state) {
    const QByteArray& text = storedText();
    for (auto _ : state) {
        kelvane::RecordingTreeView tree;
        kelvane::StringToComponent(text, tree);
        benchmark::DoNotOptimize(tree.nodes().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_StringToComponent)->Unit(benchmark::kMillisecond);

int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The floor: one pass turning the hex pairs of the same text into bytes, skipping the rest.
void BM_HexPairsOnly(benchmark::State& state) {
    const QByteArray& text = storedText();
    signed char table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<signed char>(hexValue(static_cast<unsigned char>(i)));
    QByteArray out(text.size() / 2, Qt::Uninitialized);
    for (auto _ : state) {
        const auto* p = reinterpret_cast<const unsigned char*>(text.constData());
        const auto* end = p + text.size();
        char* o = out.data();
        while (end - p >= 2) {
            const int high = table[p[0]];
            const int low = table[p[1]];
            if ((high | low) < 0) {
                ++p;
                continue;
            }
            *o++ = static_cast<char>((high << 4) | low);
            p += 2;
        }
        benchmark::DoNotOptimize(o);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
    state.counters["text_MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_HexPairsOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
