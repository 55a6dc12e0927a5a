#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvane::jet {

inline constexpr int PageSize = 4096;

// The pages of the file being built, kept in memory until the whole file is written.
class PageFile {
public:
    // Appends a zeroed page and returns its number.
    std::uint32_t addPage();
    std::uint32_t pageCount() const { return static_cast<std::uint32_t>(bytes_.size() / PageSize); }
    // Valid until the next addPage().
    std::uint8_t* page(std::uint32_t number) {
        return bytes_.data() + static_cast<std::size_t>(number) * PageSize;
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace kelvane::jet
