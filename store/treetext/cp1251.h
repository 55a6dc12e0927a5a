#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace kelvane::cp1251 {

// Windows-1251, the code page of the stored texts. The mapping comes from the platform's codec
// (QStringDecoder); the functions below are table lookups over it.
QChar toUnicode(unsigned char byte);
QString decode(const char* data, qsizetype size);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}
// Characters the code page lacks become '?', one per character (a surrogate pair is one).
QByteArray encode(const QString& text);

} // namespace kelvane::cp1251
