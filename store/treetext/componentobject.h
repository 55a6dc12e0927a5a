#pragma once

#include "store/treetext/propertyvalue.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace kelvane {

// One object of a component text: its header, its properties in text order, its nested objects.
struct ComponentObject {
    enum class Kind { Object, Inherited, Inline };

    Kind kind = Kind::Object;
    QString objectName; // empty when the header names only the class
    QString className;
    std::optional<std::int64_t> orderIndex;
    std::vector<Property> properties;
    std::vector<ComponentObject> objects;
};

} // namespace kelvane
