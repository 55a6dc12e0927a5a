#pragma once

#include <QByteArray>

namespace kelvane {

class TreeViewTarget;

// Converts the whole stored tree text and, only when that succeeded, applies its root object to
// the tree view: properties in text order, then the references. An error while applying leaves
// applied what came before it.
void StringToComponent(const QByteArray& text, TreeViewTarget& tree);

} // namespace kelvane
