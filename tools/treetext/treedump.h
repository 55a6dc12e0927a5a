#pragma once

#include "store/treetext/storednode.h"

#include <QByteArray>

namespace kelvane {

// One line per node in pre-order, UTF-8: index, depth, text, ImageIndex, SelectedIndex,
// StateIndex, OverlayIndex and Data separated by tabs. Control characters and the backslash in
// a text are written as \xNN so that every node stays on its line.
QByteArray dumpNodes(const StoredNodes& nodes);

} // namespace kelvane
