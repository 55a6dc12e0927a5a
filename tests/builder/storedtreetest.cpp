#include "tools/builder/storedtree.h"

#include "tests/builder/sample.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kelvane::builder;

TEST(StoredTree, TwoNodeListIsLaidOutDepthFirst) {
    Node root = kelvane::test::node(QStringLiteral("A"), 3);
    root.children.push_back(kelvane::test::node(QStringLiteral("BC"), 7));
    const QByteArray expected = QByteArray::fromHex("01000000"
                                                    "1A000000"
                                                    "03000000"
                                                    "03000000"
                                                    "FFFFFFFF"
                                                    "FFFFFFFF"
                                                    "00000000"
                                                    "01000000"
                                                    "0141"
                                                    "1B000000"
                                                    "07000000"
                                                    "07000000"
                                                    "FFFFFFFF"
                                                    "FFFFFFFF"
                                                    "00000000"
                                                    "00000000"
                                                    "024243");
    EXPECT_EQ(encodeNodeList(root).toHex(), expected.toHex());
}

TEST(StoredTree, NodeTextIsWindows1251) {
    struct Case {
        QString name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {QStringLiteral("ЁЖж"), QByteArray::fromHex("A8C6E6")},
        {QStringLiteral("Планы cчетов"), QByteArray::fromHex("CFEBE0EDFB2063F7E5F2EEE2")},
        {QStringLiteral("A\u65E5\U0001F600"), QByteArray("A??")},
    };
    for (const Case& c : cases) {
        const QByteArray list = encodeNodeList(kelvane::test::node(c.name));
        EXPECT_EQ(static_cast<unsigned char>(list[4]), 25 + c.bytes.size());
        EXPECT_EQ(list.mid(33).toHex(), c.bytes.toHex()) << c.name.toStdString();
    }
}

TEST(StoredTree, TextCarriesTheListAsHexLines) {
    Node root = kelvane::test::node(QStringLiteral("Конфигурация"));
    for (int i = 0; i < 5; ++i)
        root.children.push_back(kelvane::test::node(QStringLiteral("Узел %1").arg(i), 44));
    const QString text = storedTreeText(root);
    const qsizetype open = text.indexOf(QStringLiteral("Items.Data = {"));
    const qsizetype close = text.indexOf(QLatin1Char('}'), open);
    ASSERT_GE(open, 0);
    ASSERT_GT(close, open);
    QString hex = text.mid(open + 14, close - open - 14);
    for (const QString& line : hex.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        EXPECT_LE(line.trimmed().size(), 64);
    hex.remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_EQ(QByteArray::fromHex(hex.toLatin1()), encodeNodeList(root));
    EXPECT_TRUE(text.contains(QStringLiteral("Images = Form1.ImageList1")));
}
