#pragma once

#include <string_view>

struct sqlite3;

namespace kelvane {

// The sort order of `order by name`, as the original database sorted: case-insensitive (full
// case folding), digits before Latin before Cyrillic, the Russian alphabet in its own order with
// Ё right after Е. Locale-independent, so every machine sorts alike. Compares UTF-8 texts.
int compareRussian(std::string_view left, std::string_view right);

// Name under which the order is registered in the engine.
inline constexpr const char* RussianCollationName = "russian";

// Registers the order on an engine connection; throws Error on failure.
void registerRussianCollation(sqlite3* db);

} // namespace kelvane
