// The raster label's built-in 7 × 12 dot font (codes 32 .. 255), drawn in
// tools/gen_rasterfont.py and generated into VYR_RasterLabFont.cpp.
#pragma once

#include <array>
#include <cstdint>

namespace vyr {

// LeftMostBit, RightMostBit, then 12 rows from the top (bit 0 = leftmost
// of the 7 columns).
using TRDFontRecord = std::array<std::uint8_t, 14>;
inline constexpr int RDBuiltInFontFirst = 32;
inline constexpr int RDBuiltInFontCount = 224;
inline constexpr int RDBuiltInFontWidth = 7;
inline constexpr int RDBuiltInFontHeight = 12;

// The records of the codes 32 .. 255 in code order.
extern const std::array<TRDFontRecord, RDBuiltInFontCount> RDBuiltInFont;

}  // namespace vyr
