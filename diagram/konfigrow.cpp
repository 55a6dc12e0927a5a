#include "diagram/konfigrow.h"

#include "store/cursor.h"
#include "store/konfigcolumns.h"

namespace kelvane {

KonfigRow KonfigRow::current(const Cursor& cursor) {
    KonfigRow row;
    row.id = cursor.fieldAsInt32(konfig::Id);
    row.num = cursor.fieldAsInt32(konfig::Num);
    row.idParent = cursor.fieldAsInt32(konfig::IdParent);
    row.name = cursor.fieldAsText(konfig::Name);
    row.imageindex = cursor.fieldAsInt32(konfig::ImageIndex);
    row.type = cursor.fieldAsText(konfig::Type);
    row.col1 = cursor.fieldAsInteger(konfig::Col1);
    return row;
}

KonfigRow KonfigRow::firstOrEmpty(Cursor& cursor) {
    if (cursor.recordCount() == 0)
        return {};
    cursor.first();
    return current(cursor);
}

} // namespace kelvane
