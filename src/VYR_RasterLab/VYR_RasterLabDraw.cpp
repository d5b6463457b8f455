// Dot fonts and painting of the raster label: the built-in font, sampling
// a font into dots, characters and strings of dots, raster gaps and frames.
#include <algorithm>

#include "VYR_RasterLab/VYR_RasterLab.h"
#include "VYR_RasterLab/VYR_RasterLabFont.h"
#include "platform/SysUtils.h"
#include "platform/WinapiGdi.h"

namespace vyr {

TRDCharMatrix BuiltInCharMatrix() {
  TRDCharMatrix m;
  m.FontWidth = RDBuiltInFontWidth;
  m.FontHeight = RDBuiltInFontHeight;
  for (int i = 0; i < RDBuiltInFontCount; ++i) {
    const TRDFontRecord& r = RDBuiltInFont[static_cast<std::size_t>(i)];
    const std::size_t code = static_cast<std::size_t>(RDBuiltInFontFirst + i);
    m.LeftMostBit[code] = r[0];
    m.RightMostBit[code] = r[1];
    for (int row = 0; row < RDBuiltInFontHeight; ++row) {
      m.BitData[code][static_cast<std::size_t>(row)] = r[static_cast<std::size_t>(row) + 2];
    }
  }
  return m;
}

namespace {

// Samples one character drawn at (0, 0): a bit per non-white pixel of the
// first 32 rows and columns. Returns the first and last column with ink
// (31 and 0 when there is none).
void SampleGlyph(vcl::TBitmap& B, std::array<std::uint32_t, 32>& Rows, int& Left, int& Right) {
  Left = 31;
  Right = 0;
  for (int r = 0; r < 32; ++r) {
    const std::uint32_t* line = B.ScanLine(r);
    std::uint32_t mask = 0;
    for (int j = 0; j < 32; ++j) {
      if ((line[j] & 0xFFFFFF) != 0xFFFFFF) mask |= 1u << j;
    }
    Rows[static_cast<std::size_t>(r)] = mask;
    if (mask == 0) continue;
    for (int j = 0; j < 32; ++j) {
      if ((mask >> j) & 1u) {
        Left = std::min(Left, j);
        Right = std::max(Right, j);
      }
    }
  }
}

}  // namespace

TRDCharMatrix TRasterLab::CreateBitFont(vcl::TFont* Font) {
  if (Font == nullptr || vcl::LowerCase(Font->Name()) == u"default") return BuiltInCharMatrix();
  TRDCharMatrix m;
  vcl::TBitmap b(65, 65);
  vcl::TCanvas& c = *b.Canvas();
  c.Font()->Assign(Font);
  c.Font()->SetColor(vcl::clBlack);
  for (int code = 32; code <= 255; ++code) {
    const std::size_t k = static_cast<std::size_t>(code);
    c.Brush()->SetStyle(vcl::bsSolid);
    c.Brush()->SetColor(vcl::clWhite);
    c.FillRect({0, 0, 65, 65});
    c.Brush()->SetStyle(vcl::bsClear);
    c.TextOut(0, 0, vcl::String(1, static_cast<char16_t>(code)));
    int left = 31, right = 0;
    SampleGlyph(b, m.BitData[k], left, right);
    m.LeftMostBit[k] = static_cast<std::uint8_t>(left);
    m.RightMostBit[k] = static_cast<std::uint8_t>(right);
    for (int r = 0; r < 32; ++r) {
      if (m.BitData[k][static_cast<std::size_t>(r)] != 0) m.FontHeight = std::max(m.FontHeight, r + 1);
    }
    if (right >= left) m.FontWidth = std::max(m.FontWidth, right - left + 1);
  }
  m.LeftMostBit[32] = 0;
  m.RightMostBit[32] = static_cast<std::uint8_t>(m.FontWidth / 2);
  return m;
}

int TRasterLab::CalcTextBitLength(const vcl::String& Text) const {
  const int p = Pitch();
  int length = 0;
  for (char16_t ch : Text) {
    const std::uint8_t code = RDCharCode(ch);
    length += FProportional ? (FCMat.RightMostBit[code] - FCMat.LeftMostBit[code] + 2) * p
                            : p * FCMat.FontWidth + p;
  }
  return length;
}

// ---------------------------------------------------------------- dots

int TRasterLab::PaintChar(vcl::TCanvas& Canvas, const TRDCharMatrix& CMat, int X, int Y,
                          char16_t Ch, int DotSize, int DotSpacing, vcl::TColor ColorOn,
                          vcl::TColor, vcl::TColor, bool FixedWidth) const {
  const std::uint8_t code = RDCharCode(Ch);
  const int p = DotSize + DotSpacing;
  const int first = FixedWidth ? 0 : CMat.LeftMostBit[code];
  const int last = FixedWidth ? CMat.FontWidth - 1 : CMat.RightMostBit[code];
  if (last < first) return 0;
  // The columns first .. last of a row, as bits from bit 0.
  const std::uint32_t columns =
      last - first >= 31 ? 0xFFFFFFFFu : ((1u << (last - first + 1)) - 1u);
  vcl::TBrush* brush = Canvas.Brush();
  brush->SetStyle(vcl::bsSolid);
  brush->SetColor(ColorOn);
  for (int r = 0; r < std::min(CMat.FontHeight, 32); ++r) {
    std::uint32_t bits = (CMat.BitData[code][static_cast<std::size_t>(r)] >> first) & columns;
    const int y = Y + r * p;
    for (int c = 0; bits != 0; ++c, bits >>= 1) {
      if ((bits & 1u) == 0) continue;
      const int x = X + c * p;
      if (DotSize == 1) {
        Canvas.SetPixels(x, y, ColorOn);
      } else {
        Canvas.FillRect({x, y, x + DotSize, y + DotSize});
      }
    }
  }
  return (last - first + 1) * p;
}

void TRasterLab::PaintString(vcl::TCanvas& Canvas, const TRDCharMatrix& CMat, int X, int Y,
                             const vcl::String& Text, int DotSize, int DotSpacing,
                             vcl::TColor ColorOn, vcl::TColor ColorOff, vcl::TColor ColorBack,
                             TRDBlockMode BlockMode, bool Proportional, int& TextLength) const {
  const int p = DotSize + DotSpacing;
  int x = X;
  // rdbmOn: a blank column before the text and after every character.
  auto gap = [&] {
    if (BlockMode != rdbmOn) return;
    Canvas.Brush()->SetStyle(vcl::bsSolid);
    Canvas.Brush()->SetColor(ColorBack);
    Canvas.FillRect({x - p, 0, x, Height()});
  };
  gap();
  for (char16_t ch : Text) {
    const int width = PaintChar(Canvas, CMat, x, Y, ch, DotSize, DotSpacing, ColorOn, ColorOff,
                                ColorBack, !Proportional);
    x += Proportional ? width + p : p * CMat.FontWidth + p;
    gap();
  }
  TextLength = x - X + 1;
}

// ---------------------------------------------------------------- the picture

int TRasterLab::FrameWidth() const {
  if (FFrameStyle >= fsSimple && FFrameStyle <= fsRaised) return 1;
  if (FFrameStyle == fsEtched || FFrameStyle == fsBump) return 2;
  return 0;
}

// The lines between dot rows and columns, DotSpacing pixels each, placed so
// that the dots left between them line up with the text's dots.
void TRasterLab::PaintRasterGaps(vcl::TCanvas& C) const {
  const int p = Pitch(), w = Width(), h = Height();
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(FColorLabBakG);
  const int y0 = (FYPos + FScrollPosY) % p - FDotSpacing - 1;
  for (int b = 0; b <= h / p + 1; ++b) {
    for (int i = 1; i <= FDotSpacing; ++i) C.FillRect({0, y0 + b * p + i, w, y0 + b * p + i + 1});
  }
  const int x0 = (FXPos + FScrollPosX) % p - FDotSpacing - 1;
  for (int b = 0; b <= w / p + 1; ++b) {
    for (int i = 1; i <= FDotSpacing; ++i) C.FillRect({x0 + b * p + i, 0, x0 + b * p + i + 1, h});
  }
}

// The frame in the control's own line colors (black, gray, white).
void TRasterLab::PaintFrame(vcl::TCanvas& C) const {
  const int w = Width(), h = Height();
  vcl::TPen* pen = C.Pen();
  pen->SetStyle(vcl::psSolid);
  pen->SetWidth(1);
  auto outline = [&](vcl::TColor Color, int L, int T, int R, int B) {
    pen->SetColor(Color);
    DrawRectangle(&C, L, T, R, B);
  };
  auto polyline = [&](vcl::TColor Color, std::initializer_list<vcl::TPoint> Points) {
    pen->SetColor(Color);
    C.Polyline(Points);
  };
  switch (FFrameStyle) {
    case fsSimple: outline(FColGrayLine, 0, 0, w - 1, h - 1); break;
    case fsLowered:
    case fsRaised: {
      const bool sunken = FFrameStyle == fsLowered;
      polyline(sunken ? FColBlackLine : FColWhiteLine, {{1, h - 3}, {1, 1}, {w - 2, 1}});
      polyline(sunken ? FColWhiteLine : FColBlackLine,
               {{sunken ? 2 : 0, h - 1}, {w - 1, h - 1}, {w - 1, 0}});
      outline(FColGrayLine, 0, 0, w - 2, h - 2);
      break;
    }
    case fsEtched:
      outline(FColGrayLine, 1, 1, w - 1, h - 1);
      outline(FColWhiteLine, 0, 0, w - 2, h - 2);
      break;
    case fsBump:
      outline(FColWhiteLine, 1, 1, w - 1, h - 1);
      outline(FColGrayLine, 0, 0, w - 2, h - 2);
      break;
    default: break;
  }
}

void TRasterLab::Paint() {
  if (!Visible() && !Designing()) return;
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  if (FPicture.Width() != w || FPicture.Height() != h) FPicture.SetSize(w, h);
  vcl::TCanvas& c = *FPicture.Canvas();
  c.SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  c.Font()->Assign(Font());
  c.Brush()->SetStyle(vcl::bsSolid);
  c.Brush()->SetColor(FCharBlockMode != rdbmOff ? FColorDotOff : FColorLabBakG);
  c.FillRect(FFrameStyle != fsNoFrame ? vcl::TRect(1, 1, w - 1, h - 1) : vcl::TRect(0, 0, w, h));
  if (FCharBlockMode != rdbmOff) PaintRasterGaps(c);
  PaintString(c, FCMat, FXPos + FScrollPosX, FYPos + FScrollPosY, FLabText, FDotSize,
              FDotSpacing, FColorDotOn, FColorDotOff, FColorLabBakG, FCharBlockMode,
              FProportional, FTextBitLength);
  PaintFrame(c);
  vcl::TCanvas* canvas = Canvas();
  canvas->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  canvas->Draw(0, 0, &FPicture);
}

}  // namespace vyr
