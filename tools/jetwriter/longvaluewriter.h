#pragma once

#include "tools/jetwriter/pagefile.h"
#include "tools/jetwriter/pageplacer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvane::jet {

// Stores memo values that stay out of their row on long-value pages: one row when the value
// fits in one, otherwise a chain of rows each led by the pointer to the next.
class LongValueWriter {
public:
    static constexpr int FieldHeaderSize = 12;

    explicit LongValueWriter(PageFile& file);

    // Writes the value and puts the field header that refers to it into header.
    void store(const std::uint8_t* data, std::size_t length, std::uint8_t* header);

private:
    PageFile& file_;
    PagePlacer placer_;
    std::vector<std::uint8_t> piece_;
};

} // namespace kelvane::jet
