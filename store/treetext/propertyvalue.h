#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace kelvane {

struct PropertyValue;
struct CollectionItem;

// One "path = value" line of a component text; the path is held as written ("Items.Data").
struct Property {
    QString path;
    std::vector<PropertyValue> value; // exactly one element; a vector keeps the type recursive
    const PropertyValue& get() const { return value.front(); }
};

// The tagged value of a property in the component text.
struct PropertyValue {
    enum class Kind { Integer, Float, String, Identifier, Set, List, Collection, Binary };
    enum class FloatKind { Plain, Single, Currency, Date };

    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    long double real = 0;
    FloatKind floatKind = FloatKind::Plain;
    QString text;         // String and Identifier (dotted identifiers as one text)
    QStringList elements; // Set
    std::vector<PropertyValue> list;
    std::vector<CollectionItem> items;
    QByteArray bytes; // Binary
};

// One item...end of a collection value.
struct CollectionItem {
    std::optional<std::int64_t> orderIndex;
    std::vector<Property> properties;
};

} // namespace kelvane
