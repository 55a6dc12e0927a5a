#include "store/treetext/sortnodes.h"

#include <algorithm>

namespace kelvane {

namespace {

void sortByText(const StoredNodes& nodes, std::vector<int>::iterator begin,
                std::vector<int>::iterator end) {
    std::stable_sort(begin, end, [&nodes](int a, int b) {
        return QString::localeAwareCompare(nodes[a].text, nodes[b].text) < 0;
    });
}

} // namespace

StoredNodes sortNodesByText(const StoredNodes& nodes) {
    const int count = static_cast<int>(nodes.size());
    // Sorted children of every node in one array: node i's children are order[first[i] ..
    // first[i] + childCount); the roots are order[rootsBegin ..].
    std::vector<int> order;
    order.reserve(nodes.size());
    std::vector<int> first(nodes.size());
    auto appendSorted = [&](int firstChild, int childCount) {
        const auto begin = static_cast<std::ptrdiff_t>(order.size());
        for (int c = firstChild, k = 0; k < childCount; ++k) {
            order.push_back(c);
            c += 1 + nodes[c].descendants;
        }
        sortByText(nodes, order.begin() + begin, order.end());
    };
    for (int i = 0; i < count; ++i) {
        first[i] = static_cast<int>(order.size());
        appendSorted(i + 1, nodes[i].childCount);
    }
    const int rootsBegin = static_cast<int>(order.size());
    int roots = 0;
    for (int c = 0; c < count; c += 1 + nodes[c].descendants)
        ++roots;
    appendSorted(0, roots);

    StoredNodes sorted;
    sorted.reserve(nodes.size());
    struct Level {
        int parent; // index in `sorted`, -1 for the roots
        int begin;  // positions in `order`
        int next;
        int end;
    };
    std::vector<Level> levels{{-1, rootsBegin, rootsBegin, rootsBegin + roots}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.end) {
            levels.pop_back();
            continue;
        }
        const int parent = level.parent;
        const int row = level.next - level.begin;
        const int old = order[level.next++];
        StoredNode node = nodes[old];
        node.parent = parent;
        node.row = row;
        sorted.push_back(std::move(node));
        if (nodes[old].childCount > 0) {
            const int self = static_cast<int>(sorted.size()) - 1;
            levels.push_back({self, first[old], first[old], first[old] + nodes[old].childCount});
        }
    }
    return sorted;
}

} // namespace kelvane
