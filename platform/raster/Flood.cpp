// Scanline flood fill with an explicit stack.
#include "platform/raster/Flood.h"

#include <cstdint>
#include <vector>

namespace vcl::raster {

namespace {

class Region {
 public:
  Region(const Target& T, Pixel Color, bool Surface)
      : FT(T), FColor(Color & kRgbMask), FSurface(Surface),
        FMarks(static_cast<std::size_t>(T.Clip.Width()) * T.Clip.Height(), 0) {}

  bool Open(int X, int Y) const {
    if (Marked(X, Y)) return false;
    const bool same = (FT.Row(Y)[X] & kRgbMask) == FColor;
    return FSurface ? same : !same;
  }
  bool Marked(int X, int Y) const { return FMarks[Index(X, Y)] != 0; }
  void Mark(int Y, int X0, int X1) {
    std::fill_n(FMarks.begin() + static_cast<std::ptrdiff_t>(Index(X0, Y)), X1 - X0, 1);
  }

  // Marks the area reachable from (X, Y).
  void Grow(int X, int Y) {
    std::vector<TPoint> stack{{X, Y}};
    while (!stack.empty()) {
      const TPoint p = stack.back();
      stack.pop_back();
      if (!Open(p.X, p.Y)) continue;
      int x0 = p.X, x1 = p.X + 1;
      while (x0 > FT.Clip.Left && Open(x0 - 1, p.Y)) --x0;
      while (x1 < FT.Clip.Right && Open(x1, p.Y)) ++x1;
      Mark(p.Y, x0, x1);
      if (p.Y > FT.Clip.Top) Seed(stack, p.Y - 1, x0, x1);
      if (p.Y + 1 < FT.Clip.Bottom) Seed(stack, p.Y + 1, x0, x1);
    }
  }

  void Paint(const Fill& F) const {
    for (int y = FT.Clip.Top; y < FT.Clip.Bottom; ++y) {
      int x = FT.Clip.Left;
      while (x < FT.Clip.Right) {
        if (!Marked(x, y)) { ++x; continue; }
        const int x0 = x;
        while (x < FT.Clip.Right && Marked(x, y)) ++x;
        FillSpan(FT, y, x0, x, F);
      }
    }
  }

 private:
  // One seed per run of open pixels of row Y under X0..X1-1.
  void Seed(std::vector<TPoint>& Stack, int Y, int X0, int X1) const {
    bool inRun = false;
    for (int x = X0; x < X1; ++x) {
      const bool open = Open(x, Y);
      if (open && !inRun) Stack.push_back({x, Y});
      inRun = open;
    }
  }
  std::size_t Index(int X, int Y) const {
    return static_cast<std::size_t>(Y - FT.Clip.Top) * FT.Clip.Width() + (X - FT.Clip.Left);
  }

  const Target& FT;
  Pixel FColor;
  bool FSurface;
  std::vector<std::uint8_t> FMarks;
};

}  // namespace

void FloodFill(const Target& T, int X, int Y, Pixel Color, bool Surface, const Fill& F) {
  if (T.Empty() || !T.Clip.Contains({X, Y})) return;
  Region region(T, Color, Surface);
  if (!region.Open(X, Y)) return;
  region.Grow(X, Y);
  region.Paint(F);
}

}  // namespace vcl::raster
