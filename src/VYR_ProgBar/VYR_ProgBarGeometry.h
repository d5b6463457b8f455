// The progress bar's value and color mapping as pure functions, shared by
// painting and the tests.
//
// The bar lies in the inner area (the control less its margins) and grows
// from one edge of it: "line h" is the pixel row or column at distance h
// from that edge, h = 0 .. n - 1 for a bar of length n.
//
//   dirUp     rows from the bottom edge up      y = Bottom - 1 - h
//   dirDown   rows from the top edge down       y = Top + h
//   dirLeft   columns from the right edge left  x = Right - 1 - h
//   dirRight  columns from the left edge right  x = Left + h
//
// The length is n = Round(f × E) with f = (Value - Min) / (Max - Min) and E
// the inner extent along the bar, not limited: a value beyond Max reaches
// into the margins. Round takes halves to the even neighbour.
#pragma once

#include <array>
#include <cstdint>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Color.h"
#include "platform/StdCtrls.h"
#include "platform/Types.h"

namespace vyr {

// How the color gradient is laid onto the bar: it spans the whole inner
// area and the bar uncovers it (cgmCover), it is stretched over the bar
// (cgmStretch), or it moves with the bar's end, which always shows the last
// color (cgmMove).
enum TColorMapping : std::uint8_t { cgmCover, cgmStretch, cgmMove };

namespace progbar {

constexpr int BarColorCount = 1024;
constexpr int LastBarColor = BarColorCount - 1;
using TBarColorTable = std::array<vcl::TColor, BarColorCount>;

// The largest bar length used; longer bars end far outside any control.
constexpr int MaxBarLength = 1 << 24;

struct TBarMargins {
  int Left = 4;
  int Top = 4;
  int Right = 4;
  int Bottom = 4;
};

// (ML, MT) - (W - MR, H - MB).
vcl::TRect InnerRect(int Width, int Height, const TBarMargins& Margins);
constexpr bool IsVertical(TDirection Direction) {
  return Direction == dirUp || Direction == dirDown;
}
// The inner extent along the bar: inner height or width.
int InnerExtent(TDirection Direction, const vcl::TRect& Inner);
// Round(f × Extent); 0 when Max equals Min, when Extent is not positive or
// when the value is not a finite number; limited to ±MaxBarLength.
int BarLength(double Value, double Min, double Max, int Extent);
// The coordinate of line h (x for horizontal bars, y for vertical ones).
int BarLinePos(TDirection Direction, const vcl::TRect& Inner, int H);
// The lines h = First .. End - 1 among 0 .. Count - 1 whose coordinate lies
// in 0 .. Limit - 1 (the bitmap's height for vertical bars, its width for
// horizontal ones); First >= End when none does.
struct TLineRange {
  int First = 0;
  int End = 0;
};
TLineRange VisibleLines(TDirection Direction, const vcl::TRect& Inner, int Count, int Limit);
// The pixels of a bar of length N (empty for N <= 0); it spans the inner
// area across the bar and may reach beyond it along the bar.
vcl::TRect BarRect(TDirection Direction, const vcl::TRect& Inner, int N);

// The color table index of line h of a bar of length N in an inner extent
// E (both positive), limited to 0..1023:
//   cgmCover    Round(1023 h / E)
//   cgmStretch  Round(1023 h / N)
//   cgmMove     Round(1023 h / E) - Round(1023 (N - 1) / E) + 1023
int GradientIndex(TColorMapping Mapping, int H, int Extent, int N);

// Grid lines lie at h = 0, Dist, 2 Dist, ... up to the last one this
// returns: N for horizontal bars (a line may follow the bar's last column),
// N - 1 for vertical ones. Dist must be above 1.
int LastGridLine(TDirection Direction, int N);

// Entry i of the table between the colors of entries 0 and 1023: each of
// the red, green and blue bytes c is trunc(c0 + (c1023 - c0) × i / 1023).
// System colors are taken by their ColorToRGB value.
vcl::TColor BarTableColor(vcl::TColor First, vcl::TColor Last, int Index);
// Entries 1..1022 computed from entries 0 and 1023.
void InterpolateBarColors(TBarColorTable& Table);

// The value as the bar writes it, in width 1 with Decimals d: 0..10 fixed
// with d decimals; -1 the short exponent form ("1.5E+03"; a row of "*" when
// the exponent needs three digits or more); -2 the long one ("1.5E+0003").
// A blank stands where a minus would in the exponent forms.
vcl::String BarValueText(double Value, int Decimals);

// Where the text goes: the anchor plus the offset of its alignment, for a
// text of width W and height Ht turned by AngleDeg degrees (t = Ht div 2,
// m = W div 2, a the angle):
//   taLeftJustify   (-t sin a, -t cos a)
//   taCenter        (-m cos a - t sin a, m sin a - t cos a)
//   taRightJustify  (-2m cos a - t sin a, 2m sin a - t cos a)
// both coordinates rounded.
vcl::TPoint TextOrigin(vcl::TAlignment Alignment, vcl::TPoint Anchor, int W, int Ht,
                       int AngleDeg);

// Round(P / Q) of integers with halves to the even neighbour (Q > 0).
std::int64_t RoundDiv(std::int64_t P, std::int64_t Q);

}  // namespace progbar
}  // namespace vyr
