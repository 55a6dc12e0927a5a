#include "tests/treetext/nodebytes.h"

#include <QtEndian>

namespace kelvane::test {

QByteArray int32Bytes(std::int32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray nodeEntry(const NodeEntry& entry) {
    const auto length = static_cast<std::int32_t>(entry.text.size());
    QByteArray bytes = int32Bytes(entry.size.value_or(25 + length + entry.recordPadding));
    bytes += int32Bytes(entry.imageIndex);
    bytes += int32Bytes(entry.selectedIndex);
    bytes += int32Bytes(entry.stateIndex);
    bytes += int32Bytes(entry.overlayIndex);
    bytes += int32Bytes(static_cast<std::int32_t>(entry.data));
    bytes += int32Bytes(entry.children);
    bytes += static_cast<char>(length);
    bytes += entry.text;
    bytes += QByteArray(entry.recordPadding, '\xEE');
    return bytes;
}

QByteArray hexBlock(const QByteArray& bytes) {
    QByteArray text = "{\n";
    for (qsizetype at = 0; at < bytes.size(); at += 32)
        text += "    " + bytes.mid(at, 32).toHex().toUpper() + "\n";
    return text + "  }";
}

QByteArray treeText(const QByteArray& propertyLines) {
    return "object TreeView1: TTreeView\n" + propertyLines + "end\n";
}

} // namespace kelvane::test
