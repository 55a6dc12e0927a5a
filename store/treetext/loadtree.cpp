#include "store/treetext/loadtree.h"

#include "store/cursor.h"
#include "store/treetext/cp1251.h"
#include "store/treetext/stringtocomponent.h"

namespace kelvane {

namespace {
constexpr int TextColumn = 1;
}

void LoadTree(const Cursor& tbstructura, TreeViewTarget& tree) {
    if (tbstructura.recordCount() == 0)
        return;
    StringToComponent(cp1251::encode(tbstructura.fieldAsText(TextColumn)), tree);
}

} // namespace kelvane
