#include "store/error.h"
#include "store/treetext/recordingtreeview.h"
#include "store/treetext/stringtocomponent.h"
#include "tests/treetext/nodebytes.h"
#include "tests/treetext/qtprinters.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::hexBlock;
using test::int32Bytes;
using test::nodeEntry;
using test::treeText;

// Applies the text; returns the error message, empty on success.
QString apply(const QByteArray& text, RecordingTreeView& tree) {
    try {
        StringToComponent(text, tree);
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

QStringList texts(const StoredNodes& nodes) {
    QStringList list;
    for (const StoredNode& node : nodes)
        list.append(node.text);
    return list;
}

const QByteArray twoNodes = int32Bytes(1) + nodeEntry({"A", 1}) + nodeEntry({"BC"});

TEST(StringToComponent, StoredTreeText) {
    RecordingTreeView tree;
    const QString error = apply(treeText("  Left = 0\n"
                                         "  Align = alClient\n"
                                         "  Color = clCream\n"
                                         "  Font.Charset = DEFAULT_CHARSET\n"
                                         "  Font.Style = []\n"
                                         "  Images = Form1.ImageList1\n"
                                         "  ReadOnly = True\n"
                                         "  Items.Data = " +
                                         hexBlock(twoNodes) + "\n"),
                                tree);
    EXPECT_EQ(error, QString());
    EXPECT_EQ(tree.log(),
              QStringList({"Left = 0", "Align = alClient", "Color = $00f0fbff", "Font.Charset = 1",
                           "Font.Style = []", "ReadOnly = True", "beginUpdate", "replaceNodes 2",
                           "endUpdate", "Images = Form1.ImageList1"}));
    EXPECT_EQ(texts(tree.nodes()), QStringList({"A", "BC"}));
    EXPECT_EQ(tree.nodes()[1].parent, 0);
}

struct PropertyCase {
    QByteArray line;
    QStringList log;
    QString error;
};

TEST(StringToComponent, PropertyValues) {
    const QString invalid = QStringLiteral("Invalid property value");
    const PropertyCase cases[] = {
        {"Left = -2147483648", {"Left = -2147483648"}, {}},
        {"Left = 2147483648", {}, "Error reading TreeView1.Left: " + invalid},
        {"Left = 1.5", {}, "Error reading TreeView1.Left: " + invalid},
        {"Left = True", {}, "Error reading TreeView1.Left: " + invalid},
        {"LEFT = $10", {"Left = 16"}, {}},
        {"font . height = -11", {"Font.Height = -11"}, {}},
        {"Constraints.MinWidth = 5", {"Constraints.MinWidth = 5"}, {}},
        {"Foo = 1", {}, "Error reading TreeView1.Foo: Property Foo does not exist"},
        {"Font.Foo = 1", {}, "Error reading TreeView1.Font.Foo: Property Foo does not exist"},
        {"Left.X = 1", {}, "Error reading TreeView1.Left.X: Invalid property path"},
        {"Font = 1", {}, "Error reading TreeView1.Font: " + invalid},
        {"showroot = FALSE", {"ShowRoot = False"}, {}},
        {"ShowRoot = Null", {}, "Error reading TreeView1.ShowRoot: " + invalid},
        {"ShowRoot = 1", {}, "Error reading TreeView1.ShowRoot: " + invalid},
        {"align = ALCLIENT", {"Align = alClient"}, {}},
        {"Align = alMiddle", {}, "Error reading TreeView1.Align: " + invalid},
        {"Font.Pitch = fpFixed", {"Font.Pitch = fpFixed"}, {}},
        {"Color = clWindow", {"Color = $80000005"}, {}},
        {"Color = 255", {"Color = $000000ff"}, {}},
        {"Color = clNoSuch", {}, "Error reading TreeView1.Color: " + invalid},
        {"Font.Color = clwindowtext", {"Font.Color = $80000008"}, {}},
        {"Cursor = crHandPoint", {"Cursor = -21"}, {}},
        {"DragCursor = crDrag", {"DragCursor = -12"}, {}},
        {"Font.Charset = RUSSIAN_CHARSET", {"Font.Charset = 204"}, {}},
        {"Anchors = [akLeft, AKTOP]", {"Anchors = [akLeft, akTop]"}, {}},
        {"Anchors = [akLeft, 1]", {}, "Error reading TreeView1.Anchors: " + invalid},
        {"Anchors = akLeft", {}, "Error reading TreeView1.Anchors: " + invalid},
        {"Hint = 'x' + #1046", {"Hint = 'xЖ'"}, {}},
        {"Hint = x", {}, "Error reading TreeView1.Hint: " + invalid},
        {"Name = 'TreeView1'", {"Name = 'TreeView1'"}, {}},
        {"DesignSize = (185 300)", {"DesignSize = (185 300)"}, {}},
        {"DesignSize = (185)", {}, "Error reading TreeView1.DesignSize: " + invalid},
        {"DesignSize = (185 1.5)", {}, "Error reading TreeView1.DesignSize: " + invalid},
        {"Items.Data = 1", {}, "Error reading TreeView1.Items.Data: " + invalid},
        {"Items.Data = {00000000}", {"beginUpdate", "replaceNodes 0", "endUpdate"}, {}},
        {"OnClick = NIL", {}, {}},
        {"OnClick = TreeView1Click", {}, "Error reading TreeView1.OnClick: " + invalid},
        {"OnClick = Null", {}, "Error reading TreeView1.OnClick: " + invalid},
        // References: resolved after the last property.
        {"Images = nil", {"Images = nil"}, {}},
        {"StateImages = Null", {"StateImages = nil"}, {}},
        {"PopupMenu = form1.popmen", {"PopupMenu = form1.popmen"}, {}},
        {"Images = ImageList1", {"Images = nil"}, {}},
        {"Images = Form2.ImageList1", {}, {}},
        {"Images = Form1.NoSuchList", {}, {}},
        {"Images = 'Form1.ImageList1'", {}, "Error reading TreeView1.Images: " + invalid},
    };
    for (const PropertyCase& c : cases) {
        RecordingTreeView tree;
        EXPECT_EQ(apply(treeText("  " + c.line + "\n"), tree), c.error) << c.line.constData();
        EXPECT_EQ(tree.log(), c.log) << c.line.constData();
    }
}

TEST(StringToComponent, FailureKeepsEarlierProperties) {
    RecordingTreeView tree;
    EXPECT_EQ(apply(treeText("  Left = 0\n  Top = 2\n  Images = Form1.ImageList1\n  Foo = 1\n"
                             "  Width = 3\n"),
                    tree),
              "Error reading TreeView1.Foo: Property Foo does not exist");
    // The reference waits for the end of the properties, which a failure never reaches.
    EXPECT_EQ(tree.log(), QStringList({"Left = 0", "Top = 2"}));
}

TEST(StringToComponent, SyntaxErrorAppliesNothing) {
    RecordingTreeView tree;
    EXPECT_EQ(
        apply("object TreeView1: TTreeView\n  Left = 0\n  Items.Data = {\n    00000000", tree),
        "Invalid binary value on line 4");
    EXPECT_TRUE(tree.log().isEmpty());
}

TEST(StringToComponent, NodeListCutShortKeepsNodesRead) {
    const QByteArray block = int32Bytes(1) + nodeEntry({"root", 2}) + nodeEntry({"a"}) + "\x01";
    RecordingTreeView tree;
    EXPECT_EQ(
        apply(treeText("  Left = 0\n  Items.Data = " + hexBlock(block) + "\n  Top = 1\n"), tree),
        "Error reading TreeView1.Items.Data: Stream read error");
    EXPECT_EQ(tree.log(), QStringList({"Left = 0", "beginUpdate", "replaceNodes 2", "endUpdate"}));
    EXPECT_EQ(texts(tree.nodes()), QStringList({"root", "a"}));
    EXPECT_EQ(tree.nodes()[0].childCount, 1);
}

TEST(StringToComponent, RootMustBeTheTreeView) {
    const QByteArray texts[] = {
        "object TreeView2: TTreeView\n  Left = 0\nend\n",
        "object TTreeView\n  Left = 0\nend\n",
        "object TreeView1: TTreeView\n  Left = 0\n  object Font1: TFont\n  end\nend\n",
    };
    for (const QByteArray& text : texts) {
        RecordingTreeView tree;
        EXPECT_FALSE(apply(text, tree).isEmpty()) << text.constData();
        EXPECT_TRUE(tree.log().isEmpty()) << text.constData();
    }
    RecordingTreeView renamed;
    EXPECT_EQ(apply(treeText("  Left = 0\n  Name = 'Tree'\n"), renamed),
              "Error reading TreeView1.Name: TreeView1 нельзя переименовать в «Tree»");
    EXPECT_EQ(renamed.log(), QStringList({"Left = 0"}));
}

TEST(StringToComponent, SortTypeByText) {
    // b(z, y), a, c: sorted siblings are a, b, c with the children of b as y, z.
    const QByteArray block = int32Bytes(3) + nodeEntry({"b", 2}) + nodeEntry({"z"}) +
                             nodeEntry({"y"}) + nodeEntry({"a"}) + nodeEntry({"c"});
    const QByteArray data = "  Items.Data = " + hexBlock(block) + "\n";
    struct Case {
        QByteArray lines;
        QStringList order;
    };
    const QStringList stored = {"b", "z", "y", "a", "c"};
    const QStringList sorted = {"a", "b", "y", "z", "c"};
    const Case cases[] = {
        {data, stored},
        {"  SortType = stData\n" + data, stored},
        {"  SortType = stText\n" + data, sorted},
        {data + "  SortType = stBoth\n", sorted},
        {"  SortType = stText\n  SortType = stNone\n" + data, stored},
    };
    for (const auto& [lines, order] : cases) {
        RecordingTreeView tree;
        ASSERT_EQ(apply(treeText(lines), tree), QString()) << lines.constData();
        EXPECT_EQ(texts(tree.nodes()), order) << lines.constData();
        if (order == sorted) {
            const StoredNodes& nodes = tree.nodes();
            EXPECT_EQ(nodes[2].parent, 1);
            EXPECT_EQ(nodes[3].row, 1);
            EXPECT_EQ(nodes[4].row, 2);
            EXPECT_EQ(nodes[1].descendants, 2);
        }
    }
}

} // namespace
} // namespace kelvane
