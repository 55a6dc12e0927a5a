#pragma once

#include "store/treetext/storednode.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kelvane {

// The tree view that a stored tree text is applied to (TreeView1 of the main window). Property
// names arrive in their canonical spelling and with their full path ("Font.Color"); symbolic
// values are already resolved (colour, cursor and charset names to their numbers, enumeration
// and set names to their canonical spelling).
class TreeViewTarget {
public:
    virtual ~TreeViewTarget() = default;

    virtual void setBoolean(const QString& property, bool value) = 0;
    // Left, Top, Width, Height, Indent, Font.Height, Constraints.MinWidth, ...
    virtual void setInteger(const QString& property, std::int32_t value) = 0;
    // Color, Font.Color: a 24-bit BGR colour, a system colour (0x80000000 | index), clNone or
    // clDefault as their numbers.
    virtual void setColor(const QString& property, std::int32_t value) = 0;
    // Cursor, DragCursor: crDefault is 0, the standard cursors are negative.
    virtual void setCursor(const QString& property, std::int32_t value) = 0;
    // Font.Charset: DEFAULT_CHARSET is 1, RUSSIAN_CHARSET 204, ...
    virtual void setCharset(const QString& property, std::int32_t value) = 0;
    // Align = alClient, SortType = stNone, Font.Pitch = fpDefault, ...
    virtual void setEnumeration(const QString& property, const QString& value) = 0;
    // Anchors, BevelEdges, MultiSelectStyle, Font.Style; elements in text order.
    virtual void setSet(const QString& property, const QStringList& elements) = 0;
    // Hint, HelpKeyword, Font.Name, Name.
    virtual void setString(const QString& property, const QString& value) = 0;
    virtual void setDesignSize(std::int32_t width, std::int32_t height) = 0;

    // References (Images, StateImages, PopupMenu) name a component owned by a top-level window or
    // module. The applier asks whether the owner exists and whether it owns the component.
    virtual bool hasOwner(const QString& owner) const = 0;
    virtual bool ownsComponent(const QString& owner, const QString& component) const = 0;
    virtual void setReference(const QString& property, const QString& owner,
                              const QString& component) = 0;
    virtual void clearReference(const QString& property) = 0;

    // Repainting is suspended between beginUpdate and endUpdate while the nodes are replaced.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
    // Drops every node and installs the given flat pre-order list.
    virtual void replaceNodes(StoredNodes nodes) = 0;
    virtual const StoredNodes& nodes() const = 0;
};

} // namespace kelvane
