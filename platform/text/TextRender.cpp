#include "platform/text/TextRender.h"

#include <algorithm>
#include <cmath>

#include "platform/text/Turn.h"
#include "platform/text/Utf16.h"

namespace vcl::text {
namespace {

// Device coordinates stay within ±2^29 (as everywhere in the canvas), so
// that no sum of a position and a text width overflows.
constexpr double kLimit = 1 << 29;

int Round(double v) { return static_cast<int>(std::floor(std::clamp(v, -kLimit, kLimit) + 0.5)); }

int Clamped(long long v) {
  return static_cast<int>(
      std::clamp(v, -static_cast<long long>(kLimit), static_cast<long long>(kLimit)));
}

TRect SurfaceClip(const TSurface& s, const TRect& clip) {
  if (s.Pixels == nullptr) return {};
  return clip.Intersect(TRect(0, 0, s.Width, s.Height));
}

std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, unsigned a) {
  const unsigned na = 255 - a;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned d = (dst >> shift) & 0xFF, c = (src >> shift) & 0xFF;
    out |= ((c * a + d * na + 127) / 255) << shift;
  }
  return out;
}

void BlendMask(const TSurface& s, const TRect& clip, int x, int y, const GlyphMask& m,
               std::uint32_t color) {
  const TRect r = TRect(x, y, x + m.Width, y + m.Height).Intersect(clip);
  if (r.IsEmpty()) return;
  for (int py = r.Top; py < r.Bottom; ++py) {
    const std::uint8_t* cov = m.Coverage.data() + static_cast<std::size_t>(py - y) * m.Width;
    std::uint32_t* row = s.Pixels + static_cast<std::size_t>(py) * s.Stride;
    for (int px = r.Left; px < r.Right; ++px) {
      const unsigned a = cov[px - x];
      if (a == 255)
        row[px] = color;
      else if (a != 0)
        row[px] = Blend(row[px], color, a);
    }
  }
}

// The text's own frame: u runs along the baseline, v down the cell from its
// top edge; (X, Y) is the frame's origin on the device, turned by the
// escapement. Exact at the right angles.
struct Frame {
  double X, Y, Sin, Cos;
  Frame(int x, int y, int angle) : X(x), Y(y) {
    const Turn t = TurnOf(angle);
    Sin = t.Sin;
    Cos = t.Cos;
  }
  double DevX(double u, double v) const { return X + u * Cos + v * Sin; }
  double DevY(double u, double v) const { return Y - u * Sin + v * Cos; }
};

// Fills the frame rectangle [u0, u1) × [v0, v1): every pixel whose centre
// falls inside it.
void FillFrameRect(const TSurface& s, const TRect& clip, const Frame& f, double u0, double v0,
                   double u1, double v1, std::uint32_t pixel) {
  if (u1 <= u0 || v1 <= v0) return;
  double xs[4] = {f.DevX(u0, v0), f.DevX(u1, v0), f.DevX(u1, v1), f.DevX(u0, v1)};
  double ys[4] = {f.DevY(u0, v0), f.DevY(u1, v0), f.DevY(u1, v1), f.DevY(u0, v1)};
  const TRect box =
      TRect(Round(*std::min_element(xs, xs + 4) - 1), Round(*std::min_element(ys, ys + 4) - 1),
            Round(*std::max_element(xs, xs + 4) + 1), Round(*std::max_element(ys, ys + 4) + 1))
          .Intersect(clip);
  for (int py = box.Top; py < box.Bottom; ++py) {
    const double dy = py + 0.5 - f.Y;
    std::uint32_t* row = s.Pixels + static_cast<std::size_t>(py) * s.Stride;
    for (int px = box.Left; px < box.Right; ++px) {
      const double dx = px + 0.5 - f.X;
      const double u = dx * f.Cos - dy * f.Sin, v = dx * f.Sin + dy * f.Cos;
      if (u >= u0 && u < u1 && v >= v0 && v < v1) row[px] = pixel;
    }
  }
}

// Upright text needs no geometry: frame rectangles are device rectangles.
void FillCellRect(const TSurface& s, const TRect& clip, const Frame& f, int angle, int u0, int v0,
                  int u1, int v1, std::uint32_t pixel) {
  if (angle == 0) {
    const long long x = static_cast<long long>(f.X), y = static_cast<long long>(f.Y);
    FillSolid(s, clip, TRect(Clamped(x + u0), Clamped(y + v0), Clamped(x + u1), Clamped(y + v1)),
              pixel);
  } else {
    FillFrameRect(s, clip, f, u0, v0, u1, v1, pixel);
  }
}

void DrawGlyphs(const TSurface& s, const TRect& clip, const Frame& f, FontInstance& font,
                std::u16string_view text, std::uint32_t color) {
  const int ascent = font.Metrics().Ascent;
  const bool upright = font.Escapement() == 0;
  long long pen = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (upright && f.X + pen > clip.Right + font.Metrics().EmHeight) break;  // right of the clip
    const char32_t ch = NextCodePoint(text, i);
    const GlyphMask& mask = font.Glyph(ch);
    if (mask.Width > 0) {
      // Each glyph sits on the nearest pixel to its exact place, so rounding
      // never adds up along the line.
      const double u = static_cast<double>(pen);
      const int x = Round(f.DevX(u, ascent)), y = Round(f.DevY(u, ascent));
      BlendMask(s, clip, x + mask.Left, y - mask.Top, mask, color);
    }
    pen += font.Advance(ch);
  }
}

}  // namespace

void FillSolid(const TSurface& Surface, const TRect& Clip, const TRect& R, std::uint32_t Pixel) {
  const TRect r = R.Intersect(SurfaceClip(Surface, Clip));
  for (int y = r.Top; y < r.Bottom; ++y)
    std::fill_n(Surface.Pixels + static_cast<std::size_t>(y) * Surface.Stride + r.Left, r.Width(),
                Pixel);
}

void DrawTextLine(const TSurface& Surface, const TRect& Clip, int X, int Y, FontInstance& Font,
                  std::u16string_view Text, const TextPaint& Paint) {
  const TRect clip = SurfaceClip(Surface, Clip);
  if (clip.IsEmpty() || Text.empty()) return;
  const FontMetrics& m = Font.Metrics();
  const int angle = Font.Escapement();
  const Frame frame(X, Y, angle);
  const int width = Font.TextWidth(Text);
  if (Paint.Opaque)
    FillCellRect(Surface, clip, frame, angle, 0, 0, width, m.Height(), Paint.Background);
  DrawGlyphs(Surface, clip, frame, Font, Text, Paint.Color);
  if (Font.Underline()) {
    const int top = m.Ascent + m.UnderlineOffset;
    FillCellRect(Surface, clip, frame, angle, 0, top, width, top + m.UnderlineThickness,
                 Paint.Color);
  }
  if (Font.StrikeOut()) {
    const int top = m.Ascent - m.StrikeOffset;
    FillCellRect(Surface, clip, frame, angle, 0, top, width, top + m.StrikeThickness, Paint.Color);
  }
}

}  // namespace vcl::text
