#include "diagram/groupnames.h"

#include <QStringList>

namespace kelvane {

bool isGroupName(const QString& name) {
    static const QStringList names = {QStringLiteral("Реквизиты"),
                                      QStringLiteral("Реквизиты адресации"),
                                      QStringLiteral("Графы"),
                                      QStringLiteral("Значения"),
                                      QStringLiteral("Измерения"),
                                      QStringLiteral("Ресурсы"),
                                      QStringLiteral("Формы"),
                                      QStringLiteral("Макеты"),
                                      TabularSections};
    return names.contains(name, Qt::CaseSensitive);
}

bool isAttributeGroupName(const QString& name) {
    static const QStringList names = {
        QStringLiteral("Реквизиты"), QStringLiteral("Реквизиты адресации"),
        QStringLiteral("Графы"),     QStringLiteral("Значения"),
        QStringLiteral("Измерения"), QStringLiteral("Ресурсы")};
    return names.contains(name, Qt::CaseSensitive);
}

} // namespace kelvane
