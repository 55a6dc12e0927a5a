#include "tools/builder/storedtree.h"

#include "tools/builder/cp1251.h"

#include <QtEndian>
#include <algorithm>

namespace kelvane::builder {

namespace {

void appendInt32(QByteArray& bytes, std::int32_t value) {
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void appendEntry(QByteArray& bytes, const Node& node) {
    const QByteArray text = toCp1251(node.name).left(255);
    appendInt32(bytes, 25 + static_cast<std::int32_t>(text.size()));
    appendInt32(bytes, node.imageIndex);
    appendInt32(bytes, node.imageIndex);
    appendInt32(bytes, -1);
    appendInt32(bytes, -1);
    appendInt32(bytes, 0);
    appendInt32(bytes, static_cast<std::int32_t>(node.children.size()));
    bytes.append(static_cast<char>(text.size()));
    bytes.append(text);
    for (const Node& child : node.children)
        appendEntry(bytes, child);
}

// Hex pairs of the block in lines of 32 bytes, the last line closed by '}'.
QString hexLines(const QByteArray& bytes, const QByteArray& indent) {
    constexpr qsizetype BytesPerLine = 32;
    const QByteArray hex = bytes.toHex().toUpper();
    QByteArray text;
    text.reserve(hex.size() + (hex.size() / (2 * BytesPerLine) + 1) * (indent.size() + 3));
    for (qsizetype at = 0; at < hex.size(); at += 2 * BytesPerLine) {
        text += indent;
        text += QByteArrayView(hex).sliced(at, std::min(2 * BytesPerLine, hex.size() - at));
        text += at + 2 * BytesPerLine < hex.size() ? "\r\n" : "}\r\n";
    }
    return QString::fromLatin1(text);
}

} // namespace

QByteArray encodeNodeList(const Node& root) {
    QByteArray bytes;
    appendInt32(bytes, 1);
    appendEntry(bytes, root);
    return bytes;
}

QString storedTreeText(const Node& root) {
    QString text = QStringLiteral("object TreeView1: TTreeView\r\n"
                                  "  Left = 0\r\n"
                                  "  Top = 0\r\n"
                                  "  Width = 281\r\n"
                                  "  Height = 652\r\n"
                                  "  Align = alClient\r\n"
                                  "  Color = clCream\r\n"
                                  "  Font.Charset = DEFAULT_CHARSET\r\n"
                                  "  Font.Height = -11\r\n"
                                  "  Font.Name = 'Tahoma'\r\n"
                                  "  Font.Style = []\r\n"
                                  "  HideSelection = False\r\n"
                                  "  Images = Form1.ImageList1\r\n"
                                  "  Indent = 19\r\n"
                                  "  ParentFont = False\r\n"
                                  "  ReadOnly = True\r\n"
                                  "  TabOrder = 0\r\n"
                                  "  Items.Data = {\r\n");
    text += hexLines(encodeNodeList(root), QByteArrayLiteral("    "));
    text += QStringLiteral("end\r\n");
    return text;
}

} // namespace kelvane::builder
