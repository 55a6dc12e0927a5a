#include "tools/builder/cp1251.h"

#include <QHash>
#include <iconv.h>

namespace kelvane::builder {

namespace {

// Unicode code point of each byte 0x80..0xFF, taken once from iconv.
QHash<char32_t, char> upperHalf() {
    QHash<char32_t, char> table;
    iconv_t cd = iconv_open("UTF-32LE", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return table;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        char in = static_cast<char>(byte);
        char32_t out = 0;
        char* inPtr = &in;
        size_t inLeft = 1;
        char* outPtr = reinterpret_cast<char*>(&out);
        size_t outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
            outLeft == 0)
            table.insert(out, in);
    }
    iconv_close(cd);
    return table;
}

} // namespace

QByteArray toCp1251(const QString& text) {
    static const QHash<char32_t, char> table = upperHalf();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t code : text.toUcs4()) {
        if (code < 0x80)
            bytes.append(static_cast<char>(code));
        else
            bytes.append(table.value(code, '?'));
    }
    return bytes;
}

} // namespace kelvane::builder
