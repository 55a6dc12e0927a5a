#include "store/jettext.h"

namespace kelvane {

QString decodeJetText(const QByteArray& stored) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(stored.constData());
    const qsizetype size = stored.size();
    QString text;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text.reserve(size);
        bool compressed = true;
        for (qsizetype i = 2; i < size;) {
            if (bytes[i] == 0x00) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                text.append(QChar(bytes[i]));
                ++i;
            } else {
                if (i + 1 >= size)
                    break;
                text.append(QChar(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8)));
                i += 2;
            }
        }
        return text;
    }
    text.resize(size / 2);
    for (qsizetype i = 0; i < size / 2; ++i)
        text[i] = QChar(static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8));
    return text;
}

} // namespace kelvane
