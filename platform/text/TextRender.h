// Drawing a line of text into a pixel surface: background cell, glyphs,
// underline and strike-out, at any escapement.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Graphics.h"
#include "platform/text/FontEngine.h"

namespace vcl::text {

// Pixel values are the surface's 0x00RRGGBB.
struct TextPaint {
  std::uint32_t Color = 0;
  bool Opaque = false;  // fill the (rotated) cell with Background first
  std::uint32_t Background = 0;
};

// Draws Text with its cell's top-left at device position (X, Y), the text
// turned counter-clockwise about that corner by the font's escapement.
// Nothing outside Clip (device coordinates) or the surface changes.
void DrawTextLine(const TSurface& Surface, const TRect& Clip, int X, int Y, FontInstance& Font,
                  std::u16string_view Text, const TextPaint& Paint);

// Fills R (device coordinates) with one pixel value, within Clip and the surface.
void FillSolid(const TSurface& Surface, const TRect& Clip, const TRect& R, std::uint32_t Pixel);

}  // namespace vcl::text
