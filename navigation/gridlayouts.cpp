#include "navigation/gridlayouts.h"

namespace kelvane {

std::vector<GridColumn> dbGrid1Columns() {
    return {
        {QStringLiteral("num"), QStringLiteral("num"), 50},
        {QStringLiteral("id_parent"), QStringLiteral("id_parent"), 50},
        {QStringLiteral("name"), QStringLiteral("name"), 180},
        {QStringLiteral("imageindex"), QStringLiteral("imageindex"), 80},
        {QStringLiteral("type"), QStringLiteral("type"), 80},
    };
}

std::vector<GridColumn> dbGrid4Columns() {
    const Qt::Alignment centred = Qt::AlignCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        {QStringLiteral("num"), QStringLiteral("№"), 31, centred, centred},
        {QStringLiteral("namelite"), QStringLiteral("Текущая запись"), 250, centred, left},
        {QStringLiteral("nameful"), QStringLiteral("Полный путь"), 280, centred, left},
    };
}

} // namespace kelvane
