#pragma once

#include "tools/builder/configuration.h"

#include <QString>

namespace kelvane::test {

// A small configuration: root, "Общие" with one class, one catalog with an attribute and a module.
inline QString sampleDescription() {
    return QStringLiteral("# пример\n"
                          "Конф | Configuration\n"
                          "  Общие | CommonNode\n"
                          "    Роли | Roles\n"
                          "  Справочники | Catalogs col1=7\n"
                          "    Товары | Catalog\n"
                          "      Реквизиты | AttributesGroup\n"
                          "        Цена | Attribute type=Ч imageindextype=2\n"
                          "      процедура ПередЗаписью\n"
                          "      Функция ЦенаПоУмолчанию\n");
}

// A node with a name and a picture and nothing else.
inline builder::Node node(const QString& name, int imageIndex = 0) {
    builder::Node made;
    made.name = name;
    made.imageIndex = imageIndex;
    return made;
}

} // namespace kelvane::test
