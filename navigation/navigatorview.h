#pragma once

#include <QString>
#include <optional>

namespace kelvane {

// What navigation needs of the main window: the tree, the diagram tab and the current-record
// panel. The window implements it; tests fake it; the render tool uses HeadlessView.
class NavigatorView {
public:
    virtual ~NavigatorView() = default;

    // Gives TreeView1 the keyboard focus.
    virtual void focusTree() = 0;
    // Selects the node at this 0-based pre-order index over the whole tree, expanding its
    // ancestors and scrolling to it; selecting the selected node changes nothing. Never runs
    // TreeView1Click. Throws Error("Invalid index") when the tree has no node at that index.
    virtual void selectAbsoluteIndex(int index) = 0;
    // Number of children of the tree's first node; nullopt when the tree is empty.
    virtual std::optional<int> firstNodeChildCount() const = 0;
    virtual void setTreeRowHeight(int pixels) = 0;

    virtual void setTab1Caption(const QString& caption) = 0;
    // Picture number `index` of ImageList1.
    virtual void setTab1Icon(int index) = 0;
    // Hides the tabs of Tab2 and Tab3, leaving "Данные" as the only page.
    virtual void hideTab2AndTab3() = 0;

    virtual void setEd1(const QString& path) = 0;
    virtual void setEd2(const QString& name) = 0;
};

} // namespace kelvane
