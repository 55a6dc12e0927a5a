#pragma once

#include <QString>
#include <optional>

namespace kelvane::builder {

// The object picture named as in diagram/pictureindex.h ("Catalog", "AttributesGroup", ...),
// compared without regard to letter case; nothing for an unknown name.
std::optional<int> pictureByName(const QString& name);

} // namespace kelvane::builder
