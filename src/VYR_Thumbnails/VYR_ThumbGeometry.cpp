#include "VYR_Thumbnails/VYR_ThumbGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/Math.h"

namespace vyr {

namespace {

int ClampToInt(std::int64_t V) {
  return static_cast<int>(std::clamp<std::int64_t>(V, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

int ThumbColumns(int Width, int Pitch, int Distance) {
  if (Pitch <= 0) return 1;
  return std::max(1, (Width - 2 * ThumbGridOrigin + Distance) / Pitch);
}

int ThumbRows(int Height, int Pitch) { return Pitch <= 0 ? 1 : std::max(0, Height) / Pitch + 1; }

double QuantizeFirstThumb(double X, int Min, int Max, int Columns) {
  if (std::isnan(X)) X = Min;
  if (X > Max) X = Max;
  if (X < Min) X = Min;
  const std::int64_t cols = std::max(1, Columns);
  const std::int64_t c = vcl::Trunc(X - 1) / cols * cols + 1;
  return static_cast<double>(c) + (X - static_cast<double>(c)) / static_cast<double>(cols);
}

int ThumbScrollPixels(const TThumbLayout& L) {
  return static_cast<int>(vcl::Round(vcl::Frac(L.First) * L.Pitch()));
}

std::int64_t ThumbSlideAt(const TThumbLayout& L, int I, int J) {
  return vcl::Trunc(L.First) + static_cast<std::int64_t>(J) * L.Columns + I;
}

vcl::TRect ThumbCellCorners(const TThumbLayout& L, int I, int J) {
  const int x0 = I * L.Pitch() + ThumbGridOrigin;
  const int y0 = J * L.Pitch() + L.SlideDistance - ThumbScrollPixels(L) + ThumbGridOrigin;
  return {x0, y0, x0 + L.Cell(), y0 + L.Cell()};
}

int ThumbSlideAtPoint(const TThumbLayout& L, int Min, int Max, int X, int Y) {
  const std::int64_t p = L.Pitch();
  if (p <= 0) return 0;
  if (X < ThumbGridOrigin || X > L.Width - ThumbGridOrigin) return 0;
  if (Y < ThumbGridOrigin || Y > L.Height - ThumbGridOrigin) return 0;
  const std::int64_t a = (X - ThumbGridOrigin) / p;
  const std::int64_t left = p * a + ThumbGridOrigin;
  if (X < left || X > left + L.Cell() || a + 1 > L.Columns) return 0;
  const std::int64_t s = ThumbScrollPixels(L);
  const std::int64_t e = (Y - ThumbGridOrigin + s - L.SlideDistance) / p;
  const std::int64_t top = p * e + L.SlideDistance - s + ThumbGridOrigin;
  if (Y < top || Y > top + L.Cell() || e + 1 < 1) return 0;
  const std::int64_t n = vcl::Trunc(L.First) + e * L.Columns + a;
  return n < Min || n > Max ? 0 : static_cast<int>(n);
}

vcl::TPoint ThumbSlidePos(const TThumbLayout& L, int N) {
  const std::int64_t p = L.Pitch();
  const std::int64_t cols = std::max(1, L.Columns);
  const std::int64_t d = N - vcl::Round(vcl::Int(L.First));
  const std::int64_t x = p * (d % cols) + ThumbGridOrigin;
  const std::int64_t y =
      p * (d / cols) + L.SlideDistance - ThumbScrollPixels(L) + ThumbGridOrigin;
  return {ClampToInt(x), ClampToInt(y)};
}

vcl::TRect ThumbImageRect(const vcl::TRect& Cell, int Margin, int Size, int W, int H) {
  vcl::TRect r;
  if (H > W) {
    const int f = static_cast<int>(vcl::Round(static_cast<double>(W) * Size / H));
    r.Left = Cell.Left + Margin + (Size - f) / 2;
    r.Top = Cell.Top + Margin;
    r.Right = r.Left + f;
    r.Bottom = Cell.Bottom - Margin;
  } else {
    const int f = static_cast<int>(vcl::Round(static_cast<double>(H) * Size / W));
    r.Left = Cell.Left + Margin;
    r.Top = Cell.Top + Margin + (Size - f) / 2;
    r.Right = Cell.Right - Margin;
    r.Bottom = r.Top + f;
  }
  return r;
}

vcl::TRect ThumbFocusCorners(const TThumbLayout& L, vcl::TPoint Pos) {
  return {Pos.X + 2, std::max(Pos.Y + 2, 2), Pos.X + L.Cell() - 2,
          std::min(Pos.Y + L.Cell() - 2, L.Height - 3)};
}

}  // namespace vyr
