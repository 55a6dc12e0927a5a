#pragma once

#include "store/treetext/treeviewtarget.h"

namespace kelvane {

class StoredTreeView;

// Applies a stored tree text to TreeView1: the nodes, the image list of the node icons and those
// properties a QTreeView has (indent, colours, font, hint, visibility, root decoration, size
// limits). The properties a QTreeView has no counterpart for are accepted and ignored, and the
// view keeps its name.
class TreeView1Target : public TreeViewTarget {
public:
    explicit TreeView1Target(StoredTreeView& view)
        : view_(view) {}

    void setBoolean(const QString& property, bool value) override;
    void setInteger(const QString& property, std::int32_t value) override;
    void setColor(const QString& property, std::int32_t value) override;
    void setCursor(const QString&, std::int32_t) override {}
    void setCharset(const QString&, std::int32_t) override {}
    void setEnumeration(const QString& property, const QString& value) override;
    void setSet(const QString& property, const QStringList& elements) override;
    void setString(const QString& property, const QString& value) override;
    void setDesignSize(std::int32_t, std::int32_t) override {}

    bool hasOwner(const QString& owner) const override;
    bool ownsComponent(const QString& owner, const QString& component) const override;
    void setReference(const QString& property, const QString& owner,
                      const QString& component) override;
    void clearReference(const QString& property) override;

    void beginUpdate() override;
    void endUpdate() override;
    void replaceNodes(StoredNodes nodes) override;
    const StoredNodes& nodes() const override;

private:
    StoredTreeView& view_;
};

} // namespace kelvane
