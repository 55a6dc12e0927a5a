#pragma once

#include <QFont>

namespace kelvane {

// The windows' font: the desktop's sans-serif face, condensed where the face has it, 11 pixels
// high (8 points on a 96 dpi screen): the size the fixed layouts of the pages and of the About box
// are drawn for.
QFont designFont();

} // namespace kelvane
