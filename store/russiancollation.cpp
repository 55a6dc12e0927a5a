#include "store/russiancollation.h"

#include "store/error.h"

#include <QChar>
#include <sqlite3.h>

namespace kelvane {

namespace {

constexpr char32_t CyrillicIe = 0x0435; // е
constexpr char32_t CyrillicIo = 0x0451; // ё
constexpr char32_t Replacement = 0xFFFD;

// Decodes one UTF-8 character at `at`, advancing it; malformed bytes read as U+FFFD.
char32_t decode(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
    } else {
        return Replacement;
    }
    for (; extra > 0; --extra) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return Replacement;
        value = (value << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    return value;
}

// Sort weight of one character: its case-folded code point, doubled so that ё fits between е
// and ж. Code point order already puts digits before Latin before Cyrillic and а..я in order.
std::uint64_t weight(char32_t c) {
    const char32_t folded = c < 0x80 ? static_cast<char32_t>((c >= 'A' && c <= 'Z') ? c + 32 : c)
                                     : QChar::toCaseFolded(c);
    if (folded == CyrillicIo)
        return 2 * std::uint64_t{CyrillicIe} + 1;
    return 2 * std::uint64_t{folded};
}

int collate(void*, int leftSize, const void* left, int rightSize, const void* right) {
    return compareRussian(
        std::string_view(static_cast<const char*>(left), static_cast<std::size_t>(leftSize)),
        std::string_view(static_cast<const char*>(right), static_cast<std::size_t>(rightSize)));
}

} // namespace

int compareRussian(std::string_view left, std::string_view right) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < left.size() && j < right.size()) {
        const std::uint64_t a = weight(decode(left, i));
        const std::uint64_t b = weight(decode(right, j));
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (i < left.size())
        return 1;
    if (j < right.size())
        return -1;
    return 0;
}

void registerRussianCollation(sqlite3* db) {
    if (sqlite3_create_collation_v2(db, RussianCollationName, SQLITE_UTF8, nullptr, collate,
                                    nullptr) != SQLITE_OK)
        throw Error(QStringLiteral("Не удалось зарегистрировать порядок сортировки: %1")
                        .arg(QString::fromUtf8(sqlite3_errmsg(db))));
}

} // namespace kelvane
