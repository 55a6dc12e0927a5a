#include "tools/jetwriter/pagefile.h"

#include "store/error.h"

namespace kelvane::jet {

// Page numbers travel in 24-bit fields of row pointers.
static constexpr std::uint32_t MaxPages = 0xFFFFFF;

std::uint32_t PageFile::addPage() {
    const std::uint32_t number = pageCount();
    if (number >= MaxPages) {
        throw Error(QStringLiteral("База данных получается слишком большой: больше %1 страниц")
                        .arg(MaxPages));
    }
    if (bytes_.capacity() == bytes_.size()) {
        bytes_.reserve(bytes_.size() * 2 + 64 * PageSize);
    }
    bytes_.resize(bytes_.size() + PageSize, 0);
    return number;
}

} // namespace kelvane::jet
