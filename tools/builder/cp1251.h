#pragma once

#include <QByteArray>
#include <QString>

namespace kelvane::builder {

// Windows-1251 bytes of a text; a character the code page lacks becomes '?'.
QByteArray toCp1251(const QString& text);

} // namespace kelvane::builder
