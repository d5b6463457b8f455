// Flood fill (internal).
#pragma once

#include "platform/raster/Pixel.h"

namespace vcl::raster {

// Fills the 4-connected area around (X, Y) inside the clip: with Surface,
// the pixels equal to Color; otherwise the pixels up to a border of Color.
// The area is found first and painted afterwards, with an explicit stack of
// row runs, so neither the fill color nor the size of the area matters.
void FloodFill(const Target& T, int X, int Y, Pixel Color, bool Surface, const Fill& F);

}  // namespace vcl::raster
