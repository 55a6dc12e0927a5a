#include "diagram/surfacefont.h"

#include "store/error.h"

#include <QFile>
#include <QFontDatabase>

namespace kelvane {

namespace {
const char* const FontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int PixelSize = 11;
} // namespace

QFont surfaceFont() {
    static const QString family = [] {
        const QString path = QString::fromLatin1(FontFile);
        if (!QFile::exists(path))
            throw Error(
                QStringLiteral("Не найден шрифт диаграмм %1 (пакет fonts-dejavu-core)").arg(path));
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty())
            throw Error(QStringLiteral("Не удалось загрузить шрифт диаграмм %1").arg(path));
        return families.first();
    }();
    QFont font(family);
    font.setPixelSize(PixelSize);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

} // namespace kelvane
