#pragma once

#include "tools/jetwriter/jetwriter.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace kelvane::builder {

// A procedure or function of an object's module (table prosedur).
struct Procedure {
    QString name;
    QString kind; // "Процедура" or "Функция"
};

// One node of a configuration tree as its description gives it.
struct Node {
    QString name;
    int imageIndex = 0;
    QString type;  // konfigtree.type, up to 5 characters
    int col1 = -1; // count badge; -1: the number of children
    int imageIndexType = 0;
    std::vector<Procedure> procedures;
    std::vector<Node> children;
};

struct Configuration {
    Node root; // the configuration itself: num 0
};

// Parses the readable description format (see tools/README.md). Throws kelvane::Error naming the
// line on a malformed description.
Configuration parseDescription(const QString& text);

// The three tables of a consistent Baza.mdb: konfigtree rows in pre-order (num = pre-order index,
// id_parent = the parent's num, id = 1, 2, 3, ...), structura with the stored tree text, prosedur.
struct Tables {
    jet::TableSpec konfigtree;
    jet::TableSpec structura;
    jet::TableSpec prosedur;
    std::vector<jet::TableSpec> all() const { return {konfigtree, structura, prosedur}; }
};
Tables buildTables(const Configuration& configuration);

enum class Format { Jet, Sqlite };
// Writes the tables as a Jet 4.0 file or as an SQLite 3 database with the same tables.
void writeTables(const QString& path, const std::vector<jet::TableSpec>& tables, Format format);

} // namespace kelvane::builder
