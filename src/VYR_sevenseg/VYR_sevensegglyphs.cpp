// The glyphs of the seven-segment display: piece layout, the characters'
// pieces, colouring, composing on the digit canvas and the glyph cache.
#include <array>

#include "VYR_sevenseg/VYR_sevenseg.h"
#include "platform/WinapiGdi.h"

namespace vyr {

const vcl::String SevenSegCharList = u"0123456789-+:°ABCDEF.";

namespace {

struct PieceInfo {
  const char16_t* Resource;
  int X, Y, W, H;
};

// Places on the 312 × 432 digit canvas; the digit slants to the right.
constexpr std::array<PieceInfo, SevenSegPieceCount> Pieces{{
    {u"SEGHORZ", 94, 0, 200, 38},     // 1 top
    {u"SEGVERT", 37, 23, 68, 190},    // 2 upper left
    {u"SEGVERT", 244, 23, 68, 190},   // 3 upper right
    {u"SEGHORZ", 57, 197, 200, 38},   // 4 middle
    {u"SEGVERT", 0, 220, 68, 190},    // 5 lower left
    {u"SEGVERT", 207, 220, 68, 190},  // 6 lower right
    {u"SEGHORZ", 20, 394, 200, 38},   // 7 bottom
    {u"SEGPLUS", 57, 120, 200, 190},
    {u"SEGCOLON", 122, 121, 68, 190},
    {u"SEGDEG", 150, 0, 160, 138},
    {u"SEGDOT", 269, 394, 38, 38},
}};

constexpr unsigned Bits(std::initializer_list<int> Segments) {
  unsigned bits = 0;
  for (int s : Segments) bits |= 1u << (s - 1);
  return bits;
}

}  // namespace

vcl::TRect SevenSegPieceRect(TSevenSegPiece Piece) {
  const PieceInfo& p = Pieces[Piece];
  return {p.X, p.Y, p.X + p.W, p.Y + p.H};
}

const char16_t* SevenSegPieceResource(TSevenSegPiece Piece) { return Pieces[Piece].Resource; }

unsigned SevenSegPieces(char16_t Ch) {
  if (Ch >= u'a' && Ch <= u'f') Ch = static_cast<char16_t>(Ch - u'a' + u'A');
  switch (Ch) {
    case u'0': return Bits({1, 2, 3, 5, 6, 7});
    case u'1': return Bits({3, 6});
    case u'2': return Bits({1, 3, 4, 5, 7});
    case u'3': return Bits({1, 3, 4, 6, 7});
    case u'4': return Bits({2, 3, 4, 6});
    case u'5': return Bits({1, 2, 4, 6, 7});
    case u'6': return Bits({1, 2, 4, 5, 6, 7});
    case u'7': return Bits({1, 3, 6});
    case u'8': return Bits({1, 2, 3, 4, 5, 6, 7});
    case u'9': return Bits({1, 2, 3, 4, 6, 7});
    case u'-': return Bits({4});
    case u'A': return Bits({1, 2, 3, 4, 5, 6});
    case u'B': return Bits({2, 4, 5, 6, 7});  // a small b
    case u'C': return Bits({1, 2, 5, 7});
    case u'D': return Bits({3, 4, 5, 6, 7});  // a small d
    case u'E': return Bits({1, 2, 4, 5, 7});
    case u'F': return Bits({1, 2, 4, 5});
    case u'+': return 1u << spPlus;
    case u':': return 1u << spColon;
    case u'°': return 1u << spDegree;
    case u'.':
    case u',': return 1u << spPoint;
    default: return 0;
  }
}

std::vector<TSevenSegDigit> SevenSegLayout(const vcl::String& Caption, int NumDigits) {
  auto isPoint = [](char16_t c) { return c == u'.' || c == u','; };
  std::vector<TSevenSegDigit> digits;
  std::size_t i = 0;
  while (i < Caption.size() && static_cast<int>(digits.size()) < NumDigits) {
    TSevenSegDigit d;
    const char16_t c = Caption[i++];
    if (isPoint(c)) {
      d.Point = true;  // a point of its own: a blank digit with its point
    } else {
      d.Ch = c;
      if (i < Caption.size() && isPoint(Caption[i])) {
        d.Point = true;
        ++i;
      }
    }
    digits.push_back(d);
  }
  return digits;
}

// ---------------------------------------------------------------- building

vcl::TBitmap& TSevenSeg::Piece(TSevenSegPiece P) {
  switch (P) {
    case spTop:
    case spMiddle:
    case spBottom: return FSegHorz;
    case spPlus: return FSegPlus;
    case spColon: return FSegColon;
    case spDegree: return FSegDeg;
    case spPoint: return FSegDot;
    default: return FSegVert;
  }
}

// Each piece's shape is one area of one color reached from fixed points; a
// fill replaces whatever color it has (black at first, the previous text
// color later). Pure white would later be taken for the surroundings, so a
// white text becomes 0xFEFEFE.
void TSevenSeg::ColorizeSegments(vcl::TColor Color) {
  Color = vcl::ColorToRGB(Color);
  if (Color == 0xFFFFFF) Color = 0xFEFEFE;
  auto fill = [Color](vcl::TBitmap& B, int X, int Y) {
    vcl::TCanvas* c = B.Canvas();
    c->Brush()->SetStyle(vcl::bsSolid);
    c->Brush()->SetColor(Color);
    c->FloodFill(X, Y, c->Pixels(X, Y), vcl::fsSurface);
  };
  for (vcl::TBitmap* b : {&FSegHorz, &FSegVert, &FSegDot, &FSegPlus}) {
    fill(*b, b->Width() / 2, b->Height() / 2);
  }
  fill(FSegColon, 18, FSegColon.Height() - 18);
  fill(FSegColon, FSegColon.Width() - 18, 18);
  fill(FSegDeg, 25, FSegDeg.Height() / 2);
}

// The pieces are ANDed onto white, so that the white corners of one piece
// never erase another; the white around them then takes the background.
void TSevenSeg::CreateDigit(char16_t Ch, bool Dot) {
  vcl::TCanvas* c = FDigImg.Canvas();
  c->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(vcl::clWhite);
  c->FillRect({0, 0, SevenSegCanvasWidth, SevenSegCanvasHeight});
  c->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCAND));
  unsigned lit = SevenSegPieces(Ch);
  if (Dot) lit |= 1u << spPoint;
  for (int p = 0; p < SevenSegPieceCount; ++p) {
    if ((lit & (1u << p)) == 0) continue;
    const vcl::TRect r = SevenSegPieceRect(static_cast<TSevenSegPiece>(p));
    c->Draw(r.Left, r.Top, &Piece(static_cast<TSevenSegPiece>(p)));
  }
  c->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  c->Brush()->SetColor(FColorBakG);
  c->FloodFill(1, 1, c->Pixels(1, 1), vcl::fsSurface);
}

void TSevenSeg::CreateImageCache() {
  FWidth = Width();
  FHeight = Height();
  const int cw = (Width() - 2 * FMargin) / FNumDigits - FInterDigDist;
  const int ch = Height() - 2 * FMargin;
  if (cw <= 0 || ch <= 0) {
    FImgCache.SetSize(0, 0);
    return;
  }
  const int cells = static_cast<int>(SevenSegCharList.size());
  FImgCache.SetSize(cells * cw, ch);
  vcl::TCanvas* cache = FImgCache.Canvas();
  cache->Brush()->SetStyle(vcl::bsSolid);
  cache->Brush()->SetColor(FColorBakG);
  cache->FillRect({0, 0, cells * cw, ch});
  ColorizeSegments(FColorTxt);
  vcl::SetStretchBltMode(cache, vcl::HALFTONE);
  for (int i = 0; i < cells; ++i) {
    CreateDigit(SevenSegCharList[static_cast<std::size_t>(i)], false);
    vcl::StretchBlt(cache, cw * i, 0, cw, ch, FDigImg.Canvas(), 0, 0, SevenSegCanvasWidth,
                    SevenSegCanvasHeight, vcl::SRCCOPY);
  }
}

}  // namespace vyr
