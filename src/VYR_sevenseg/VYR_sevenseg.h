// The seven-segment display: a short text shown as a row of slanted LED
// digits. Its text is the control's caption (Caption / Text).
//
// How the glyphs are made. Six segment pieces (named bitmaps, black shapes
// on white) are coloured with ColorText by flood fills; each of the 21
// characters of SevenSegCharList is composed from its lit pieces on a
// 312 × 432 digit canvas, its white surroundings take ColorBackGnd, and the
// canvas is scaled down (HALFTONE, area averaging) into one cell of the
// glyph cache:
//
//   pitch a = (Width - 2·Margin) div NumDigits
//   cell    cw = a - InterDigDist wide, ch = Height - 2·Margin high
//   cache   21·cw × ch, cell k (0-based) at x = k·cw
//
// This happens when the cache is (re)built: at construction and after a
// change of size, colors, NumDigits, Margin or InterDigDist. A new caption
// only copies cells: digit j (1-based) goes to x = (j-1)·(cw + InterDigDist)
// + Margin, y = Margin. A "." or "," after a character lights that digit's
// point (the lower-right sixth of the "." cell copied over it); standing
// alone it is a blank digit with a point. Characters outside the list leave
// their place blank; text beyond NumDigits places is not shown.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Controls.h"

namespace vyr {

// The characters the display shows, in cache order.
extern const vcl::String SevenSegCharList;  // u"0123456789-+:°ABCDEF."

// ---------------------------------------------------------------- segment layout

// The pieces of a digit. Segments: 1 top, 2 upper left, 3 upper right,
// 4 middle, 5 lower left, 6 lower right, 7 bottom.
enum TSevenSegPiece : std::uint8_t {
  spTop, spUpperLeft, spUpperRight, spMiddle, spLowerLeft, spLowerRight, spBottom,
  spPlus, spColon, spDegree, spPoint
};
inline constexpr int SevenSegPieceCount = 11;
inline constexpr int SevenSegCanvasWidth = 312;
inline constexpr int SevenSegCanvasHeight = 432;

// Where a piece lies on the digit canvas (its bitmap's size at its place)
// and the name of its bitmap.
vcl::TRect SevenSegPieceRect(TSevenSegPiece Piece);
const char16_t* SevenSegPieceResource(TSevenSegPiece Piece);
// The pieces a character lights, as bits 1 << TSevenSegPiece; "." and ","
// light the point only; characters that show nothing give 0. Letters a to
// f count as A to F.
unsigned SevenSegPieces(char16_t Ch);

// One place of the display: the character shown there and its point.
struct TSevenSegDigit {
  char16_t Ch = u' ';
  bool Point = false;
};
// The places the caption fills, at most NumDigits of them.
std::vector<TSevenSegDigit> SevenSegLayout(const vcl::String& Caption, int NumDigits);

// ---------------------------------------------------------------- the control

class TSevenSeg : public vcl::TGraphicControl {
 public:
  explicit TSevenSeg(vcl::TComponent* AOwner);
  ~TSevenSeg() override;

  // 1 .. 32; other values are ignored.
  int NumDigits() const { return FNumDigits; }
  void SetNumDigits(int Value);
  vcl::TColor ColorText() const { return FColorTxt; }
  void SetColorText(vcl::TColor Value);
  vcl::TColor ColorBackGnd() const { return FColorBakG; }
  void SetColorBackGnd(vcl::TColor Value);
  // Border around the digits; 0 .. Height div 2 - 1 (larger values are
  // stored as the limit, negative ones as 0).
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  // Gap between digits, 0 .. 255.
  int InterDigDist() const { return FInterDigDist; }
  void SetInterDigDist(int Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // The glyph cache (see above); valid after construction and every rebuild.
  vcl::TBitmap* ImageCache() { return &FImgCache; }
  // The building steps: colour the pieces, compose one character on the
  // digit canvas, and rebuild the whole cache.
  void ColorizeSegments(vcl::TColor Color);
  void CreateDigit(char16_t Ch, bool Dot);
  void CreateImageCache();

  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;
  void Paint() override;

 protected:
  // A new caption paints at once, copying cached glyphs only.
  void CMTextChanged(vcl::TMessage& Message) override;
  // Rebuilds the cache when the size changed, then fires OnResize: an
  // application's OnResize handler adds to the rebuild instead of
  // replacing it.
  void Resize() override;
  void Loaded() override;

 private:
  bool Loading() const { return ComponentState().Contains(vcl::csLoading); }
  // Rebuilds the cache for the current size and colors and paints (nothing
  // while loading: Loaded rebuilds).
  void Rebuild();
  void PaintNow();
  vcl::TBitmap& Piece(TSevenSegPiece P);
  void CopyGlyphs(vcl::TCanvas& C);

  int FNumDigits = 4;
  vcl::TColor FColorTxt = vcl::clRed;
  vcl::TColor FColorBakG = 0x333333;
  int FMargin = 8;
  int FInterDigDist = 2;
  TFrameStyle FFrameStyle = fsLowered;
  TColorScheme FColorScheme = csBWG;
  vcl::TColor FColBlackLine = vcl::clBlack;
  vcl::TColor FColGrayLine = vcl::clGray;
  vcl::TColor FColWhiteLine = vcl::clWhite;

  vcl::TBitmap FDigImg;
  vcl::TBitmap FImgCache;
  vcl::TBitmap FSegHorz, FSegVert, FSegDot, FSegPlus, FSegColon, FSegDeg;
  // The size the cache was built for.
  int FWidth = 0;
  int FHeight = 0;
  // The picture of the last paint, kept so that a paint allocates nothing.
  vcl::TBitmap FPicture;
};

}  // namespace vyr
