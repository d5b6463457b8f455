// TProgBar painting: the picture is composed in a bitmap of the control's
// size and copied to the control in one step.
//
// The gradient is written into the bitmap's rows directly: a horizontal bar
// builds one row of its columns' colors and copies it into every row of the
// inner area, a vertical bar fills each of its rows with one color. Both
// give exactly the lines of a pen from (x, Top) to (x, Bottom) or from
// (Left, y) to (Right, y), which the tests compare them with.
#include <algorithm>
#include <cstring>
#include <utility>

#include "VYR_ProgBar/VYR_ProgBar.h"
#include "platform/Guards.h"
#include "platform/Look.h"

namespace vyr {

using namespace progbar;

namespace {

std::uint32_t PixelOf(vcl::TColor Color) {
  const vcl::TColor c = vcl::ColorToRGB(Color);
  return (std::uint32_t{vcl::GetRValue(c)} << 16) | (std::uint32_t{vcl::GetGValue(c)} << 8) |
         vcl::GetBValue(c);
}

void Fill(vcl::TCanvas& C, const vcl::TRect& R, vcl::TColor Color) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(Color);
  C.FillRect(R);
}

}  // namespace

void TProgBar::PaintNow() {
  if (ComponentState().Contains(vcl::csLoading) || !IsVisibleOnParents()) return;
  if (FPainting) {
    FRepaintPending = true;
    return;
  }
  Paint();
}

// A property changed by OnShowValue during the paint is shown by one more
// paint right after it (not more: a handler that changes something on
// every call would otherwise never let the paint end).
void TProgBar::Paint() {
  if (!Visible() && !Designing()) return;
  if (Width() <= 0 || Height() <= 0 || FPainting) return;
  {
    vcl::TValueGuard painting(FPainting, true);
    FRepaintPending = false;
    Compose(*FBuffer);
    if (std::exchange(FRepaintPending, false)) Compose(*FBuffer);
  }
  vcl::TCanvas* canvas = Canvas();
  canvas->SetCopyMode(vcl::SRCCOPY);
  canvas->Draw(0, 0, FBuffer.get());
}

void TProgBar::Compose(vcl::TBitmap& B) {
  const int w = Width(), h = Height();
  if (B.Width() != w || B.Height() != h) B.SetSize(w, h);
  vcl::TCanvas& c = *B.Canvas();
  c.Pen()->SetMode(vcl::pmCopy);
  c.Pen()->SetStyle(vcl::psSolid);
  c.Pen()->SetWidth(1);
  const vcl::TRect inner = InnerRect(w, h, FMargins);
  Fill(c, vcl::Rect(0, 0, w, h), FColorMargin);
  DrawBackground(c, inner);
  DrawBar(B, inner);
  if (FGridDist > 1) {
    DrawGrid(c, inner, progbar::BarLength(FValue, FMin, FMax, InnerExtent(FDirection, inner)));
  }
  DrawBarFrame(c, FFrameStyleInner, inner);
  DrawBarFrame(c, FFrameStyleOuter, vcl::Rect(0, 0, w, h));
  if (FTextVisible) DrawValueText(c);
}

void TProgBar::DrawBackground(vcl::TCanvas& C, const vcl::TRect& Inner) {
  Fill(C, Inner, FColorBackGnd);
  if (FBackGroundImg.empty() || Inner.Right <= Inner.Left || Inner.Bottom <= Inner.Top) return;
  try {
    C.SetStretchBltMode(vcl::COLORONCOLOR);
    C.StretchDraw(Inner, FBackGround.get());
  } catch (const vcl::Exception&) {
    Fill(C, Inner, FColorBackGnd);
  }
}

void TProgBar::DrawBar(vcl::TBitmap& B, const vcl::TRect& Inner) {
  const int n = progbar::BarLength(FValue, FMin, FMax, InnerExtent(FDirection, Inner));
  if (n <= 0) return;
  if (FShowColorGradient) {
    DrawGradient(B, Inner, n);
  } else {
    Fill(*B.Canvas(), BarRect(FDirection, Inner, n), FBarColors.front());
  }
}

const std::array<std::uint32_t, BarColorCount>& TProgBar::PixelTable() {
  if (!FPixelTableValid) {
    for (std::size_t i = 0; i < FBarColors.size(); ++i) FPixelTable[i] = PixelOf(FBarColors[i]);
    FPixelTableValid = true;
  }
  return FPixelTable;
}

// Line h of the bar in the color of its gradient index; only the lines and
// the part across the bar that fall inside the bitmap are visited.
void TProgBar::DrawGradient(vcl::TBitmap& B, const vcl::TRect& Inner, int N) {
  const auto& table = PixelTable();
  const int extent = InnerExtent(FDirection, Inner);
  const bool vertical = IsVertical(FDirection);
  const TLineRange lines = VisibleLines(FDirection, Inner, N, vertical ? B.Height() : B.Width());
  if (vertical) {
    const int left = std::max(Inner.Left, 0), right = std::min(Inner.Right, B.Width());
    if (left >= right) return;
    for (int h = lines.First; h < lines.End; ++h) {
      std::uint32_t* row = B.ScanLine(BarLinePos(FDirection, Inner, h));
      std::fill(row + left, row + right, table[GradientIndex(FColorMapMode, h, extent, N)]);
    }
    return;
  }
  const int top = std::max(Inner.Top, 0), bottom = std::min(Inner.Bottom, B.Height());
  if (top >= bottom || lines.First >= lines.End) return;
  // One row of the bar's columns, then copied into every other row.
  std::uint32_t* first = B.ScanLine(top);
  for (int h = lines.First; h < lines.End; ++h) {
    first[BarLinePos(FDirection, Inner, h)] = table[GradientIndex(FColorMapMode, h, extent, N)];
  }
  const int a = BarLinePos(FDirection, Inner, lines.First);
  const int b = BarLinePos(FDirection, Inner, lines.End - 1);
  const int lo = std::min(a, b), count = std::abs(b - a) + 1;
  const std::size_t bytes = static_cast<std::size_t>(count) * sizeof(std::uint32_t);
  for (int y = top + 1; y < bottom; ++y) std::memcpy(B.ScanLine(y) + lo, first + lo, bytes);
}

// Lines at h = 0, GridDist, 2 GridDist, ... across the inner area.
void TProgBar::DrawGrid(vcl::TCanvas& C, const vcl::TRect& Inner, int N) {
  const bool vertical = IsVertical(FDirection);
  const vcl::TRect clip = C.ClipRect();
  const TLineRange lines = VisibleLines(FDirection, Inner, LastGridLine(FDirection, N) + 1,
                                        vertical ? clip.Bottom : clip.Right);
  const std::int64_t dist = FGridDist;
  const std::int64_t first = (lines.First + dist - 1) / dist * dist;
  for (std::int64_t h = first; h < lines.End; h += dist) {
    const int p = BarLinePos(FDirection, Inner, static_cast<int>(h));
    Fill(C, vertical ? vcl::Rect(Inner.Left, p, Inner.Right, p + 1)
                     : vcl::Rect(p, Inner.Top, p + 1, Inner.Bottom),
         FColorGrid);
  }
}

// Frames in the black, gray and white line colors, as two rings (outer,
// then inner) of the look module; for the styles 2 to 5 the corners
// (L, B - 1) and (R - 1, T) then take ColorMargin:
//   1 single   one gray ring
//   2 sunken   gray / white, then black / gray
//   3 raised   gray / black, then white / gray
//   4 etched   white / gray, then gray / white
//   5 bump     gray / white, then white / gray
void TProgBar::DrawBarFrame(vcl::TCanvas& C, TFrameStyle Style, const vcl::TRect& R) {
  if (Style == fsNoFrame || R.Right <= R.Left || R.Bottom <= R.Top) return;
  if (Style == fsSimple) {
    vcl::look::DrawFlatBorder(C, R, FColorGray);
    return;
  }
  struct TRings {
    vcl::TColor OuterTL, OuterBR, InnerTL, InnerBR;
  };
  TRings rings{FColorGray, FColorWhite, FColorBlack, FColorGray};
  if (Style == fsRaised) rings = {FColorGray, FColorBlack, FColorWhite, FColorGray};
  if (Style == fsEtched) rings = {FColorWhite, FColorGray, FColorGray, FColorWhite};
  if (Style == fsBump) rings = {FColorGray, FColorWhite, FColorWhite, FColorGray};
  const vcl::TRect inner = vcl::look::DrawEdge(C, R, rings.OuterTL, rings.OuterBR);
  vcl::look::DrawEdge(C, inner, rings.InnerTL, rings.InnerBR);
  C.SetPixels(R.Left, R.Bottom - 1, FColorMargin);
  C.SetPixels(R.Right - 1, R.Top, FColorMargin);
}

// The canvas font is made from Font once per change of Font or TextAngle:
// turned by the angle, default character set, quality and pitch.
void TProgBar::DrawValueText(vcl::TCanvas& C) {
  vcl::String text = BarValueText(FValue, FTextDecPlaces);
  if (FOnShowValue) FOnShowValue(this, text);
  if (!FTextFontValid) {
    C.Font()->Assign(Font());
    C.Font()->SetCharset(vcl::DEFAULT_CHARSET);
    C.Font()->SetQuality(vcl::fqDefault);
    C.Font()->SetPitch(vcl::fpDefault);
    C.Font()->SetOrientation(FTextAngle * 10);
    FTextFontValid = true;
  }
  C.Brush()->SetStyle(vcl::bsClear);
  const vcl::TSize size = C.TextExtent(text);
  const vcl::TPoint at =
      TextOrigin(FTextAlignment, {FTextPosX, FTextPosY}, size.cx, size.cy, FTextAngle);
  C.TextOut(at.X, at.Y, text);
}

}  // namespace vyr
