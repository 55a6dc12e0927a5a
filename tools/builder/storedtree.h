#pragma once

#include "tools/builder/configuration.h"

#include <QByteArray>
#include <QString>

namespace kelvane::builder {

// The Items.Data node list of a tree with one root: entries depth-first in pre-order, each with
// Size 25 + L, ImageIndex = SelectedIndex = imageIndex, StateIndex and OverlayIndex -1, Data 0,
// the child count and the name in Windows-1251.
QByteArray encodeNodeList(const Node& root);

// The component text of TreeView1 holding that node list, as table structura stores it.
QString storedTreeText(const Node& root);

} // namespace kelvane::builder
