#pragma once

#include <QString>
#include <vector>

namespace kelvane {

// One jumping entry of the context menu PopMen; its icon is picture `icon` of ImageList1.
struct PopMenEntry {
    enum class Handler { MenuItem2Click, N10Click, XDTO1Click, Web1Click, WS1Click };
    QString component;
    QString caption;
    int icon;
    Handler handler;
    bool inSubmenu; // in the submenu of MenuItem1 "Общие", otherwise at the top level
};

// The entry that only opens the submenu.
struct PopMenSubmenu {
    QString component;
    QString caption;
    int icon;
};
const PopMenSubmenu& popMenSubmenu();

// The jumping entries in menu order: the submenu's entries first, then the top-level ones.
const std::vector<PopMenEntry>& popMenEntries();

} // namespace kelvane
