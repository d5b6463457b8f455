// The canvas text calls: measuring with the canvas font and drawing through
// the font engine, with the canvas origin, clip and brush.
#include <algorithm>
#include <limits>

#include "platform/Graphics.h"
#include "platform/text/FontEngine.h"
#include "platform/text/TextRender.h"

namespace vcl {
namespace {

// Device coordinates stay within ±2^29, as for every canvas operation.
constexpr long long kLimit = 1 << 29;

int Device(long long V, int Origin) {
  return static_cast<int>(std::clamp(V + Origin, -kLimit, kLimit));
}

TRect DeviceRect(const TRect& R, TPoint Origin) {
  return {Device(R.Left, Origin.X), Device(R.Top, Origin.Y), Device(R.Right, Origin.X),
          Device(R.Bottom, Origin.Y)};
}

// TColor is 0x00BBGGRR, surface pixels are 0x00RRGGBB.
std::uint32_t PixelOf(TColor Color) {
  const TColor c = ColorToRGB(Color);
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

TRect Visible(const TSurface& Surface, const TRect& Clip) {
  if (Surface.Pixels == nullptr) return {};
  return Clip.Intersect(TRect(0, 0, Surface.Width, Surface.Height));
}

// Any brush but a clear one paints the text background, in its plain color
// (hatch patterns do not apply to text).
text::TextPaint PaintOf(TFont& Font, TBrush& Brush, bool Opaque) {
  return {PixelOf(Font.Color()), Opaque && Brush.Style() != bsClear, PixelOf(Brush.Color())};
}

int AddClamped(int A, int B) {
  return static_cast<int>(std::clamp<long long>(static_cast<long long>(A) + B,
                                                std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

}  // namespace

void TCanvas::TextOut(int X, int Y, const String& Text) {
  const TRect clip = Visible(FSurface, FClip);
  const bool draws = !clip.IsEmpty() && !Text.empty();
  // The owner hears of the change before the font engine is locked, so that
  // its handler may measure text itself.
  if (draws) Changing();
  text::FontAccess fonts;
  text::FontInstance& font = fonts.Resolve(FFont);
  if (draws) {
    text::DrawTextLine(FSurface, clip, Device(X, FOrigin.X), Device(Y, FOrigin.Y), font, Text,
                       PaintOf(FFont, FBrush, true));
  }
  FPenPos = TPoint(AddClamped(X, font.TextWidth(Text)), Y);
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const String& Text) {
  const TRect clip = DeviceRect(R, FOrigin).Intersect(Visible(FSurface, FClip));
  if (clip.IsEmpty()) return;
  Changing();  // before the font engine is locked, as in TextOut
  text::FontAccess fonts;
  text::FontInstance& font = fonts.Resolve(FFont);
  const text::TextPaint paint = PaintOf(FFont, FBrush, true);
  if (paint.Opaque) text::FillSolid(FSurface, clip, clip, paint.Background);
  text::DrawTextLine(FSurface, clip, Device(X, FOrigin.X), Device(Y, FOrigin.Y), font, Text,
                     PaintOf(FFont, FBrush, false));
}

int TCanvas::TextWidth(const String& Text) {
  text::FontAccess fonts;
  return fonts.Resolve(FFont).TextWidth(Text);
}

int TCanvas::TextHeight(const String& Text) {
  (void)Text;  // the cell height of the font, whatever the text
  text::FontAccess fonts;
  return fonts.Resolve(FFont).Metrics().Height();
}

TSize TCanvas::TextExtent(const String& Text) {
  text::FontAccess fonts;
  text::FontInstance& font = fonts.Resolve(FFont);
  return {font.TextWidth(Text), font.Metrics().Height()};
}

}  // namespace vcl
