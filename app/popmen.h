#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace kelvane {

struct PopMenEntry;

// The context menu PopMen of the diagram surface: the submenu "Общие" with its entries, then
// the top-level entries, in popMenEntries() order; `chosen` runs for the entry chosen.
QMenu* createPopMen(QWidget* parent, const std::function<void(const PopMenEntry&)>& chosen);

} // namespace kelvane
