#include "store/jettext.h"

namespace kelvane {

QString decodeJetText(const QByteArray& stored) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(stored.constData());
    const qsizetype size = stored.size();
    QString text;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text.resize(size);
        QChar* out = text.data();
        qsizetype length = 0;
        bool compressed = true;
        for (qsizetype i = 2; i < size;) {
            if (bytes[i] == 0x00) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out[length++] = QChar(bytes[i]);
                ++i;
            } else {
                if (i + 1 >= size)
                    break;
                out[length++] = QChar(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
                i += 2;
            }
        }
        text.truncate(length);
        return text;
    }
    text.resize(size / 2);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size / 2; ++i)
        out[i] = QChar(static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8));
    return text;
}

} // namespace kelvane
