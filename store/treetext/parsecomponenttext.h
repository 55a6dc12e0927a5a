#pragma once

#include "store/treetext/componentobject.h"

#include <QByteArray>

namespace kelvane {

// Converts a component text (Windows-1251 bytes) into its root object. Throws Error with the
// message of the first syntax or number-conversion fault; nothing else is touched.
ComponentObject ParseComponentText(const QByteArray& text);

} // namespace kelvane
