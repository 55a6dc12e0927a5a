#pragma once

#include <QByteArray>
#include <QString>

namespace kelvane {

// Decodes a stored Jet 4.0 text value: UTF-16LE, or the compressed form that starts with FF FE
// (one byte per character, a 0x00 byte switching between one- and two-byte characters).
// Surrogate pairs are kept, so characters beyond U+FFFF survive.
QString decodeJetText(const QByteArray& stored);

} // namespace kelvane
