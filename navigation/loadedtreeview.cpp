#include "navigation/loadedtreeview.h"

#include "store/error.h"

namespace kelvane {

void LoadedTreeView::selectAbsoluteIndex(int index) {
    if (index < 0 || index >= static_cast<int>(nodes().size()))
        throw Error(QStringLiteral("Invalid index"));
    selected_ = index;
}

std::optional<int> LoadedTreeView::firstNodeChildCount() const {
    if (nodes().empty())
        return std::nullopt;
    return nodes().front().childCount;
}

} // namespace kelvane
