#pragma once

#include <functional>
#include <vector>

class QMainWindow;
class QToolBar;

namespace kelvane {

struct ToolbarButton;

// Adds the toolbars "Общие объекты" and "Объекты метаданных", one per row below the menu, with
// the buttons of toolbarButtons() in their order; `pressed` runs for the button pressed.
// The bars cannot be moved, floated or toggled by the user.
std::vector<QToolBar*> addToolbars(QMainWindow& window,
                                   const std::function<void(const ToolbarButton&)>& pressed);

} // namespace kelvane
