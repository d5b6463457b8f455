// Internal to the base package: the pixel shapes of the marker symbols.
#pragma once

#include <array>
#include <cstdint>

namespace vyr::marks {

// A symbol on an 11 x 11 grid centred on its point: row k holds the
// offsets dy = k - 5; bit j of a row is the offset dx = j - 5.
using Mask = std::array<std::uint16_t, 11>;

// The shape of symbol Mark (0..51).
const Mask& Shape(int Mark);

}  // namespace vyr::marks
