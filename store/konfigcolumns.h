#pragma once

namespace kelvane {

// Column positions of table konfigtree, as every `SELECT *` over it returns them.
namespace konfig {
inline constexpr int Id = 0;
inline constexpr int Num = 1;
inline constexpr int IdParent = 2;
inline constexpr int Name = 3;
inline constexpr int ImageIndex = 4;
inline constexpr int Type = 5;
inline constexpr int FormImage = 6;
inline constexpr int ModText = 7;
inline constexpr int SpravText = 8;
inline constexpr int Col1 = 9;
inline constexpr int ImageIndexType = 22;
inline constexpr int ColumnCount = 28;
} // namespace konfig

// Column positions of table prosedur that the program reads.
namespace prosedur {
inline constexpr int Id = 0;
inline constexpr int Name = 3;
inline constexpr int Kind = 5;
} // namespace prosedur

} // namespace kelvane
