#include "store/jetpagecheck.h"

#include "store/error.h"

#include <QFileInfo>

namespace kelvane {

namespace {

constexpr qint64 PageSize = 4096;

} // namespace

void checkJetPages(const QString& path) {
    const qint64 size = QFileInfo(path).size();
    if (size < 2 * PageSize)
        throw Error(QStringLiteral("Файл %1 повреждён: его длина %2 байт меньше двух страниц "
                                   "базы данных Jet 4.0 (по %3 байт)")
                        .arg(path)
                        .arg(size)
                        .arg(PageSize));
    if (size % PageSize != 0)
        throw Error(QStringLiteral("Файл %1 повреждён: его длина %2 байт не кратна размеру "
                                   "страницы базы данных Jet 4.0 (%3 байт)")
                        .arg(path)
                        .arg(size)
                        .arg(PageSize));
}

} // namespace kelvane
