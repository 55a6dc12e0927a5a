#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace kelvane::test {

// Little-endian pieces of an Items.Data block.
QByteArray int32Bytes(std::int32_t value);

struct NodeEntry {
    QByteArray text;
    std::int32_t children = 0;
    std::int32_t imageIndex = 0;
    std::int32_t selectedIndex = 0;
    std::int32_t stateIndex = -1;
    std::int32_t overlayIndex = -1;
    std::uint32_t data = 0;
    std::optional<std::int32_t> size = std::nullopt; // the Size field; none writes 25 + L
    int recordPadding = 0; // bytes written after the text inside the record
};

// One node entry: Size, the five fields, the child count, L and the text.
QByteArray nodeEntry(const NodeEntry& entry);

// The hex-pair form of a block as the text writes it: "{", lines of 64 digits, "}".
QByteArray hexBlock(const QByteArray& bytes);

// "object TreeView1: TTreeView", the given property lines, "end".
QByteArray treeText(const QByteArray& propertyLines);

} // namespace kelvane::test
