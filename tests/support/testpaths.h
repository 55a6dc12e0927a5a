#pragma once

#include <QString>

namespace kelvane::test {

// ../shared of the source tree (real Access files, notes).
QString sharedDir();
// The build folder (tools built there, e.g. kelvane-build).
QString binaryDir();
// The source folder (resources/demo description and the like).
QString sourceDir();

} // namespace kelvane::test
