#pragma once

#include <QString>

namespace kelvane {

class KonfigTable;
class NavigatorView;
class SectionIndex;
struct PopMenEntry;

// The category jumps of the toolbars and of the diagram's context menu PopMen. Each only moves
// the current konfigtree row; DataSource1DataChange does the rest.
class Jumps {
public:
    Jumps(KonfigTable& adoTable1, const SectionIndex& sections, NavigatorView& view);

    void dxBarButton1Click();                       // "Конфигурация": the first row
    void dxBarButton2Click(const QString& caption); // the other toolbar buttons
    void MenuItem2Click(const QString& caption);
    void N10Click();
    void XDTO1Click();
    void Web1Click();
    void WS1Click();

    // Runs the handler the menu entry is wired to.
    void choose(const PopMenEntry& entry);

private:
    void locateName(const QString& name);

    KonfigTable& adoTable1_;
    const SectionIndex& sections_;
    NavigatorView& view_;
};

} // namespace kelvane
