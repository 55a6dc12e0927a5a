#pragma once

#include "store/treetext/propertyvalue.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace kelvane {

// Splits a component text into tokens. The text is examined in windows of 4096 bytes that begin
// at a line start; a full window must hold a line feed at one of its offsets 1 to 4094 ("Line
// too long"). A NUL byte ends the text; CR counts as a blank.
class TextTokenizer {
public:
    enum class Token { End, Identifier, String, Integer, Float, Char };

    explicit TextTokenizer(const QByteArray& text);

    Token next();
    Token token() const { return token_; }
    bool isChar(char c) const { return token_ == Token::Char && data_[start_] == c; }
    // An identifier equal to `keyword` regardless of letter case.
    bool isSymbol(const char* keyword) const;
    // The bytes of the current token as written (a float without its suffix letter).
    QString tokenText() const;

    QString stringValue() const;
    std::int64_t integerValue() const;
    long double floatValue() const;
    PropertyValue::FloatKind floatKind() const { return floatKind_; }

    // Takes the ".name" parts that follow the current identifier without blanks into it.
    void extendDottedIdentifier();
    // With the current token '{': reads hex pairs up to '}' and moves to the token after it.
    QByteArray readBinary();

    int line() const { return line_; }
    // Throws Error("<message> on line <n>").
    [[noreturn]] void fail(const QString& message) const;

private:
    void loadWindow();
    bool skipBlanks(); // false at the end of the text
    void scanString();
    void scanNumber();

    const char* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    qsizetype limit_ = 0; // end of the current window
    int line_ = 1;

    Token token_ = Token::End;
    qsizetype start_ = 0;
    qsizetype length_ = 0;
    bool hex_ = false;
    PropertyValue::FloatKind floatKind_ = PropertyValue::FloatKind::Plain;
    QString units_; // string token: quoted bytes and character codes as UTF-16 units
    bool wide_ = false;
};

} // namespace kelvane
