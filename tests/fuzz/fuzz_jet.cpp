// Whole database files: any bytes written as Baza.mdb and opened must end in an open connection
// or in kelvane::Error. The Jet reader runs in a child process, so whatever it does with a
// damaged file, this process survives.
#include "store/database.h"
#include "store/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

QString fuzzedPath() {
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/kelvane-fuzz-jet-XXXXXX")
                                       : QDir::tempPath() +
                                             QStringLiteral("/kelvane-fuzz-jet-XXXXXX"));
    return dir.filePath(QStringLiteral("Baza.mdb"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzzedPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    kelvane::Database database;
    // Below the fuzzer's own limit for one input, so that a hanging reader counts as handled.
    database.setImportTimeout(std::chrono::seconds(5));
    try {
        database.open(path);
        for (const char* sql : {"SELECT * FROM konfigtree", "SELECT * FROM structura",
                                "SELECT * FROM prosedur ORDER BY prosedur.id"}) {
            try {
                database.query(QString::fromLatin1(sql));
            } catch (const kelvane::Error&) {
            }
        }
    } catch (const kelvane::Error&) {
    }
    return 0;
}
