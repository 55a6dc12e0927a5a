#include "store/treetext/parsecomponenttext.h"

#include "store/error.h"
#include "store/treetext/texttokenizer.h"

namespace kelvane {

namespace {

using Token = TextTokenizer::Token;

// Nested objects, lists and collections deeper than this are refused instead of exhausting the
// stack; no stored tree text comes anywhere near it.
constexpr int MaxNesting = 256;

// Recursive-descent reader of the component text grammar over TextTokenizer.
class ComponentParser {
public:
    explicit ComponentParser(const QByteArray& text)
        : tokens_(text) {}

    ComponentObject parseRoot() {
        ComponentObject root = parseObject();
        tokens_.next();
        return root;
    }

private:
    struct Nesting {
        explicit Nesting(ComponentParser& parser)
            : parser_(parser) {
            if (++parser_.depth_ > MaxNesting)
                throw Error(QStringLiteral("Слишком глубокая вложенность значений (строка %1)")
                                .arg(parser_.tokens_.line()));
        }
        ~Nesting() { --parser_.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        ComponentParser& parser_;
    };

    void requireIdentifier() {
        if (tokens_.token() != Token::Identifier)
            tokens_.fail(QStringLiteral("Identifier expected"));
    }
    void requireChar(char c) {
        if (!tokens_.isChar(c))
            tokens_.fail(QStringLiteral("''%1'' expected").arg(QLatin1Char(c)));
    }
    bool endOfObject() const {
        return tokens_.isSymbol("end") || tokens_.isSymbol("object") ||
               tokens_.isSymbol("inherited") || tokens_.isSymbol("inline");
    }

    std::optional<std::int64_t> parseOrderIndex() {
        if (!tokens_.isChar('['))
            return std::nullopt;
        tokens_.next();
        if (tokens_.token() != Token::Integer)
            tokens_.fail(QStringLiteral("Number expected"));
        const std::int64_t index = tokens_.integerValue();
        tokens_.next();
        requireChar(']');
        tokens_.next();
        return index;
    }

    ComponentObject parseObject() {
        const Nesting nesting(*this);
        ComponentObject object;
        if (tokens_.isSymbol("object"))
            object.kind = ComponentObject::Kind::Object;
        else if (tokens_.isSymbol("inherited"))
            object.kind = ComponentObject::Kind::Inherited;
        else if (tokens_.isSymbol("inline"))
            object.kind = ComponentObject::Kind::Inline;
        else
            tokens_.fail(QStringLiteral("%1 expected").arg(QStringLiteral("OBJECT")));
        tokens_.next();
        requireIdentifier();
        object.className = tokens_.tokenText();
        tokens_.next();
        if (tokens_.isChar(':')) {
            tokens_.next();
            requireIdentifier();
            object.objectName = object.className;
            object.className = tokens_.tokenText();
            tokens_.next();
        }
        object.orderIndex = parseOrderIndex();
        while (!endOfObject())
            object.properties.push_back(parseProperty());
        while (!tokens_.isSymbol("end"))
            object.objects.push_back(parseObject());
        tokens_.next();
        return object;
    }

    Property parseProperty() {
        requireIdentifier();
        Property property;
        property.path = tokens_.tokenText();
        tokens_.next();
        while (tokens_.isChar('.')) {
            tokens_.next();
            requireIdentifier();
            property.path += QLatin1Char('.') + tokens_.tokenText();
            tokens_.next();
        }
        requireChar('=');
        tokens_.next();
        property.value.push_back(parseValue());
        return property;
    }

    PropertyValue parseValue() {
        const Nesting nesting(*this);
        PropertyValue value;
        switch (tokens_.token()) {
        case Token::Identifier:
            tokens_.extendDottedIdentifier();
            value.kind = PropertyValue::Kind::Identifier;
            value.text = tokens_.tokenText();
            tokens_.next();
            return value;
        case Token::String:
            value.kind = PropertyValue::Kind::String;
            value.text = tokens_.stringValue();
            tokens_.next();
            while (tokens_.isChar('+')) {
                if (tokens_.next() != Token::String)
                    tokens_.fail(QStringLiteral("String expected"));
                value.text += tokens_.stringValue();
                tokens_.next();
            }
            return value;
        case Token::Integer:
            value.kind = PropertyValue::Kind::Integer;
            value.integer = tokens_.integerValue();
            tokens_.next();
            return value;
        case Token::Float:
            value.kind = PropertyValue::Kind::Float;
            value.real = tokens_.floatValue();
            value.floatKind = tokens_.floatKind();
            tokens_.next();
            return value;
        case Token::Char:
            break;
        case Token::End:
            tokens_.fail(QStringLiteral("Invalid property value"));
        }
        if (tokens_.isChar('('))
            return parseList();
        if (tokens_.isChar('['))
            return parseSet();
        if (tokens_.isChar('<'))
            return parseCollection();
        if (tokens_.isChar('{')) {
            value.kind = PropertyValue::Kind::Binary;
            value.bytes = tokens_.readBinary();
            return value;
        }
        tokens_.fail(QStringLiteral("Invalid property value"));
    }

    PropertyValue parseList() {
        PropertyValue value;
        value.kind = PropertyValue::Kind::List;
        tokens_.next();
        while (!tokens_.isChar(')'))
            value.list.push_back(parseValue());
        tokens_.next();
        return value;
    }

    PropertyValue parseSet() {
        PropertyValue value;
        value.kind = PropertyValue::Kind::Set;
        tokens_.next();
        if (!tokens_.isChar(']')) {
            for (;;) {
                if (tokens_.token() != Token::Integer)
                    requireIdentifier();
                value.elements.append(tokens_.tokenText());
                tokens_.next();
                if (tokens_.isChar(']'))
                    break;
                requireChar(',');
                tokens_.next();
            }
        }
        tokens_.next();
        return value;
    }

    PropertyValue parseCollection() {
        PropertyValue value;
        value.kind = PropertyValue::Kind::Collection;
        tokens_.next();
        while (!tokens_.isChar('>')) {
            if (!tokens_.isSymbol("item"))
                tokens_.fail(QStringLiteral("%1 expected").arg(QStringLiteral("item")));
            tokens_.next();
            CollectionItem item;
            item.orderIndex = parseOrderIndex();
            while (!tokens_.isSymbol("end"))
                item.properties.push_back(parseProperty());
            tokens_.next();
            value.items.push_back(std::move(item));
        }
        tokens_.next();
        return value;
    }

    TextTokenizer tokens_;
    int depth_ = 0;
};

} // namespace

ComponentObject ParseComponentText(const QByteArray& text) {
    return ComponentParser(text).parseRoot();
}

} // namespace kelvane
