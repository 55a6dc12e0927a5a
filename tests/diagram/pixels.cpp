#include "tests/diagram/pixels.h"

#include "diagram/color.h"

namespace kelvane::test {

std::uint32_t bgrAt(const Surface& surface, int x, int y) {
    return toBgr(QColor(surface.image().pixel(x, y)));
}

std::optional<QRect> blackBox(const Surface& surface, const QRect& area) {
    std::optional<QRect> box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (bgrAt(surface, x, y) == 0)
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return box;
}

// Mixes a wide and a narrow letter until the measured width hits the target.
QString textOfWidth(const Surface& surface, int width) {
    const QString wide = QStringLiteral("m");
    for (const QString& narrow : {QStringLiteral("i"), QStringLiteral("l"), QStringLiteral("."),
                                  QStringLiteral("r"), QStringLiteral("t")}) {
        for (int wides = 0; wides * surface.textWidth(wide) <= width; ++wides) {
            QString text = wide.repeated(wides);
            while (surface.textWidth(text) < width)
                text += narrow;
            if (surface.textWidth(text) == width)
                return text;
        }
    }
    return QString();
}

} // namespace kelvane::test
