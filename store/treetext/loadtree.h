#pragma once

namespace kelvane {

class Cursor;
class TreeViewTarget;

// Fills the tree view from the stored tree text: column 1 of the current row of tbstructura,
// converted to Windows-1251 and given to StringToComponent. Does nothing when the table has no
// rows; every error propagates.
void LoadTree(const Cursor& tbstructura, TreeViewTarget& tree);

} // namespace kelvane
