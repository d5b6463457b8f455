#include "VYR_ProgBar/VYR_ProgBarGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/SysUtils.h"

namespace vyr::progbar {

vcl::TRect InnerRect(int Width, int Height, const TBarMargins& Margins) {
  return vcl::Rect(Margins.Left, Margins.Top, Width - Margins.Right, Height - Margins.Bottom);
}

int InnerExtent(TDirection Direction, const vcl::TRect& Inner) {
  return IsVertical(Direction) ? Inner.Bottom - Inner.Top : Inner.Right - Inner.Left;
}

// The fraction is not limited, but the length is, so that coordinates stay
// far from overflowing whatever the value.
int BarLength(double Value, double Min, double Max, int Extent) {
  if (Extent <= 0 || !(Max != Min)) return 0;
  const double length = (Value - Min) / (Max - Min) * Extent;
  if (!std::isfinite(length)) return 0;
  const double limit = MaxBarLength;
  return static_cast<int>(std::nearbyint(std::clamp(length, -limit, limit)));
}

int BarLinePos(TDirection Direction, const vcl::TRect& Inner, int H) {
  switch (Direction) {
    case dirUp: return Inner.Bottom - 1 - H;
    case dirDown: return Inner.Top + H;
    case dirLeft: return Inner.Right - 1 - H;
    case dirRight: break;
  }
  return Inner.Left + H;
}

TLineRange VisibleLines(TDirection Direction, const vcl::TRect& Inner, int Count, int Limit) {
  const int base = BarLinePos(Direction, Inner, 0);
  const bool forward = Direction == dirDown || Direction == dirRight;
  // forward: p = base + h; backward: p = base - h; wanted 0 <= p < Limit.
  const std::int64_t first = forward ? std::int64_t{0} - base : std::int64_t{base} - Limit + 1;
  const std::int64_t end = forward ? std::int64_t{Limit} - base : std::int64_t{base} + 1;
  return {static_cast<int>(std::clamp<std::int64_t>(first, 0, std::max(Count, 0))),
          static_cast<int>(std::clamp<std::int64_t>(end, 0, std::max(Count, 0)))};
}

vcl::TRect BarRect(TDirection Direction, const vcl::TRect& Inner, int N) {
  if (N <= 0) return {};
  switch (Direction) {
    case dirUp: return vcl::Rect(Inner.Left, Inner.Bottom - N, Inner.Right, Inner.Bottom);
    case dirDown: return vcl::Rect(Inner.Left, Inner.Top, Inner.Right, Inner.Top + N);
    case dirLeft: return vcl::Rect(Inner.Right - N, Inner.Top, Inner.Right, Inner.Bottom);
    case dirRight: break;
  }
  return vcl::Rect(Inner.Left, Inner.Top, Inner.Left + N, Inner.Bottom);
}

std::int64_t RoundDiv(std::int64_t P, std::int64_t Q) {
  std::int64_t q = P / Q, r = P % Q;
  if (r < 0) {  // floor division
    --q;
    r += Q;
  }
  if (2 * r > Q || (2 * r == Q && (q & 1) != 0)) ++q;
  return q;
}

int GradientIndex(TColorMapping Mapping, int H, int Extent, int N) {
  std::int64_t k = 0;
  switch (Mapping) {
    case cgmCover: k = RoundDiv(std::int64_t{LastBarColor} * H, Extent); break;
    case cgmStretch: k = RoundDiv(std::int64_t{LastBarColor} * H, N); break;
    case cgmMove:
      k = RoundDiv(std::int64_t{LastBarColor} * H, Extent) -
          RoundDiv(std::int64_t{LastBarColor} * (N - 1), Extent) + LastBarColor;
      break;
  }
  return static_cast<int>(std::clamp<std::int64_t>(k, 0, LastBarColor));
}

int LastGridLine(TDirection Direction, int N) { return IsVertical(Direction) ? N - 1 : N; }

vcl::TColor BarTableColor(vcl::TColor First, vcl::TColor Last, int Index) {
  const vcl::TColor a = vcl::ColorToRGB(First), b = vcl::ColorToRGB(Last);
  // Every byte stays between its two ends, so the division truncates a
  // non-negative number.
  auto channel = [Index](int c0, int c1) {
    return static_cast<std::uint8_t>((c0 * LastBarColor + (c1 - c0) * Index) / LastBarColor);
  };
  return vcl::RGB(channel(vcl::GetRValue(a), vcl::GetRValue(b)),
                  channel(vcl::GetGValue(a), vcl::GetGValue(b)),
                  channel(vcl::GetBValue(a), vcl::GetBValue(b)));
}

void InterpolateBarColors(TBarColorTable& Table) {
  for (int i = 1; i < LastBarColor; ++i) {
    Table[static_cast<std::size_t>(i)] = BarTableColor(Table.front(), Table.back(), i);
  }
}

vcl::String BarValueText(double Value, int Decimals) {
  if (Decimals >= 0) return vcl::Format(u"%.*f", {std::min(Decimals, 10), Value});
  vcl::String text = vcl::FloatToStrF(Value, vcl::ffExponent, 2, 4);
  if (!text.empty() && text[0] != u'-') text.insert(text.begin(), u' ');
  if (Decimals < -1) return text;
  // The short form keeps the last two of the four exponent digits when the
  // first two are zeros; otherwise the text turns into a row of "*".
  const std::size_t e = text.find(u'E');
  if (e == vcl::String::npos || text.size() < e + 6) return text;
  const bool fits = text[e + 2] == u'0' && text[e + 3] == u'0';
  text.erase(e + 2, 2);
  if (!fits) std::fill(text.begin(), text.end(), u'*');
  return text;
}

vcl::TPoint TextOrigin(vcl::TAlignment Alignment, vcl::TPoint Anchor, int W, int Ht,
                       int AngleDeg) {
  const double a = AngleDeg * std::numbers::pi / 180.0;
  const double s = std::sin(a), c = std::cos(a);
  const double t = Ht / 2, m = W / 2;
  double dx = -t * s, dy = -t * c;
  if (Alignment == vcl::taCenter) {
    dx -= m * c;
    dy += m * s;
  } else if (Alignment == vcl::taRightJustify) {
    dx -= 2 * m * c;
    dy += 2 * m * s;
  }
  return {Anchor.X + static_cast<int>(std::nearbyint(dx)),
          Anchor.Y + static_cast<int>(std::nearbyint(dy))};
}

}  // namespace vyr::progbar
