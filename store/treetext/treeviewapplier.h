#pragma once

#include "store/treetext/componentobject.h"

#include <QString>
#include <vector>

namespace kelvane {

class TreeViewTarget;
struct TreeViewProperty;

// Applies a parsed stored tree text to the tree view: checks the root object, sets the
// properties in text order, then resolves the references. The tree view starts with
// SortType stNone, as the window creates it.
class TreeViewApplier {
public:
    explicit TreeViewApplier(TreeViewTarget& tree);

    void apply(const ComponentObject& root);

private:
    void applyProperty(const Property& property);
    void setValue(const TreeViewProperty& target, const PropertyValue& value);
    void setNodes(const QByteArray& block);
    void setSortType(const QString& sortType);
    void deferReference(const QString& property, const QString& reference);
    void resolveReferences();

    TreeViewTarget& tree_;
    bool sortsByText_ = false;
    struct PendingReference {
        QString property;
        QString reference;
    };
    std::vector<PendingReference> references_;
};

} // namespace kelvane
