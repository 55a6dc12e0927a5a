#include "tools/jetwriter/usagemap.h"

#include "tools/jetwriter/littleendian.h"

#include <algorithm>

namespace kelvane::jet {

static constexpr std::size_t MinimumBitmap = 64;
static constexpr std::uint32_t PagesPerBitmapPage = (PageSize - 4) * 8;

std::vector<std::uint8_t> buildUsageMap(PageFile& file, const std::vector<std::uint32_t>& pages,
                                        std::size_t inlineLimit) {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    if (!pages.empty()) {
        first = *std::min_element(pages.begin(), pages.end());
        last = *std::max_element(pages.begin(), pages.end());
    }
    const std::size_t bitmapSize =
        std::max<std::size_t>(MinimumBitmap, pages.empty() ? 0 : (last - first) / 8 + 1);
    if (bitmapSize <= inlineLimit) {
        std::vector<std::uint8_t> row(5 + bitmapSize, 0);
        putU32(row.data() + 1, first);
        for (const std::uint32_t page : pages) {
            const std::uint32_t bit = page - first;
            row[5 + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
        }
        return row;
    }
    const std::size_t pointers = last / PagesPerBitmapPage + 1;
    std::vector<std::uint8_t> row(1 + 4 * pointers, 0);
    row[0] = 0x01;
    std::vector<std::uint32_t> bitmapPages(pointers, 0);
    for (const std::uint32_t page : pages) {
        const std::size_t k = page / PagesPerBitmapPage;
        if (bitmapPages[k] == 0) {
            bitmapPages[k] = file.addPage();
            std::uint8_t* bytes = file.page(bitmapPages[k]);
            putU8(bytes, 0x05);
            putU8(bytes + 1, 0x01);
            putU32(row.data() + 1 + 4 * k, bitmapPages[k]);
        }
        const std::uint32_t bit = page % PagesPerBitmapPage;
        file.page(bitmapPages[k])[4 + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
    }
    return row;
}

} // namespace kelvane::jet
