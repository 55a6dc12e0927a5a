#include "tools/jetwriter/longvaluewriter.h"

#include "tools/jetwriter/datapage.h"
#include "tools/jetwriter/littleendian.h"

#include <algorithm>
#include <cstring>

namespace kelvane::jet {

// Sizes Access uses: a row of up to 4076 bytes, and chain rows of a pointer and 4072 data bytes.
static constexpr std::size_t SingleRowMax = 4076;
static constexpr std::size_t ChainDataMax = 4072;
static constexpr std::uint32_t SingleRowFlag = 0x40;

LongValueWriter::LongValueWriter(PageFile& file)
    : file_(file)
    , placer_(file, datapage::LongValueOwner) {}

void LongValueWriter::store(const std::uint8_t* data, std::size_t length, std::uint8_t* header) {
    const auto storedLength = static_cast<std::uint32_t>(length);
    std::memset(header, 0, FieldHeaderSize);
    if (length <= SingleRowMax) {
        const Placement at = placer_.place(data, static_cast<int>(length));
        putU32(header, storedLength | SingleRowFlag << 24);
        putU32(header + 4, at.pointer);
        return;
    }
    putU32(header, storedLength);
    Placement previous;
    for (std::size_t done = 0; done < length;) {
        const std::size_t part = std::min(ChainDataMax, length - done);
        piece_.assign(4, 0);
        piece_.insert(piece_.end(), data + done, data + done + part);
        const Placement at = placer_.place(piece_.data(), static_cast<int>(piece_.size()));
        if (done == 0) {
            putU32(header + 4, at.pointer);
        } else {
            putU32(file_.page(previous.page) + previous.offset, at.pointer);
        }
        previous = at;
        done += part;
    }
}

} // namespace kelvane::jet
