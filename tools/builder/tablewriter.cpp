#include "store/error.h"
#include "tools/builder/configuration.h"
#include "tools/builder/sqlitewriter.h"

namespace kelvane::builder {

void writeTables(const QString& path, const std::vector<jet::TableSpec>& tables, Format format) {
    if (format == Format::Sqlite) {
        writeSqlite(path, tables);
        return;
    }
#ifdef KELVANE_HAVE_JETWRITER
    jet::writeDatabase(path, tables);
#else
    throw Error(QStringLiteral("Не удалось записать «%1»: запись файлов Jet не собрана "
                               "(нет библиотеки kelvane_jetwriter)")
                    .arg(path));
#endif
}

} // namespace kelvane::builder
