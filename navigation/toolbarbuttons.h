#pragma once

#include <QString>
#include <vector>

namespace kelvane {

// One button of the toolbars "Общие объекты" (bar 0) and "Объекты метаданных" (bar 1); its hint
// is its caption, its icon is picture `icon` of ImageList3.
struct ToolbarButton {
    enum class Handler { dxBarButton1Click, dxBarButton2Click };
    QString component;
    QString caption;
    int icon;
    int bar;
    Handler handler;
};

inline constexpr int ToolbarCount = 2;
QString toolbarCaption(int bar);
QString toolbarComponent(int bar);

// The 35 buttons in their order on the bars.
const std::vector<ToolbarButton>& toolbarButtons();

} // namespace kelvane
