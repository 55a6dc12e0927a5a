#include "store/error.h"
#include "store/treetext/readnodelist.h"
#include "tests/treetext/nodebytes.h"
#include "tests/treetext/qtprinters.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::int32Bytes;
using test::nodeEntry;
using test::NodeEntry;

QString errorOf(const QByteArray& block) {
    try {
        ReadNodeList(block);
    } catch (const Error& error) {
        return error.message();
    }
    return QStringLiteral("no error");
}

TEST(ReadNodeList, ExampleBlock) {
    const QByteArray block = QByteArray::fromHex("01000000"
                                                 "1A000000"
                                                 "05000000"
                                                 "06000000"
                                                 "FFFFFFFF"
                                                 "FEFFFFFF"
                                                 "FFFFFFFF"
                                                 "01000000"
                                                 "0141"
                                                 "1B000000"
                                                 "00000000"
                                                 "00000000"
                                                 "00000000"
                                                 "00000000"
                                                 "2A000000"
                                                 "00000000"
                                                 "024243");
    const StoredNodes nodes = ReadNodeList(block);
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ(nodes[0].text, "A");
    EXPECT_EQ(nodes[0].imageIndex, 5);
    EXPECT_EQ(nodes[0].selectedIndex, 6);
    EXPECT_EQ(nodes[0].stateIndex, -1);
    EXPECT_EQ(nodes[0].overlayIndex, -2);
    EXPECT_EQ(nodes[0].data, 0xFFFFFFFFu);
    EXPECT_EQ(nodes[0].parent, -1);
    EXPECT_EQ(nodes[0].childCount, 1);
    EXPECT_EQ(nodes[0].descendants, 1);
    EXPECT_EQ(nodes[1].text, "BC");
    EXPECT_EQ(nodes[1].data, 42u);
    EXPECT_EQ(nodes[1].parent, 0);
    EXPECT_EQ(nodes[1].depth, 1);
    EXPECT_EQ(nodes[1].row, 0);
}

// Pre-order over two roots: R1(a(b), c), R2.
TEST(ReadNodeList, PreOrderLinks) {
    const QByteArray block = int32Bytes(2) + nodeEntry({"R1", 2}) + nodeEntry({"a", 1}) +
                             nodeEntry({"b"}) + nodeEntry({"c"}) + nodeEntry({"R2"});
    const StoredNodes nodes = ReadNodeList(block);
    ASSERT_EQ(nodes.size(), 5u);
    struct Expected {
        const char* text;
        int parent, depth, row, childCount, descendants;
    };
    const Expected expected[] = {{"R1", -1, 0, 0, 2, 3},
                                 {"a", 0, 1, 0, 1, 1},
                                 {"b", 1, 2, 0, 0, 0},
                                 {"c", 0, 1, 1, 0, 0},
                                 {"R2", -1, 0, 1, 0, 0}};
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(nodes[i].text, expected[i].text) << i;
        EXPECT_EQ(nodes[i].parent, expected[i].parent) << i;
        EXPECT_EQ(nodes[i].depth, expected[i].depth) << i;
        EXPECT_EQ(nodes[i].row, expected[i].row) << i;
        EXPECT_EQ(nodes[i].childCount, expected[i].childCount) << i;
        EXPECT_EQ(nodes[i].descendants, expected[i].descendants) << i;
    }
}

TEST(ReadNodeList, RecordSizes) {
    struct Case {
        const char* what;
        NodeEntry entry;
        QString error; // empty when the record reads
    };
    const Case cases[] = {
        {"25 + L", {"abc"}, {}},
        {"280 with padding", {"abc", 0, 0, 0, -1, -1, 0, 280, 280 - 28}, {}},
        {"281", {"abc", 0, 0, 0, -1, -1, 0, 281, 281 - 28}, "Stream read error"},
        {"below 25 + L", {"abc", 0, 0, 0, -1, -1, 0, 27, 0}, "Stream read error"},
        {"below 25", {"", 0, 0, 0, -1, -1, 0, 24, 0}, "Stream read error"},
        {"negative", {"", 0, 0, 0, -1, -1, 0, -100, 0}, "Stream read error"},
        {"255-byte text", {QByteArray(255, '\xC0')}, {}},
    };
    for (const Case& c : cases) {
        // A second root after the record shows that exactly 4 + Size bytes were consumed.
        const QByteArray block = int32Bytes(2) + nodeEntry(c.entry) + nodeEntry({"next"});
        if (!c.error.isEmpty()) {
            EXPECT_EQ(errorOf(block), c.error) << c.what;
            continue;
        }
        const StoredNodes nodes = ReadNodeList(block);
        ASSERT_EQ(nodes.size(), 2u) << c.what;
        EXPECT_EQ(nodes[0].text.size(), c.entry.text.size()) << c.what;
        EXPECT_EQ(nodes[1].text, "next") << c.what;
    }
    EXPECT_EQ(ReadNodeList(int32Bytes(1) + nodeEntry({QByteArray(255, '\xC0')}))[0].text,
              QString(255, QChar(0x0410)));
}

TEST(ReadNodeList, CountsAndTrailingBytes) {
    EXPECT_TRUE(ReadNodeList(int32Bytes(0)).empty());
    EXPECT_TRUE(ReadNodeList(int32Bytes(-1) + nodeEntry({"x"})).empty());
    // A negative child count is a leaf: the next entry is the second root.
    const StoredNodes nodes =
        ReadNodeList(int32Bytes(2) + nodeEntry({"a", -5}) + nodeEntry({"b"}) + "trailing bytes");
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ(nodes[1].parent, -1);
    EXPECT_EQ(nodes[1].row, 1);
}

TEST(ReadNodeList, EndsEarlyKeepingWhatWasRead) {
    const QByteArray full = int32Bytes(1) + nodeEntry({"root", 3}) + nodeEntry({"a"}) +
                            nodeEntry({"b"}) + nodeEntry({"c"});
    struct Case {
        qsizetype length;
        std::size_t nodesRead;
    };
    const qsizetype record = 4 + 25 + 1;
    for (const auto [length, nodesRead] :
         {Case{0, 0}, Case{3, 0}, Case{4, 0}, Case{10, 0}, Case{4 + 4 + 25 + 4, 1},
          Case{4 + 4 + 25 + 4 + record, 2}, Case{full.size() - 1, 3}}) {
        StoredNodes nodes;
        EXPECT_THROW(ReadNodeListInto(full.left(length), nodes), Error) << length;
        EXPECT_EQ(errorOf(full.left(length)), "Stream read error") << length;
        ASSERT_EQ(nodes.size(), nodesRead) << length;
        if (nodesRead > 0) {
            EXPECT_EQ(static_cast<std::size_t>(nodes[0].childCount), nodesRead - 1);
            EXPECT_EQ(static_cast<std::size_t>(nodes[0].descendants), nodesRead - 1);
        }
    }
}

TEST(ReadNodeList, MillionNestedNodes) {
    constexpr int Count = 1'000'000;
    QByteArray block = int32Bytes(1);
    const QByteArray inner = nodeEntry({"n", 1});
    block.reserve(4 + inner.size() * Count);
    for (int i = 0; i + 1 < Count; ++i)
        block += inner;
    block += nodeEntry({"leaf"});
    const StoredNodes nodes = ReadNodeList(block);
    ASSERT_EQ(nodes.size(), static_cast<std::size_t>(Count));
    EXPECT_EQ(nodes.front().descendants, Count - 1);
    EXPECT_EQ(nodes.back().depth, Count - 1);
    EXPECT_EQ(nodes.back().parent, Count - 2);
    EXPECT_EQ(nodes.back().text, "leaf");
}

} // namespace
} // namespace kelvane
