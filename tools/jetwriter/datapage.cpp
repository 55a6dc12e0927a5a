#include "tools/jetwriter/datapage.h"

#include "tools/jetwriter/littleendian.h"
#include "tools/jetwriter/pagefile.h"

#include <algorithm>
#include <cstring>

namespace kelvane::jet::datapage {

static constexpr int FreeSpaceAt = 2;
static constexpr int OwnerAt = 4;
static constexpr int RowCountAt = 12;

void start(std::uint8_t* page, std::uint32_t owner) {
    putU8(page, 0x01);
    putU8(page + 1, 0x01);
    putU16(page + FreeSpaceAt, PageSize - HeaderSize);
    putU32(page + OwnerAt, owner);
    putU16(page + RowCountAt, 0);
}

int room(const std::uint8_t* page) {
    if (getU16(page + RowCountAt) >= MaxRows) {
        return 0;
    }
    return std::max(0, getU16(page + FreeSpaceAt) - 2);
}

int rowOffset(const std::uint8_t* page, int row) {
    return getU16(page + HeaderSize + 2 * row) & 0x1FFF;
}

int append(std::uint8_t* page, const std::uint8_t* row, int length) {
    const int count = getU16(page + RowCountAt);
    const int end = count == 0 ? PageSize : rowOffset(page, count - 1);
    const int start = end - length;
    std::memcpy(page + start, row, static_cast<std::size_t>(length));
    putU16(page + HeaderSize + 2 * count, static_cast<std::uint32_t>(start));
    putU16(page + RowCountAt, static_cast<std::uint32_t>(count + 1));
    putU16(page + FreeSpaceAt, static_cast<std::uint32_t>(getU16(page + FreeSpaceAt) - length - 2));
    return count;
}

} // namespace kelvane::jet::datapage
