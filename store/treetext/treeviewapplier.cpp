#include "store/treetext/treeviewapplier.h"

#include "store/error.h"
#include "store/treetext/readnodelist.h"
#include "store/treetext/sortnodes.h"
#include "store/treetext/symbolicnames.h"
#include "store/treetext/treeviewproperty.h"
#include "store/treetext/treeviewtarget.h"

#include <limits>

namespace kelvane {

namespace {

const QString TreeViewName = QStringLiteral("TreeView1");

using Kind = TreeViewProperty::Kind;
using ValueKind = PropertyValue::Kind;

// Thrown inside a property; applyProperty adds the "Error reading" prefix.
[[noreturn]] void invalidValue() {
    throw Error(QStringLiteral("Invalid property value"));
}

bool isIdentifier(const PropertyValue& value, const char* name) {
    return value.kind == ValueKind::Identifier &&
           value.text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

std::int32_t int32Of(const PropertyValue& value) {
    if (value.kind != ValueKind::Integer ||
        value.integer < std::numeric_limits<std::int32_t>::min() ||
        value.integer > std::numeric_limits<std::int32_t>::max())
        invalidValue();
    return static_cast<std::int32_t>(value.integer);
}

// The canonical spelling of `name` among `values`.
QString canonical(const QStringList& values, const QString& name) {
    for (const QString& value : values) {
        if (value.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    invalidValue();
}

std::int32_t symbolic(const PropertyValue& value,
                      std::optional<std::int32_t> (*byName)(const QString&)) {
    if (value.kind == ValueKind::Identifier) {
        if (const auto number = byName(value.text))
            return *number;
        invalidValue();
    }
    return int32Of(value);
}

// Suspends repainting for the lifetime of the object.
class UpdateScope {
public:
    explicit UpdateScope(TreeViewTarget& tree)
        : tree_(tree) {
        tree_.beginUpdate();
    }
    ~UpdateScope() { tree_.endUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TreeViewTarget& tree_;
};

} // namespace

TreeViewApplier::TreeViewApplier(TreeViewTarget& tree)
    : tree_(tree) {}

void TreeViewApplier::apply(const ComponentObject& root) {
    if (root.objectName != TreeViewName)
        throw Error(QStringLiteral("Текст дерева описывает объект «%1», а не TreeView1")
                        .arg(root.objectName));
    if (!root.objects.empty())
        throw Error(QStringLiteral("Текст дерева содержит вложенный объект «%1»")
                        .arg(root.objects.front().objectName.isEmpty()
                                 ? root.objects.front().className
                                 : root.objects.front().objectName));
    references_.clear();
    for (const Property& property : root.properties)
        applyProperty(property);
    resolveReferences();
}

void TreeViewApplier::applyProperty(const Property& property) {
    try {
        const QStringList parts = property.path.split(QLatin1Char('.'));
        QString objectPath;
        const TreeViewProperty* target = nullptr;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            target = TreeViewProperty::find(objectPath, parts[i]);
            if (target == nullptr)
                throw Error(QStringLiteral("Property %1 does not exist").arg(parts[i]));
            if (i + 1 < parts.size()) {
                if (target->kind != Kind::Object)
                    throw Error(QStringLiteral("Invalid property path"));
                objectPath = target->path;
            }
        }
        setValue(*target, property.get());
    } catch (const Error& error) {
        throw Error(QStringLiteral("Error reading %1%2%3: %4")
                        .arg(TreeViewName, QStringLiteral("."), property.path, error.message()));
    }
}

void TreeViewApplier::setValue(const TreeViewProperty& target, const PropertyValue& value) {
    const QString& path = target.path;
    switch (target.kind) {
    case Kind::Object:
        invalidValue();
    case Kind::Boolean:
        if (isIdentifier(value, "True"))
            tree_.setBoolean(path, true);
        else if (isIdentifier(value, "False"))
            tree_.setBoolean(path, false);
        else
            invalidValue();
        return;
    case Kind::Integer:
        tree_.setInteger(path, int32Of(value));
        return;
    case Kind::Color:
        tree_.setColor(path, symbolic(value, colorByName));
        return;
    case Kind::Cursor:
        tree_.setCursor(path, symbolic(value, cursorByName));
        return;
    case Kind::Charset:
        tree_.setCharset(path, symbolic(value, charsetByName));
        return;
    case Kind::Enumeration: {
        if (value.kind != ValueKind::Identifier)
            invalidValue();
        const QString name = canonical(target.values, value.text);
        if (path == QLatin1String("SortType"))
            setSortType(name);
        else
            tree_.setEnumeration(path, name);
        return;
    }
    case Kind::Set: {
        if (value.kind != ValueKind::Set)
            invalidValue();
        QStringList elements;
        for (const QString& element : value.elements)
            elements.append(canonical(target.values, element));
        tree_.setSet(path, elements);
        return;
    }
    case Kind::String:
        if (value.kind != ValueKind::String)
            invalidValue();
        if (path == QLatin1String("Name") && value.text != TreeViewName)
            throw Error(QStringLiteral("TreeView1 нельзя переименовать в «%1»").arg(value.text));
        tree_.setString(path, value.text);
        return;
    case Kind::Reference:
        if (value.kind != ValueKind::Identifier)
            invalidValue();
        deferReference(path, value.text);
        return;
    case Kind::DesignSize:
        if (value.kind != ValueKind::List || value.list.size() != 2)
            invalidValue();
        tree_.setDesignSize(int32Of(value.list[0]), int32Of(value.list[1]));
        return;
    case Kind::Binary:
        if (value.kind != ValueKind::Binary)
            invalidValue();
        setNodes(value.bytes);
        return;
    case Kind::Event:
        if (!isIdentifier(value, "nil"))
            invalidValue();
        return;
    }
}

void TreeViewApplier::setNodes(const QByteArray& block) {
    const UpdateScope update(tree_);
    StoredNodes nodes;
    try {
        ReadNodeListInto(block, nodes);
    } catch (const Error&) {
        tree_.replaceNodes(sortsByText_ ? sortNodesByText(nodes) : std::move(nodes));
        throw;
    }
    tree_.replaceNodes(sortsByText_ ? sortNodesByText(nodes) : std::move(nodes));
}

void TreeViewApplier::setSortType(const QString& sortType) {
    tree_.setEnumeration(QStringLiteral("SortType"), sortType);
    sortsByText_ = sortType == QLatin1String("stText") || sortType == QLatin1String("stBoth");
    if (sortsByText_ && !tree_.nodes().empty()) {
        const UpdateScope update(tree_);
        tree_.replaceNodes(sortNodesByText(tree_.nodes()));
    }
}

void TreeViewApplier::deferReference(const QString& property, const QString& reference) {
    std::erase_if(references_,
                  [&property](const PendingReference& r) { return r.property == property; });
    // nil and Null clear at once; a name waits until every property has been read.
    if (reference.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0 ||
        reference.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0)
        tree_.clearReference(property);
    else
        references_.push_back({property, reference});
}

void TreeViewApplier::resolveReferences() {
    for (const PendingReference& pending : references_) {
        const qsizetype dot = pending.reference.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            // The tree view owns no components, so a name of its own finds nothing.
            tree_.clearReference(pending.property);
            continue;
        }
        const QString owner = pending.reference.left(dot);
        const QString component = pending.reference.mid(dot + 1);
        if (tree_.hasOwner(owner) && tree_.ownsComponent(owner, component))
            tree_.setReference(pending.property, owner, component);
    }
    references_.clear();
}

} // namespace kelvane
