#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// A property that a stored tree text may set on the tree view, with the kind of value it takes.
struct TreeViewProperty {
    enum class Kind {
        Object, // Font, Constraints, Items: holds properties of its own
        Boolean,
        Integer,
        Color,
        Cursor,
        Charset,
        Enumeration,
        Set,
        String,
        Reference,
        DesignSize,
        Binary,
        Event
    };

    QString path; // canonical spelling with the path of its object: "Font.Color"
    Kind kind;
    QStringList values; // Enumeration and Set: the names in canonical spelling

    // The property `name` (any case) of the object at `objectPath` ("" for the tree view itself,
    // else the canonical path of an Object property); nullptr when there is none.
    static const TreeViewProperty* find(const QString& objectPath, const QString& name);
};

} // namespace kelvane
