#pragma once

#include <QString>
#include <cstdint>

namespace kelvane {

class Cursor;

// The konfigtree columns the diagrams read from a row, by position.
struct KonfigRow {
    std::int32_t id = 0;
    std::int32_t num = 0;
    std::int32_t idParent = 0;
    QString name;
    int imageindex = 0;
    QString type;
    std::int64_t col1 = 0;

    // The current row of the cursor; throws Error when it has none.
    static KonfigRow current(const Cursor& cursor);
    // The first row of an opened query, or an empty row (name empty, numbers 0) when there is none.
    static KonfigRow firstOrEmpty(Cursor& cursor);
};

} // namespace kelvane
