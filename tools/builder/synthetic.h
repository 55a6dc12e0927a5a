#pragma once

#include "tools/builder/configuration.h"

#include <cstdint>

namespace kelvane::builder {

// A large configuration of exactly `rows` nodes (at least the 35 of the root, "Общие", its 17
// classes and the 16 metadata classes): objects spread over every class, each with the groups
// its kind has (Реквизиты, Табличные части, Формы, Макеты, Измерения, Ресурсы, ...) and a module.
// The same rows and seed give the same configuration.
Configuration syntheticConfiguration(int rows, std::uint32_t seed = 1);

} // namespace kelvane::builder
