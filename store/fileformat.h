#pragma once

#include <QString>

namespace kelvane {

enum class FileFormat { Jet4, Sqlite };

// Tells the format of a database file by its header. Throws Error with a Russian message when
// the file is missing, unreadable, of another Jet version or of no known format.
FileFormat detectFileFormat(const QString& path);

} // namespace kelvane
