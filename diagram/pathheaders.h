#pragma once

namespace kelvane {

struct DiagramContext;
struct KonfigRow;

// The two header boxes of the common-objects and metadata-class diagrams: the parent at (20, 20)
// sized by HeaderWidthRule, the current record at (40, 50) always 250 wide; fills the panel with
// the two-level path and records the visit. Leaves ParentName and BoxText set.
void DrawPathHeaders(DiagramContext& context, const KonfigRow& current, const KonfigRow& parent);

} // namespace kelvane
