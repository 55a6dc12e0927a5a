#include "store/fileformat.h"

#include "store/error.h"

#include <QFile>
#include <QFileInfo>

namespace kelvane {

namespace {

constexpr char SqliteMagic[] = "SQLite format 3"; // followed by a NUL byte
constexpr char JetMagic[] = "Standard Jet DB";
constexpr char AceMagic[] = "Standard ACE DB";
constexpr int JetMagicOffset = 4;
constexpr int JetVersionOffset = 0x14;

bool startsWith(const QByteArray& header, int offset, const char* magic, qsizetype size) {
    return header.size() >= offset + size && header.mid(offset, size) == QByteArray(magic, size);
}

} // namespace

FileFormat detectFileFormat(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw Error(QStringLiteral("Файл %1 не найден").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            QStringLiteral("Файл %1 не удаётся прочитать: %2").arg(path, file.errorString()));
    const QByteArray header = file.read(32);

    if (startsWith(header, 0, SqliteMagic, sizeof SqliteMagic))
        return FileFormat::Sqlite;
    const bool jet = startsWith(header, JetMagicOffset, JetMagic, sizeof JetMagic);
    const bool ace = startsWith(header, JetMagicOffset, AceMagic, sizeof AceMagic);
    if ((!jet && !ace) || header.at(0) != 0 || header.size() <= JetVersionOffset)
        throw Error(
            QStringLiteral("Файл %1 не является базой данных Jet 4.0 или SQLite").arg(path));
    const int version = static_cast<unsigned char>(header.at(JetVersionOffset));
    if (jet && version == 1)
        return FileFormat::Jet4;
    if (jet && version == 0)
        throw Error(QStringLiteral("Файл %1 — база данных Jet 3 (Access 97); поддерживается только "
                                   "формат Jet 4.0 (Access 2000–2003)")
                        .arg(path));
    throw Error(QStringLiteral("Файл %1 — база данных Access неподдерживаемой версии (код %2); "
                               "поддерживается только формат Jet 4.0 (Access 2000–2003)")
                    .arg(path)
                    .arg(version));
}

} // namespace kelvane
