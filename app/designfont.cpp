#include "app/designfont.h"

#include <QApplication>

namespace kelvane {

QFont designFont() {
    QFont font = QApplication::font();
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

} // namespace kelvane
