#include "store/treetext/texttokenizer.h"

#include "store/error.h"
#include "store/treetext/cp1251.h"

#include <charconv>
#include <cstring>

namespace kelvane {

namespace {

constexpr qsizetype WindowSize = 4096;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isIdentChar(char c) {
    return isIdentStart(c) || isDigit(c);
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool isFloatChar(char c) {
    return isDigit(c) || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
}

struct HexTable {
    signed char value[256];
    HexTable() {
        for (int i = 0; i < 256; ++i)
            value[i] = -1;
        for (int i = 0; i < 10; ++i)
            value['0' + i] = static_cast<signed char>(i);
        for (int i = 0; i < 6; ++i) {
            value['A' + i] = static_cast<signed char>(10 + i);
            value['a' + i] = static_cast<signed char>(10 + i);
        }
    }
};
const HexTable hexTable;

} // namespace

TextTokenizer::TextTokenizer(const QByteArray& text)
    : data_(text.constData())
    , size_(text.size()) {
    loadWindow();
    next();
}

void TextTokenizer::fail(const QString& message) const {
    throw Error(QStringLiteral("%1 on line %2").arg(message).arg(line_));
}

void TextTokenizer::loadWindow() {
    if (size_ - pos_ < WindowSize) {
        limit_ = size_;
        return;
    }
    const void* lf = memrchr(data_ + pos_ + 1, '\n', WindowSize - 2);
    if (lf == nullptr)
        fail(QStringLiteral("Line too long"));
    limit_ = static_cast<const char*>(lf) - data_ + 1;
}

bool TextTokenizer::skipBlanks() {
    for (;;) {
        if (pos_ == limit_) {
            if (limit_ == size_)
                return false;
            loadWindow();
            continue;
        }
        const auto c = static_cast<unsigned char>(data_[pos_]);
        if (c == 0)
            return false;
        if (c > 32)
            return true;
        if (c == '\n')
            ++line_;
        ++pos_;
    }
}

TextTokenizer::Token TextTokenizer::next() {
    hex_ = false;
    floatKind_ = PropertyValue::FloatKind::Plain;
    if (!skipBlanks()) {
        start_ = pos_;
        length_ = 0;
        return token_ = Token::End;
    }
    start_ = pos_;
    const char c = data_[pos_];
    if (c == '\'' || c == '#') {
        scanString();
        token_ = Token::String;
    } else if (c == '$') {
        ++pos_;
        while (pos_ < limit_ && isHexDigit(data_[pos_]))
            ++pos_;
        hex_ = true;
        token_ = Token::Integer;
    } else if (c == '-' || isDigit(c)) {
        scanNumber();
    } else if (isIdentStart(c)) {
        ++pos_;
        while (pos_ < limit_ && isIdentChar(data_[pos_]))
            ++pos_;
        token_ = Token::Identifier;
    } else {
        ++pos_;
        token_ = Token::Char;
    }
    length_ = pos_ - start_;
    return token_;
}

void TextTokenizer::scanString() {
    units_.clear();
    wide_ = false;
    for (;;) {
        if (pos_ >= limit_)
            return;
        const char c = data_[pos_];
        if (c == '\'') {
            ++pos_;
            for (;;) {
                if (pos_ >= limit_)
                    fail(QStringLiteral("Invalid string constant"));
                const char q = data_[pos_];
                if (q == '\r' || q == '\n' || q == '\0')
                    fail(QStringLiteral("Invalid string constant"));
                ++pos_;
                if (q == '\'') {
                    if (pos_ < limit_ && data_[pos_] == '\'') {
                        ++pos_;
                    } else {
                        break;
                    }
                }
                units_.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(q))));
            }
        } else if (c == '#') {
            ++pos_;
            std::uint32_t low = 0;   // the code modulo 65536
            std::uint32_t value = 0; // stops growing past 127; only compared with it
            while (pos_ < limit_ && isDigit(data_[pos_])) {
                const auto digit = static_cast<std::uint32_t>(data_[pos_] - '0');
                low = (low * 10 + digit) & 0xFFFF;
                if (value <= 127)
                    value = value * 10 + digit;
                ++pos_;
            }
            wide_ = wide_ || value > 127;
            units_.append(QChar(static_cast<char16_t>(low)));
        } else {
            return;
        }
    }
}

void TextTokenizer::scanNumber() {
    ++pos_;
    while (pos_ < limit_ && isDigit(data_[pos_]))
        ++pos_;
    token_ = Token::Integer;
    if (pos_ < limit_ && isFloatChar(data_[pos_])) {
        while (pos_ < limit_ && isFloatChar(data_[pos_]))
            ++pos_;
        token_ = Token::Float;
    }
    if (pos_ < limit_) {
        switch (data_[pos_]) {
        case 'C':
        case 'c':
            floatKind_ = PropertyValue::FloatKind::Currency;
            break;
        case 'D':
        case 'd':
            floatKind_ = PropertyValue::FloatKind::Date;
            break;
        case 'S':
        case 's':
            floatKind_ = PropertyValue::FloatKind::Single;
            break;
        default:
            return;
        }
        ++pos_;
        token_ = Token::Float;
    }
}

bool TextTokenizer::isSymbol(const char* keyword) const {
    const auto size = static_cast<qsizetype>(std::strlen(keyword));
    return token_ == Token::Identifier && length_ == size &&
           QByteArrayView(data_ + start_, size)
                   .compare(QByteArrayView(keyword, size), Qt::CaseInsensitive) == 0;
}

QString TextTokenizer::tokenText() const {
    qsizetype length = length_;
    if (token_ == Token::Float && floatKind_ != PropertyValue::FloatKind::Plain)
        --length;
    if (token_ == Token::String)
        return stringValue();
    return QString::fromLatin1(data_ + start_, length);
}

QString TextTokenizer::stringValue() const {
    if (wide_)
        return units_;
    QString text(units_.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < units_.size(); ++i)
        text[i] = cp1251::toUnicode(static_cast<unsigned char>(units_[i].unicode()));
    return text;
}

std::int64_t TextTokenizer::integerValue() const {
    const char* begin = data_ + start_;
    const char* end = begin + length_;
    std::int64_t value = 0;
    bool valid = false;
    if (hex_) {
        std::uint64_t unsignedValue = 0;
        const auto result = std::from_chars(begin + 1, end, unsignedValue, 16);
        valid = length_ > 1 && result.ec == std::errc() && result.ptr == end;
        value = static_cast<std::int64_t>(unsignedValue);
    } else {
        const auto result = std::from_chars(begin, end, value);
        valid = result.ec == std::errc() && result.ptr == end;
    }
    if (!valid)
        throw Error(QStringLiteral("'%1' is not a valid integer value").arg(tokenText()));
    return value;
}

long double TextTokenizer::floatValue() const {
    const char* begin = data_ + start_;
    const char* end = begin + length_;
    if (floatKind_ != PropertyValue::FloatKind::Plain)
        --end;
    long double value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end)
        throw Error(QStringLiteral("'%1' is not a valid floating point value").arg(tokenText()));
    if (floatKind_ == PropertyValue::FloatKind::Currency)
        value /= 10000;
    return value;
}

void TextTokenizer::extendDottedIdentifier() {
    while (pos_ < limit_ && data_[pos_] == '.') {
        ++pos_;
        if (pos_ >= limit_ || !isIdentStart(data_[pos_]))
            fail(QStringLiteral("Identifier expected"));
        while (pos_ < limit_ && isIdentChar(data_[pos_]))
            ++pos_;
    }
    length_ = pos_ - start_;
}

QByteArray TextTokenizer::readBinary() {
    QByteArray bytes((size_ - pos_) / 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (;;) {
        if (!skipBlanks())
            fail(QStringLiteral("Invalid binary value"));
        if (data_[pos_] == '}') {
            ++pos_;
            break;
        }
        const auto* p = reinterpret_cast<const unsigned char*>(data_ + pos_);
        const auto* end = reinterpret_cast<const unsigned char*>(data_ + limit_);
        const auto* first = p;
        while (end - p >= 2) {
            const int high = hexTable.value[p[0]];
            const int low = hexTable.value[p[1]];
            if ((high | low) < 0)
                break;
            *out++ = static_cast<char>((high << 4) | low);
            p += 2;
        }
        if (p == first)
            fail(QStringLiteral("Invalid binary value"));
        pos_ += p - first;
    }
    bytes.truncate(out - bytes.constData());
    next();
    return bytes;
}

} // namespace kelvane
