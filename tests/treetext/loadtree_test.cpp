#include "store/cursor.h"
#include "store/error.h"
#include "store/treetext/loadtree.h"
#include "store/treetext/recordingtreeview.h"
#include "tests/treetext/nodebytes.h"
#include "tests/treetext/qtprinters.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

// tbstructura over rows given in the test: column 0 an id, column 1 the stored text.
class StructuraCursor : public Cursor {
public:
    explicit StructuraCursor(const QStringList& texts)
        : Cursor(QStringLiteral("tbstructura")) {
        ResultSet::Column id{QStringLiteral("id"), ResultSet::Kind::Integer, {}, {}};
        ResultSet::Column text{QStringLiteral("data"), ResultSet::Kind::Text, {}, {}};
        for (const QString& t : texts) {
            id.integers.push_back(static_cast<std::int64_t>(id.integers.size()) + 1);
            text.texts.push_back(t);
        }
        attach(ResultSet({id, text}, static_cast<int>(texts.size())));
    }
};

QString treeText(const QString& lines) {
    return QString::fromLatin1(test::treeText(""))
        .replace(QStringLiteral("end\n"), lines + "end\n");
}

TEST(LoadTree, NoRowsDoesNothing) {
    StructuraCursor tbstructura({});
    RecordingTreeView tree;
    LoadTree(tbstructura, tree);
    EXPECT_TRUE(tree.log().isEmpty());
    EXPECT_TRUE(tree.nodes().empty());
}

TEST(LoadTree, ReadsTheFirstRowAsWindows1251) {
    const QByteArray block = test::int32Bytes(1) + test::nodeEntry({"\xC4\xE5\xF0\xE5\xE2\xEE"});
    StructuraCursor tbstructura(
        {treeText(QStringLiteral("  Hint = 'Справочники ★ €'\n  Items.Data = ") +
                  QString::fromLatin1(test::hexBlock(block)) + "\n"),
         QStringLiteral("not read")});
    RecordingTreeView tree;
    LoadTree(tbstructura, tree);
    // ★ has no Windows-1251 byte and arrives as '?'; € has one.
    ASSERT_FALSE(tree.log().isEmpty());
    EXPECT_EQ(tree.log().front(), QStringLiteral("Hint = 'Справочники ? €'"));
    ASSERT_EQ(tree.nodes().size(), 1u);
    EXPECT_EQ(tree.nodes()[0].text, QStringLiteral("Дерево"));
}

TEST(LoadTree, PropagatesErrors) {
    StructuraCursor broken({QStringLiteral("objekt")});
    RecordingTreeView tree;
    try {
        LoadTree(broken, tree);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), QStringLiteral("OBJECT expected on line 1"));
    }
    StructuraCursor closed({});
    closed.close();
    EXPECT_THROW(LoadTree(closed, tree), Error);
}

} // namespace
} // namespace kelvane
