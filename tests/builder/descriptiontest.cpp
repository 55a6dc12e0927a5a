#include "store/error.h"
#include "tests/builder/sample.h"
#include "tools/builder/configuration.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::builder;

TEST(Description, ReadsNodesAttributesAndProcedures) {
    const Configuration configuration = parseDescription(test::sampleDescription());
    const Node& root = configuration.root;
    EXPECT_EQ(root.name, QStringLiteral("Конф"));
    ASSERT_EQ(root.children.size(), 2u);
    const Node& catalogs = root.children[1];
    EXPECT_EQ(catalogs.imageIndex, 43);
    EXPECT_EQ(catalogs.col1, 7);
    const Node& goods = catalogs.children.at(0);
    ASSERT_EQ(goods.procedures.size(), 2u);
    EXPECT_EQ(goods.procedures[0].name, QStringLiteral("ПередЗаписью"));
    EXPECT_EQ(goods.procedures[0].kind, QStringLiteral("Процедура"));
    EXPECT_EQ(goods.procedures[1].kind, QStringLiteral("Функция"));
    const Node& price = goods.children.at(0).children.at(0);
    EXPECT_EQ(price.type, QStringLiteral("Ч"));
    EXPECT_EQ(price.imageIndexType, 2);
    EXPECT_EQ(price.imageIndex, 59);
    EXPECT_EQ(price.col1, -1);
}

TEST(Description, AcceptsNumericPicturesAndNamesWithBlanks) {
    const Node root = parseDescription(QStringLiteral("Конф | 0\r\n"
                                                      "    Планы cчетов | picture=66\r\n"))
                          .root;
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(root.children[0].name, QStringLiteral("Планы cчетов"));
    EXPECT_EQ(root.children[0].imageIndex, 66);
}

struct BadDescription {
    const char* text;
    int line;
    const char* fragment;
};

class DescriptionError : public ::testing::TestWithParam<BadDescription> {};

TEST_P(DescriptionError, NamesTheLine) {
    const BadDescription& bad = GetParam();
    try {
        parseDescription(QString::fromUtf8(bad.text));
        FAIL() << "no error for: " << bad.text;
    } catch (const Error& error) {
        const QString message = error.message();
        EXPECT_TRUE(message.startsWith(QStringLiteral("Строка %1: ").arg(bad.line)))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(bad.fragment))) << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Description, DescriptionError,
    ::testing::Values(BadDescription{"  Конф", 1, "без отступа"},
                      BadDescription{"Конф\n\n# c\nДругая", 4, "второй корень"},
                      BadDescription{"Конф\n    А\n  Б", 3, "не совпадает"},
                      BadDescription{"Конф\n\tА", 2, "табуляцией"},
                      BadDescription{"Конф\n  А | NoSuchPicture", 2, "NoSuchPicture"},
                      BadDescription{"Конф\n  А | type=ABCDEF", 2, "5 символов"},
                      BadDescription{"Конф\n  А | col1=x", 2, "col1"},
                      BadDescription{"Конф\n  А | col1=40000", 2, "col1"},
                      BadDescription{"Конф\n  А | colour=1", 2, "colour"},
                      BadDescription{"Конф\n  | Catalog", 2, "нет имени"},
                      BadDescription{"Конф\n  процедура", 2, "нет имени"},
                      BadDescription{"процедура Старт", 1, "вне узла"},
                      BadDescription{"Конф\n  функция Ф\n    А", 3, "процедуры"}));

TEST(Description, EmptyTextIsAnError) {
    EXPECT_THROW(parseDescription(QStringLiteral("# только комментарий\n\n")), Error);
}
