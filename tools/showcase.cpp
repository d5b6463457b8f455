// Draws every canvas primitive, the pen and copy modes, hatched brushes,
// flood fill, text (plain, styled, rotated, smoothed) and stretched
// pictures into one image: `showcase OUT.png`.
#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/WinapiGdi.h"

using namespace vcl;

namespace {

constexpr int kWidth = 1200, kHeight = 670;

void Caption(TCanvas& C, int X, int Y, const char* Text) {
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(clNavy);
  C.Font()->SetStyle({fsBold});
  C.TextOut(X, Y, Str(Text));
  C.Font()->SetStyle({});
  C.Font()->SetColor(clBlack);
  C.Brush()->SetStyle(bsSolid);
}

void Label(TCanvas& C, int X, int Y, const std::string& Text) {
  C.Brush()->SetStyle(bsClear);
  C.TextOut(X, Y, Str(Text));
  C.Brush()->SetStyle(bsSolid);
}

// Panel frame with its title; painting inside happens in the panel's own
// coordinates through the canvas origin.
void Panel(TCanvas& C, const TRect& R, const char* Title) {
  C.SetOrigin(TPoint(0, 0));
  C.Pen()->SetColor(clBtnShadow);
  C.Brush()->SetColor(clWindow);
  C.Rectangle(R);
  Caption(C, R.Left + 8, R.Top + 4, Title);
  C.SetOrigin(TPoint(R.Left, R.Top + 24));
  C.Pen()->SetColor(clBlack);
}

void Lines(TCanvas& C) {
  for (int k = 0; k <= 12; ++k) {  // a fan of one-pixel lines
    const double a = k * std::numbers::pi / 24;
    C.MoveTo(10, 130);
    C.LineTo(10 + static_cast<int>(120 * std::cos(a)), 130 - static_cast<int>(120 * std::sin(a)));
  }
  const TPenStyle styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot, psAlternate};
  for (int k = 0; k < 6; ++k) {
    C.Pen()->SetStyle(styles[k]);
    C.MoveTo(150, 12 + 12 * k);
    C.LineTo(270, 12 + 12 * k);
  }
  C.Pen()->SetStyle(psSolid);
  for (int w = 2; w <= 10; w += 2) {
    C.Pen()->SetWidth(w);
    C.Pen()->SetColor(RGB(static_cast<std::uint8_t>(25 * w), 60, 160));
    C.MoveTo(150 + 11 * w, 95);
    C.LineTo(160 + 11 * w, 150);
  }
  C.Pen()->SetWidth(1);
  C.Pen()->SetColor(clBlack);
}

void Figures(TCanvas& C) {
  C.Brush()->SetColor(clSkyBlue);
  C.Rectangle(10, 10, 70, 60);
  C.Brush()->SetColor(clMoneyGreen);
  C.RoundRect(80, 10, 150, 60, 20, 20);
  C.Brush()->SetColor(clCream);
  C.Ellipse(160, 10, 240, 60);
  C.Pen()->SetWidth(3);
  C.Arc(250, 10, 310, 70, 310, 40, 280, 10);
  C.Pen()->SetWidth(1);
  C.Brush()->SetColor(clYellow);
  C.Pie(10, 75, 80, 145, 80, 110, 45, 75);
  C.Brush()->SetColor(clAqua);
  C.Chord(90, 75, 160, 145, 160, 100, 90, 100);
  C.Brush()->SetColor(clFuchsia);
  std::vector<TPoint> star;
  for (int k = 0; k < 5; ++k) {
    const double a = (90 + 144.0 * k) * std::numbers::pi / 180;
    star.emplace_back(205 + static_cast<int>(35 * std::cos(a)), 110 - static_cast<int>(35 * std::sin(a)));
  }
  C.Polygon(star);
  C.Polyline({TPoint(250, 140), TPoint(265, 85), TPoint(280, 140), TPoint(295, 85), TPoint(310, 140)});
}

void PenModes(TCanvas& C) {
  const char* names[] = {"Black", "White", "Nop", "Not", "Copy", "NotCopy", "MergePenNot",
                         "MaskPenNot", "MergeNotPen", "MaskNotPen", "Merge", "NotMerge",
                         "Mask", "NotMask", "Xor", "NotXor"};
  for (int m = 0; m < 16; ++m) {
    const int x = 10 + (m % 4) * 95, y = 8 + (m / 4) * 42;
    C.Pen()->SetMode(pmCopy);
    C.Brush()->SetColor(clTeal);
    C.FillRect(TRect(x, y, x + 45, y + 30));
    C.Brush()->SetColor(clYellow);
    C.FillRect(TRect(x + 45, y, x + 90, y + 30));
    C.Pen()->SetMode(static_cast<TPenMode>(m));
    C.Pen()->SetColor(clRed);
    C.Pen()->SetWidth(7);
    C.MoveTo(x + 8, y + 15);
    C.LineTo(x + 82, y + 15);
    C.Pen()->SetWidth(1);
    C.Pen()->SetMode(pmCopy);
    Label(C, x, y + 28, names[m]);
  }
}

std::unique_ptr<TBitmap> Picture(int W, int H) {
  auto b = std::make_unique<TBitmap>(W, H);
  TCanvas* c = b->Canvas();
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) c->SetPixels(x, y, RGB(x * 255 / W, y * 255 / H, 160));
  }
  c->Brush()->SetColor(clWhite);
  c->Ellipse(W / 4, H / 4, 3 * W / 4, 3 * H / 4);
  c->Pen()->SetColor(clBlack);
  c->MoveTo(0, 0);
  c->LineTo(W, H);
  return b;
}

void CopyModes(TCanvas& C) {
  struct Mode { DWORD Rop; const char* Name; };
  const Mode modes[] = {{SRCCOPY, "SRCCOPY"}, {SRCPAINT, "SRCPAINT"}, {SRCAND, "SRCAND"},
                        {SRCINVERT, "SRCINVERT"}, {SRCERASE, "SRCERASE"}, {NOTSRCCOPY, "NOTSRCCOPY"},
                        {NOTSRCERASE, "NOTSRCERASE"}, {MERGECOPY, "MERGECOPY"},
                        {MERGEPAINT, "MERGEPAINT"}, {DSTINVERT, "DSTINVERT"},
                        {BLACKNESS, "BLACKNESS"}, {WHITENESS, "WHITENESS"}};
  const auto pic = Picture(60, 36);
  for (int m = 0; m < 12; ++m) {
    const int x = 10 + (m % 4) * 95, y = 8 + (m / 4) * 56;
    C.SetCopyMode(SRCCOPY);
    C.Brush()->SetColor(clSilver);
    C.FillRect(TRect(x, y, x + 60, y + 18));
    C.Brush()->SetColor(clNavy);
    C.FillRect(TRect(x, y + 18, x + 60, y + 36));
    C.Brush()->SetColor(clRed);  // the pattern of MERGECOPY
    C.SetCopyMode(static_cast<TCopyMode>(modes[m].Rop));
    C.Draw(x, y, pic.get());
    C.SetCopyMode(SRCCOPY);
    Label(C, x, y + 36, modes[m].Name);
  }
}

void Brushes(TCanvas& C) {
  const TBrushStyle styles[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
  for (int k = 0; k < 6; ++k) {
    C.Brush()->SetColor(clMaroon);
    C.Brush()->SetStyle(styles[k]);
    C.Rectangle(10 + 52 * k, 8, 56 + 52 * k, 54);
  }
  C.Brush()->SetStyle(bsSolid);
  // Flood fill: a ring filled inside (surface) and a maze filled to a border.
  C.Brush()->SetColor(clWhite);
  C.Pen()->SetColor(clGreen);
  C.Ellipse(10, 66, 90, 136);
  C.Ellipse(30, 86, 70, 116);
  C.Brush()->SetColor(clLime);
  C.FloodFill(20, 101, clWhite, fsSurface);
  C.Pen()->SetColor(clPurple);
  for (int k = 0; k < 6; ++k) {
    C.MoveTo(110 + 20 * k, k % 2 ? 70 : 80);
    C.LineTo(110 + 20 * k, k % 2 ? 126 : 136);
  }
  C.Brush()->SetStyle(bsClear);
  C.Rectangle(100, 66, 220, 136);
  C.Brush()->SetColor(clFuchsia);
  C.FloodFill(105, 100, clPurple, fsBorder);
  C.Pen()->SetColor(clBlack);
  C.DrawFocusRect(TRect(240, 66, 310, 136));
}

void Texts(TCanvas& C) {
  C.Font()->SetName(u"Tahoma");
  C.Font()->SetSize(10);
  C.TextOut(10, 8, u"Plain text, solid brush");
  C.Font()->SetStyle({fsBold, fsUnderline});
  C.Brush()->SetStyle(bsClear);
  C.TextOut(10, 30, u"Bold and underlined, clear brush");
  C.Font()->SetStyle({fsItalic, fsStrikeOut});
  C.TextOut(10, 52, u"Italic and struck out");
  C.Font()->SetStyle({});
  C.Font()->SetSize(16);
  C.Font()->SetQuality(fqNonAntialiased);
  C.TextOut(10, 76, u"Aliased 16 pt");
  C.Font()->SetQuality(fqAntialiased);
  C.TextOut(10, 104, u"Smoothed 16 pt");
  C.Font()->SetSize(9);
  Label(C, 10, 150, "Rotated (escapement):");
  for (int a = 0; a < 360; a += 45) {
    C.Font()->SetEscapement(a * 10);
    C.Font()->SetOrientation(a * 10);
    C.TextOut(280, 150, Str("  " + std::to_string(a) + " degrees"));
  }
  C.Font()->SetEscapement(0);
  C.Font()->SetOrientation(0);
  C.Font()->SetQuality(fqDefault);
  C.Brush()->SetStyle(bsSolid);
}

void Stretched(TCanvas& C) {
  const auto pic = Picture(24, 16);
  C.Draw(10, 8, pic.get());
  Label(C, 10, 26, "24 x 16");
  SetStretchBltMode(C.Handle(), COLORONCOLOR);
  C.StretchDraw(TRect(60, 8, 156, 72), pic.get());
  Label(C, 60, 74, "nearest");
  SetStretchBltMode(C.Handle(), HALFTONE);
  C.StretchDraw(TRect(166, 8, 262, 72), pic.get());
  Label(C, 166, 74, "halftone");
  C.StretchDraw(TRect(368, 8, 272, 72), pic.get());
  Label(C, 272, 74, "mirrored");
  TBitmap box;
  box.LoadFromResourceName(u"CHECKBOX");
  box.SetTransparent(true);
  box.SetTransparentColor(RGB(0xEB, 0xBE, 0xEB));
  SetStretchBltMode(C.Handle(), COLORONCOLOR);
  C.StretchDraw(TRect(10, 96, 106, 192), &box);
  Label(C, 112, 96, "named resource, 3x, transparent");
  SetStretchBltMode(C.Handle(), HALFTONE);
  const auto big = Picture(240, 160);
  C.StretchDraw(TRect(112, 116, 232, 196), big.get());
  Label(C, 240, 150, "halftone 1/2");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: showcase OUT.png\n");
    return 2;
  }
  try {
    TBitmap page(kWidth, kHeight);
    TCanvas& c = *page.Canvas();
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(TRect(0, 0, kWidth, kHeight));
    Panel(c, TRect(10, 10, 400, 200), "Lines, pen styles and widths");
    Lines(c);
    Panel(c, TRect(410, 10, 800, 200), "Figures");
    Figures(c);
    Panel(c, TRect(810, 10, 1190, 220), "Pen modes");
    PenModes(c);
    Panel(c, TRect(10, 210, 400, 420), "Copy modes");
    CopyModes(c);
    Panel(c, TRect(410, 210, 800, 400), "Hatched brushes, flood fill, focus rectangle");
    Brushes(c);
    Panel(c, TRect(810, 230, 1190, 660), "Text");
    Texts(c);
    Panel(c, TRect(10, 430, 400, 660), "Stretching");
    Stretched(c);
    page.SaveToFile(FromUTF8(argv[1]));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "showcase: %s\n", e.what());
    return 1;
  }
  return 0;
}
