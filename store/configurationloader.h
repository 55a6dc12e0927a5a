#pragma once

#include "store/tablesource.h"

#include <map>

struct sqlite3;

namespace kelvane {

// Copies the tables konfigtree, structura and prosedur from a source file into the in-memory
// engine, in stored order and inside one transaction, after checking their columns. Only the
// columns that the program reads are filled; the others keep their place and stay NULL. A table
// that fails its checks is not created and its Russian message is kept instead.
class ConfigurationLoader {
public:
    ConfigurationLoader(TableSource& source, sqlite3* engine);

    // Returns the problem of each table that did not load, keyed by its lowercase name.
    std::map<QString, QString> load();

private:
    struct Target {
        QString table;                     // name in the engine
        QString sourceTable;               // name in the source
        std::vector<SourceColumn> columns; // source columns, by position
        std::vector<int> loaded;           // positions whose content is copied
    };

    Target checkKonfigtree(const QString& sourceTable) const;
    Target checkStructura(const QString& sourceTable) const;
    Target checkProsedur(const QString& sourceTable) const;
    void copy(const Target& target);

    TableSource& source_;
    sqlite3* engine_;
};

} // namespace kelvane
