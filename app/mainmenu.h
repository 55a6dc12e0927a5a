#pragma once

#include <functional>

class QMainWindow;

namespace kelvane {

// The main menu: N1 "Файлы" (N3 "Открыть базу данных", no action), N2 "Функции" (no action) and
// N4 "Помощь" (N5 "О программе", which runs `n5Click`).
void addMainMenu(QMainWindow& window, const std::function<void()>& n5Click);

} // namespace kelvane
