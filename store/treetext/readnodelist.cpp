#include "store/treetext/readnodelist.h"

#include "store/error.h"
#include "store/treetext/cp1251.h"

#include <algorithm>

namespace kelvane {

namespace {

// A record holds five 32-bit fields, the child count and the text length byte before the text.
constexpr std::int32_t FixedRecordSize = 25;
constexpr std::int32_t MaxRecordSize = 280;

[[noreturn]] void streamReadError() {
    throw Error(QStringLiteral("Stream read error"));
}

std::int32_t int32At(const unsigned char* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

// Sets `descendants` from the parent links in one backward pass.
void countDescendants(StoredNodes& nodes) {
    for (auto i = static_cast<qsizetype>(nodes.size()) - 1; i >= 0; --i) {
        const int parent = nodes[i].parent;
        if (parent >= 0)
            nodes[parent].descendants += nodes[i].descendants + 1;
    }
}

class NodeListDecoder {
public:
    NodeListDecoder(const QByteArray& block, StoredNodes& nodes)
        : p_(reinterpret_cast<const unsigned char*>(block.constData()))
        , end_(p_ + block.size())
        , nodes_(nodes) {}

    void run() {
        std::int32_t roots = std::max(readInt32(), 0);
        int rootRow = 0;
        // One entry per open level: the node and how many of its children are still to come.
        struct Level {
            int node;
            std::int32_t remaining;
        };
        std::vector<Level> levels;
        for (;;) {
            int parent = -1;
            int row = 0;
            if (!levels.empty()) {
                Level& level = levels.back();
                if (level.remaining == 0) {
                    levels.pop_back();
                    continue;
                }
                --level.remaining;
                parent = level.node;
                row = nodes_[parent].childCount;
            } else {
                if (roots == 0)
                    break;
                --roots;
                row = rootRow++;
            }
            const std::int32_t children = readNode(parent, row);
            if (children > 0)
                levels.push_back({static_cast<int>(nodes_.size()) - 1, children});
        }
    }

private:
    std::int32_t readInt32() {
        if (end_ - p_ < 4)
            streamReadError();
        const std::int32_t value = int32At(p_);
        p_ += 4;
        return value;
    }

    // Reads one record, appends its node and returns its declared child count.
    std::int32_t readNode(int parent, int row) {
        const std::int32_t size = readInt32();
        if (size < FixedRecordSize || size > MaxRecordSize || end_ - p_ < size)
            streamReadError();
        const int length = p_[24];
        if (FixedRecordSize + length > size)
            streamReadError();
        StoredNode node;
        node.imageIndex = int32At(p_);
        node.selectedIndex = int32At(p_ + 4);
        node.stateIndex = int32At(p_ + 8);
        node.overlayIndex = int32At(p_ + 12);
        node.data = static_cast<std::uint32_t>(int32At(p_ + 16));
        const std::int32_t children = int32At(p_ + 20);
        node.text = cp1251::decode(reinterpret_cast<const char*>(p_ + 25), length);
        node.parent = parent;
        node.row = row;
        if (parent >= 0) {
            node.depth = nodes_[parent].depth + 1;
            ++nodes_[parent].childCount;
        }
        nodes_.push_back(std::move(node));
        p_ += size;
        return children;
    }

    const unsigned char* p_;
    const unsigned char* end_;
    StoredNodes& nodes_;
};

} // namespace

void ReadNodeListInto(const QByteArray& block, StoredNodes& nodes) {
    nodes.clear();
    nodes.reserve(static_cast<std::size_t>(block.size() / (4 + FixedRecordSize)));
    try {
        NodeListDecoder(block, nodes).run();
    } catch (const Error&) {
        countDescendants(nodes);
        throw;
    }
    countDescendants(nodes);
}

StoredNodes ReadNodeList(const QByteArray& block) {
    StoredNodes nodes;
    ReadNodeListInto(block, nodes);
    return nodes;
}

} // namespace kelvane
