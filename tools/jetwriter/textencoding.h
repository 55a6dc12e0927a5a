#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kelvane::jet {

// Appends the stored form of a text or memo value: the compressed form (FF FE, one byte per
// character) when every character is U+0001..U+00FF, plain UCS-2 LE otherwise. A text starting
// with U+FEFF gets FF FE 00 in front of its UCS-2 so that it is not taken for compressed.
// Returns false for a text that no reader can get back: one starting with U+FEFF that also holds
// a character whose low byte is zero.
bool appendStoredText(const QString& text, std::vector<std::uint8_t>& out);

} // namespace kelvane::jet
