#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kelvane {

// Numbers of the symbolic names a component text may use for colours (clCream, clWindow, ...),
// cursors (crDefault, crHandPoint, ...) and font character sets (DEFAULT_CHARSET, ...). Names are
// compared without regard to letter case.
std::optional<std::int32_t> colorByName(const QString& name);
std::optional<std::int32_t> cursorByName(const QString& name);
std::optional<std::int32_t> charsetByName(const QString& name);

} // namespace kelvane
