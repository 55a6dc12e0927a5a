#include "store/treetext/cp1251.h"

#include <QStringDecoder>
#include <array>
#include <cstdint>

namespace kelvane::cp1251 {

namespace {

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::array<std::int16_t, 65536> fromUnicode{}; // byte value, or -1 when unmapped

    Tables() {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            bytes[i] = static_cast<char>(i);
        QStringDecoder decoder("windows-1251");
        const QString decoded = decoder.decode(bytes);
        fromUnicode.fill(-1);
        for (int i = 0; i < 256; ++i) {
            const char16_t unit = i < decoded.size() ? decoded[i].unicode() : u'\uFFFD';
            toUnicode[i] = unit;
            if (unit != u'\uFFFD' && fromUnicode[unit] < 0)
                fromUnicode[unit] = static_cast<std::int16_t>(i);
        }
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

} // namespace

QChar toUnicode(unsigned char byte) {
    return QChar(tables().toUnicode[byte]);
}

QString decode(const char* data, qsizetype size) {
    const auto& table = tables().toUnicode;
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(table[static_cast<unsigned char>(data[i])]);
    return text;
}

QByteArray encode(const QString& text) {
    const auto& table = tables().fromUnicode;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.append('?');
            ++i;
            continue;
        }
        const std::int16_t byte = table[unit];
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

} // namespace kelvane::cp1251
