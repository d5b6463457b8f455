// Draws the six segment pieces of the seven-segment display and writes them
// as 8-bit BMP files (black shapes on white, two palette entries):
//
//   gen_segments <resources folder>
//
// The pieces are cut from one slanted digit laid out on the 312 × 432 digit
// canvas. Shapes are designed upright and then slanted: a point (u, y) of
// the upright design lies at x = u + Slant · (432 - y), so the bottom row
// stays in place and the top moves right by 81 pixels. Upright, the
// horizontal bars span u 20 .. 213 and are 38 high (centre rows 19, 216 and
// 413); the vertical bars span u -4 .. 28 and 203 .. 235, rows 23 .. 213
// and 220 .. 410. Bars end in 45° points, which leaves an even gap of about
// eight pixels between neighbouring bars. The pieces' sizes and places on
// the digit canvas are fixed by the display; each piece is written at its
// own size, relative to its place.
//
// Every shape is one 4-connected black area containing the point the
// display fills it from (the centre; the colon's two dots at (18, h - 18)
// and (w - 18, 18); the degree ring at (25, h / 2)). The degree ring has a
// two-pixel slit, so that its hole is connected to the white around it and
// takes the background color with it when a digit is composed.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace {

using vcl::TPoint;

constexpr double Slant = 37.0 / 197.0;
constexpr int CanvasHeight = 432;

struct Piece {
  const char* Name;
  int X, Y, W, H;  // place on the digit canvas and size
};

struct PointF {
  double U, Y;
};

// Slants upright points and makes them relative to a piece's place.
std::vector<TPoint> Place(const std::vector<PointF>& Upright, const Piece& P) {
  std::vector<TPoint> out;
  for (const PointF& p : Upright) {
    const double x = p.U + Slant * (CanvasHeight - p.Y);
    out.push_back({static_cast<int>(std::lround(x)) - P.X, static_cast<int>(std::lround(p.Y)) - P.Y});
  }
  return out;
}

std::vector<PointF> HorizontalBar(double CentreY) {
  return {{20, CentreY},       {39, CentreY - 19}, {194, CentreY - 19},
          {213, CentreY},      {194, CentreY + 19}, {39, CentreY + 19}};
}

std::vector<PointF> VerticalBar(double Left, double Top, double Bottom) {
  const double right = Left + 32, mid = Left + 16;
  return {{mid, Top},    {right, Top + 16}, {right, Bottom - 16},
          {mid, Bottom}, {Left, Bottom - 16}, {Left, Top + 16}};
}

void Fill(vcl::TCanvas& C, const std::vector<TPoint>& Points, vcl::TColor Color) {
  C.Pen()->SetColor(Color);
  C.Brush()->SetColor(Color);
  C.Polygon(std::span<const TPoint>(Points.data(), Points.size()));
}

// A slanted ellipse about (Cx, Cy) in piece coordinates, slanted about its
// centre row.
std::vector<TPoint> SlantedEllipse(double Cx, double Cy, double Rx, double Ry) {
  std::vector<TPoint> out;
  for (int i = 0; i < 96; ++i) {
    const double a = i * 2 * 3.14159265358979 / 96;
    const double y = Cy + Ry * std::sin(a);
    const double x = Cx + Rx * std::cos(a) + Slant * (Cy - y);
    out.push_back({static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))});
  }
  return out;
}

void DrawPiece(vcl::TCanvas& C, const Piece& P) {
  const std::string name = P.Name;
  C.Brush()->SetColor(vcl::clWhite);
  C.FillRect({0, 0, P.W, P.H});
  if (name == "SEGHORZ") {
    Fill(C, Place(HorizontalBar(19), P), vcl::clBlack);
  } else if (name == "SEGVERT") {
    Fill(C, Place(VerticalBar(-4, 23, 213), P), vcl::clBlack);
  } else if (name == "SEGPLUS") {
    Fill(C, Place(HorizontalBar(216), P), vcl::clBlack);
    Fill(C, Place(VerticalBar(100.5, 120, 310), P), vcl::clBlack);
  } else if (name == "SEGDOT") {
    C.Pen()->SetColor(vcl::clBlack);
    C.Brush()->SetColor(vcl::clBlack);
    C.Ellipse(0, 0, P.W, P.H);
  } else if (name == "SEGCOLON") {
    C.Pen()->SetColor(vcl::clBlack);
    C.Brush()->SetColor(vcl::clBlack);
    C.Ellipse(0, P.H - 36, 36, P.H);
    C.Ellipse(P.W - 36, 0, P.W, 36);
  } else if (name == "SEGDEG") {
    Fill(C, SlantedEllipse(85, 69, 66, 66), vcl::clBlack);
    Fill(C, SlantedEllipse(85, 69, 40, 40), vcl::clWhite);
    C.Brush()->SetColor(vcl::clWhite);
    C.FillRect({85, 68, P.W, 70});  // the slit, from the hole out to the right
  }
}

void Put16(std::vector<std::uint8_t>& B, unsigned V) {
  B.push_back(V & 0xFF);
  B.push_back((V >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& B, std::uint32_t V) {
  Put16(B, V & 0xFFFF);
  Put16(B, V >> 16);
}

// 8 bits per pixel, bottom-up, palette 0 black and 1 white.
bool WriteBmp(vcl::TBitmap& Bmp, const std::string& Path) {
  const int w = Bmp.Width(), h = Bmp.Height();
  const int stride = (w + 3) / 4 * 4;
  const std::uint32_t offset = 14 + 40 + 2 * 4;
  std::vector<std::uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, offset + static_cast<std::uint32_t>(stride * h));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(h));
  Put16(b, 1);
  Put16(b, 8);
  Put32(b, 0);
  Put32(b, static_cast<std::uint32_t>(stride * h));
  Put32(b, 3780);
  Put32(b, 3780);
  Put32(b, 2);
  Put32(b, 2);
  Put32(b, 0x00000000);  // black
  Put32(b, 0x00FFFFFF);  // white
  for (int y = h - 1; y >= 0; --y) {
    const std::uint32_t* row = Bmp.ScanLine(y);
    for (int x = 0; x < stride; ++x) b.push_back(x < w && (row[x] & 0xFFFFFF) == 0 ? 0 : 1);
  }
  FILE* f = std::fopen(Path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
    return 2;
  }
  const Piece pieces[] = {{"SEGHORZ", 94, 0, 200, 38},   {"SEGVERT", 37, 23, 68, 190},
                          {"SEGDOT", 269, 394, 38, 38},  {"SEGPLUS", 57, 120, 200, 190},
                          {"SEGCOLON", 122, 121, 68, 190}, {"SEGDEG", 150, 0, 160, 138}};
  for (const Piece& p : pieces) {
    vcl::TBitmap bmp(p.W, p.H);
    DrawPiece(*bmp.Canvas(), p);
    const std::string path = std::string(argv[1]) + "/" + p.Name + ".bmp";
    if (!WriteBmp(bmp, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
