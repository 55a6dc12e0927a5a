#include "tools/jetwriter/pageplacer.h"

#include "tools/jetwriter/datapage.h"

namespace kelvane::jet {

PagePlacer::PagePlacer(PageFile& file, std::uint32_t owner)
    : file_(file)
    , owner_(owner) {}

void PagePlacer::startOn(std::uint32_t page) {
    datapage::start(file_.page(page), owner_);
    pages_.push_back(page);
}

Placement PagePlacer::place(const std::uint8_t* row, int length) {
    if (pages_.empty() || datapage::room(file_.page(pages_.back())) < length) {
        startOn(file_.addPage());
    }
    const std::uint32_t page = pages_.back();
    std::uint8_t* bytes = file_.page(page);
    const int number = datapage::append(bytes, row, length);
    return {page << 8 | static_cast<std::uint32_t>(number), page,
            datapage::rowOffset(bytes, number)};
}

} // namespace kelvane::jet
