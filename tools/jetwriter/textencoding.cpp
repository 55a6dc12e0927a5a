#include "tools/jetwriter/textencoding.h"

#include <algorithm>

namespace kelvane::jet {

static void appendUcs2(const QString& text, std::vector<std::uint8_t>& out) {
    const std::size_t start = out.size();
    out.resize(start + 2 * static_cast<std::size_t>(text.size()));
    std::uint8_t* at = out.data() + start;
    for (const QChar c : text) {
        *at++ = static_cast<std::uint8_t>(c.unicode());
        *at++ = static_cast<std::uint8_t>(c.unicode() >> 8);
    }
}

bool appendStoredText(const QString& text, std::vector<std::uint8_t>& out) {
    if (text.isEmpty()) {
        return true;
    }
    const bool compressible = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x01 && c.unicode() <= 0xFF;
    });
    if (compressible) {
        const std::size_t start = out.size();
        out.resize(start + 2 + static_cast<std::size_t>(text.size()));
        std::uint8_t* at = out.data() + start;
        *at++ = 0xFF;
        *at++ = 0xFE;
        for (const QChar c : text) {
            *at++ = static_cast<std::uint8_t>(c.unicode());
        }
        return true;
    }
    if (text.front() == QChar(0xFEFF)) {
        const bool lowZero = std::any_of(text.begin(), text.end(),
                                         [](QChar c) { return (c.unicode() & 0xFF) == 0; });
        if (lowZero) {
            return false;
        }
        out.insert(out.end(), {0xFF, 0xFE, 0x00});
    }
    appendUcs2(text, out);
    return true;
}

} // namespace kelvane::jet
