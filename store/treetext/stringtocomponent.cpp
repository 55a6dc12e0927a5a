#include "store/treetext/stringtocomponent.h"

#include "store/treetext/parsecomponenttext.h"
#include "store/treetext/treeviewapplier.h"

namespace kelvane {

void StringToComponent(const QByteArray& text, TreeViewTarget& tree) {
    const ComponentObject root = ParseComponentText(text);
    TreeViewApplier(tree).apply(root);
}

} // namespace kelvane
