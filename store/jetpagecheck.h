#pragma once

#include <QString>

namespace kelvane {

// Cheap checks of a Jet 4.0 file before it is read: whole 4096-byte pages and at least the
// header page and one more. Throws Error with a Russian message naming `path`.
void checkJetPages(const QString& path);

} // namespace kelvane
