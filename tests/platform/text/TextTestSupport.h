// Shared helpers of the text tests: logical fonts and a plain pixel buffer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <set>
#include <string_view>
#include <vector>

#include "platform/Graphics.h"
#include "platform/text/FontEngine.h"
#include "platform/text/TextRender.h"

namespace texttest {

inline vcl::LOGFONTW Logical(std::u16string_view Name, int Height,
                             std::uint8_t Quality = vcl::DEFAULT_QUALITY) {
  vcl::LOGFONTW lf;
  lf.lfHeight = Height;
  lf.lfQuality = Quality;
  std::copy_n(Name.begin(), std::min<std::size_t>(Name.size(), 31), lf.lfFaceName);
  return lf;
}

constexpr std::uint32_t kPaper = 0xFFFFFF;

// A white pixel buffer that text is drawn into directly.
struct Pixels {
  int Width, Height;
  std::vector<std::uint32_t> Data;
  Pixels(int W, int H, std::uint32_t Fill = kPaper)
      : Width(W), Height(H), Data(static_cast<std::size_t>(W) * H, Fill) {}
  vcl::TSurface Surface() { return {Data.data(), Width, Height, Width}; }
  std::uint32_t At(int X, int Y) const { return Data[static_cast<std::size_t>(Y) * Width + X]; }
  std::set<std::uint32_t> Colors() const { return {Data.begin(), Data.end()}; }
  // The smallest rectangle holding every pixel that differs from Fill;
  // empty when none does.
  vcl::TRect Changed(std::uint32_t Fill = kPaper) const {
    vcl::TRect r(Width, Height, 0, 0);
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        if (At(x, y) != Fill) {
          r.Left = std::min(r.Left, x);
          r.Top = std::min(r.Top, y);
          r.Right = std::max(r.Right, x + 1);
          r.Bottom = std::max(r.Bottom, y + 1);
        }
    return r.IsEmpty() ? vcl::TRect() : r;
  }
  int CountInRow(int Y, std::uint32_t Color) const {
    return static_cast<int>(std::count(Data.begin() + static_cast<std::ptrdiff_t>(Y) * Width,
                                       Data.begin() + static_cast<std::ptrdiff_t>(Y + 1) * Width,
                                       Color));
  }
};

}  // namespace texttest
