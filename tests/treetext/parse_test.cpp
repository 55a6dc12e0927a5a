#include "store/error.h"
#include "store/treetext/parsecomponenttext.h"
#include "tests/treetext/qtprinters.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using Kind = PropertyValue::Kind;

QByteArray withHint(const QByteArray& value) {
    return "object TreeView1: TTreeView\n  Hint = " + value + "\nend\n";
}

QString errorOf(const QByteArray& text) {
    try {
        ParseComponentText(text);
    } catch (const Error& error) {
        return error.message();
    }
    return QStringLiteral("no error");
}

struct StringCase {
    QByteArray source;
    QString value;
};

TEST(ParseComponentText, StringTokens) {
    const StringCase cases[] = {
        {"'It''s'", QStringLiteral("It's")},
        {"'a'#13#10'b'", QStringLiteral("a\r\nb")},
        {"'ab' + 'cd'", QStringLiteral("abcd")},
        {"'ab' +\n  'cd'", QStringLiteral("abcd")},
        {"#1040'x'", QStringLiteral("Аx")},
        {"#65'x'", QStringLiteral("Ax")},
        {"#", QString(QChar(0))},
        {"''", QString()},
        // Quoted bytes are Windows-1251 unless a code above 127 makes the token Unicode.
        {"'\xC4\xE5\xF0\xE5\xE2\xEE'", QStringLiteral("Дерево")},
        {"#1040'\xC4'", QStringLiteral("А\u00C4")},
        {"#192", QStringLiteral("\u00C0")},
        {"#127'\xC4'", QStringLiteral("\u007FД")},
        {"#66576", QString(QChar(static_cast<char16_t>(66576 % 65536)))},
    };
    for (const auto& [source, value] : cases) {
        const ComponentObject root = ParseComponentText(withHint(source));
        ASSERT_EQ(root.properties.size(), 1u) << source.constData();
        EXPECT_EQ(root.properties[0].get().kind, Kind::String) << source.constData();
        EXPECT_EQ(root.properties[0].get().text, value) << source.constData();
    }
}

struct ErrorCase {
    QByteArray text;
    QString message;
};

TEST(ParseComponentText, ErrorMessages) {
    const ErrorCase cases[] = {
        {"objekt TreeView1: TTreeView\nend\n", "OBJECT expected on line 1"},
        {"", "OBJECT expected on line 1"},
        {withHint("'ab' 'cd'"), "Identifier expected on line 2"},
        {withHint("'ab' + 1"), "String expected on line 2"},
        {"object TreeView1: TTreeView [x]\nend\n", "Number expected on line 1"},
        {"object TreeView1: TTreeView [1\nend\n", "'']'' expected on line 2"},
        {"object TreeView1: TTreeView\n\n  Left 1\nend\n", "''='' expected on line 3"},
        {"object TreeView1: TTreeView\n  Anchors = [akLeft akTop]\nend\n",
         "'','' expected on line 2"},
        {"object TreeView1: TTreeView\n  Anchors = ['a']\nend\n", "Identifier expected on line 2"},
        {withHint("'abc\n'"), "Invalid string constant on line 2"},
        {withHint("'abc\r'"), "Invalid string constant on line 2"},
        {"object TreeView1: TTreeView\n  Hint = 'abc", "Invalid string constant on line 2"},
        {withHint(")"), "Invalid property value on line 2"},
        {"object TreeView1: TTreeView\n  Left =", "Invalid property value on line 2"},
        {"object TreeView1: TTreeView\n  Items.Data = {0G}\nend\n",
         "Invalid binary value on line 2"},
        {"object TreeView1: TTreeView\n  Items.Data = {:0}\nend\n",
         "Invalid binary value on line 2"},
        {"object TreeView1: TTreeView\n  Items.Data = {A B}\nend\n",
         "Invalid binary value on line 2"},
        {"object TreeView1: TTreeView\n  Items.Data = {ABC}\nend\n",
         "Invalid binary value on line 2"},
        // A text cut inside the block.
        {"object TreeView1: TTreeView\n  Items.Data = {\n    0000\n    00",
         "Invalid binary value on line 4"},
        {"object TreeView1: TTreeView\n  Items.Data = {\n    00000000\n",
         "Invalid binary value on line 4"},
        {"object TreeView1: TTreeView\n  Collection = <\n    foo\n  >\nend\n",
         "item expected on line 3"},
        {"object TreeView1: TTreeView\n  Left = 1\n", "Identifier expected on line 3"},
        {"object TreeView1: TTreeView\n  Images = Form1 . ImageList1\nend\n",
         "Identifier expected on line 2"},
        {"object TreeView1: TTreeView\n  Images = Form1.\nend\n", "Identifier expected on line 2"},
        {"object TreeView1: TTreeView\n  Font. = 1\nend\n", "Identifier expected on line 2"},
        {"object : TTreeView\nend\n", "Identifier expected on line 1"},
        // The one token read after the root's end.
        {"object TreeView1: TTreeView\nend\n'abc", "Invalid string constant on line 3"},
        // Conversions carry no line number.
        {"object TreeView1: TTreeView\n  Left = -\nend\n", "'-' is not a valid integer value"},
        {"object TreeView1: TTreeView\n  Left = $\nend\n", "'$' is not a valid integer value"},
        {"object TreeView1: TTreeView\n  Left = 9223372036854775808\nend\n",
         "'9223372036854775808' is not a valid integer value"},
        {"object TreeView1: TTreeView\n  Left = $1FFFFFFFFFFFFFFFF\nend\n",
         "'$1FFFFFFFFFFFFFFFF' is not a valid integer value"},
        {"object TreeView1: TTreeView\n  Left = 1.2.3\nend\n",
         "'1.2.3' is not a valid floating point value"},
        {"object TreeView1: TTreeView\n  Left = 1e\nend\n",
         "'1e' is not a valid floating point value"},
        {"object TreeView1: TTreeView\n  Left = --1\nend\n",
         "'--1' is not a valid floating point value"},
        {"object TreeView1: TTreeView [-]\nend\n", "'-' is not a valid integer value"},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(errorOf(text), message) << text.constData();
}

TEST(ParseComponentText, ValueKinds) {
    const ComponentObject root =
        ParseComponentText("inherited TreeView1: TTreeView [7]\n"
                           "  A = -12\n"
                           "  B = $FF\n"
                           "  C = 1.5\n"
                           "  D = 12345c\n"
                           "  E = 2.5s\n"
                           "  F = 3d\n"
                           "  G = Form1.ImageList1\n"
                           "  H = [akLeft, 3]\n"
                           "  I = []\n"
                           "  J = (1 'x'\n (2))\n"
                           "  K = <\n    item [3]\n      L = 1\n    end\n    item\n    end>\n"
                           "  Items . Data = {0aFf\n    10}\n"
                           "end\n");
    EXPECT_EQ(root.kind, ComponentObject::Kind::Inherited);
    EXPECT_EQ(root.objectName, "TreeView1");
    EXPECT_EQ(root.className, "TTreeView");
    EXPECT_EQ(root.orderIndex, 7);
    ASSERT_EQ(root.properties.size(), 12u);
    const auto& p = root.properties;
    EXPECT_EQ(p[0].get().integer, -12);
    EXPECT_EQ(p[1].get().integer, 255);
    EXPECT_EQ(p[2].get().kind, Kind::Float);
    EXPECT_EQ(p[2].get().real, 1.5L);
    EXPECT_EQ(p[3].get().floatKind, PropertyValue::FloatKind::Currency);
    EXPECT_DOUBLE_EQ(static_cast<double>(p[3].get().real), 1.2345);
    EXPECT_EQ(p[4].get().floatKind, PropertyValue::FloatKind::Single);
    EXPECT_EQ(p[5].get().floatKind, PropertyValue::FloatKind::Date);
    EXPECT_EQ(p[5].get().real, 3.0L);
    EXPECT_EQ(p[6].get().kind, Kind::Identifier);
    EXPECT_EQ(p[6].get().text, "Form1.ImageList1");
    EXPECT_EQ(p[7].get().elements, QStringList({"akLeft", "3"}));
    EXPECT_EQ(p[8].get().kind, Kind::Set);
    EXPECT_TRUE(p[8].get().elements.isEmpty());
    ASSERT_EQ(p[9].get().list.size(), 3u);
    EXPECT_EQ(p[9].get().list[1].text, "x");
    EXPECT_EQ(p[9].get().list[2].list[0].integer, 2);
    ASSERT_EQ(p[10].get().items.size(), 2u);
    EXPECT_EQ(p[10].get().items[0].orderIndex, 3);
    EXPECT_EQ(p[10].get().items[0].properties[0].path, "L");
    EXPECT_FALSE(p[10].get().items[1].orderIndex.has_value());
    EXPECT_EQ(p[11].path, "Items.Data");
    EXPECT_EQ(p[11].get().bytes, QByteArray("\x0a\xff\x10", 3));
}

TEST(ParseComponentText, KeywordsInAnyCaseNulAndNestedObjects) {
    const QByteArray text("OBJECT TreeView1: TTreeView\n  Left = 1\n  Object Inner: TFont\n  End\n"
                          "END\n\0 garbage that is never read '",
                          95);
    const ComponentObject root = ParseComponentText(text);
    EXPECT_EQ(root.properties.size(), 1u);
    ASSERT_EQ(root.objects.size(), 1u);
    EXPECT_EQ(root.objects[0].objectName, "Inner");
    EXPECT_TRUE(ParseComponentText("inline TTreeView\nend").objectName.isEmpty());
}

TEST(ParseComponentText, DeepNestingIsRefusedNotOverflowed) {
    const QByteArray text =
        "object TreeView1: TTreeView\n  Left = " + QByteArray(100000, '(').replace("(", "(\n");
    EXPECT_EQ(errorOf(text), QStringLiteral("Слишком глубокая вложенность значений (строка 257)"));
}

// A line that starts a window may hold up to 4094 bytes before its LF; the header line of
// these texts is short, so the second window starts at the long line.
TEST(ParseComponentText, LineLengthWindow) {
    struct Case {
        int lineLength;
        bool tooLong;
    };
    for (const auto [lineLength, tooLong] :
         {Case{4093, false}, Case{4094, false}, Case{4095, true}, Case{9000, true}}) {
        const QByteArray prefix = "  Hint = '";
        const QByteArray line = prefix + QByteArray(lineLength - prefix.size() - 1, 'a') + "'";
        const QByteArray text =
            "object TreeView1: TTreeView\n" + line + "\nend\n" + QByteArray(5000, '\n');
        EXPECT_EQ(errorOf(text), tooLong ? "Line too long on line 2" : "no error") << lineLength;
    }
    // A text shorter than one window is never too long, and CR counts as a byte of the line.
    EXPECT_EQ(errorOf("object TreeView1: TTreeView\n  Hint = '" + QByteArray(3000, 'a') + "'\nend"),
              "no error");
    const QByteArray line4094 = "  Hint = '" + QByteArray(4083, 'a') + "'";
    EXPECT_EQ(
        errorOf("object TreeView1: TTreeView\n" + line4094 + "\r\nend\n" + QByteArray(5000, '\n')),
        "Line too long on line 2");
}

} // namespace
} // namespace kelvane
