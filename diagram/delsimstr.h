#pragma once

#include <QString>

namespace kelvane {

// The text without its last character (a surrogate pair counts as one); empty stays empty.
QString Delsimstr(const QString& text);

} // namespace kelvane
