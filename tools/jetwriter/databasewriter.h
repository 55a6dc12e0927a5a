#pragma once

#include "tools/jetwriter/jetwriter.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace kelvane::jet {

// Lays out a whole Jet 4.0 file: header, usage maps, the MSysObjects catalog and each table's
// definition, data and long-value pages; builds it in memory and saves it in one go.
class DatabaseWriter {
public:
    // The largest bitmap kept inside a usage-map row (at most what fits on one page).
    static constexpr std::size_t MaxInlineMap = 4075;

    // Lowers the size from which usage maps move to bitmap pages.
    void setInlineMapLimit(std::size_t bytes);
    void write(const QString& path, const std::vector<TableSpec>& tables) const;

private:
    std::size_t inlineMapLimit_ = MaxInlineMap;
};

} // namespace kelvane::jet
