#include "tools/jetwriter/jetwriter.h"

#include "tools/jetwriter/databasewriter.h"

namespace kelvane::jet {

void writeDatabase(const QString& path, const std::vector<TableSpec>& tables) {
    DatabaseWriter().write(path, tables);
}

} // namespace kelvane::jet
