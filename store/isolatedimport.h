#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <map>

struct sqlite3;

namespace kelvane {

// Runs an import that fills an in-memory engine in a child process and moves the result into
// `engine` (an open, empty in-memory connection) of this process. A reader of a damaged file may
// crash, overrun its buffers or loop for ever: the child dies, or is killed after `timeout`, and
// this process only sees an Error naming `path`. `load` runs in the child on a fresh in-memory
// engine with the Russian collation registered and returns the problems of the tables it
// passed over; an Error it throws comes back with its message.
std::map<QString, QString>
importIsolated(const QString& path, sqlite3* engine, std::chrono::milliseconds timeout,
               const std::function<std::map<QString, QString>(sqlite3* engine)>& load);

} // namespace kelvane
