// Figures without a pen, drawn row to row through the canvas, against a
// pixel loop over the row spans of the same figure: origins, clips,
// reversed corners, hatched brushes and pen modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "PixelTestSupport.h"
#include "platform/raster/Pixel.h"
#include "platform/raster/Shapes.h"

using namespace vcl;
using namespace vcltest;

namespace {

constexpr int kW = 40, kH = 30;

struct Scene {
  TPoint Origin;
  TRect Clip;       // device clip
  TRect Box;        // canvas coordinates, corners in any order
  int CornerW = 0;  // 0 for an ellipse
  int CornerH = 0;
  TColor Color = 0;
  TBrushStyle Brush = bsSolid;
  TPenMode Mode = pmCopy;
};

void Draw(TBitmap& B, const Scene& S) {
  TCanvas c;
  c.Attach(B.Surface(), S.Origin, S.Clip);
  c.Pen()->SetStyle(psClear);
  c.Pen()->SetMode(S.Mode);
  c.Brush()->SetColor(S.Color);
  c.Brush()->SetStyle(S.Brush);
  const TRect& r = S.Box;
  if (S.CornerW == 0)
    c.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
  else
    c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, S.CornerW, S.CornerH);
}

// Each pixel of the figure (its box less the right column and bottom row,
// where a pen would go) that lies in the clip and under the hatch.
void Reference(TBitmap& B, const Scene& S) {
  const TRect& r = S.Box;
  const TRect box(std::min(r.Left, r.Right) + S.Origin.X, std::min(r.Top, r.Bottom) + S.Origin.Y,
                  std::max(r.Left, r.Right) + S.Origin.X - 1,
                  std::max(r.Top, r.Bottom) + S.Origin.Y - 1);
  const int cw = S.CornerW == 0 ? 1 << 30 : S.CornerW, ch = S.CornerH == 0 ? 1 << 30 : S.CornerH;
  const raster::RoundShape shape(box, cw, ch);
  const std::uint8_t* hatch = raster::HatchPattern(S.Brush);
  const TRect clip = S.Clip.Intersect(TRect(0, 0, kW, kH));
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    const raster::RowSpan span = shape.Row(y);
    for (int x = clip.Left; x < clip.Right; ++x) {
      if (x < span.X0 || x >= span.X1) continue;
      if (hatch != nullptr && !(hatch[y & 7] & (0x80u >> (x & 7)))) continue;
      raster::Pixel& d = B.ScanLine(y)[x];
      d = raster::Rop2(S.Mode, raster::ToPixel(S.Color), d);
    }
  }
}

}  // namespace

TEST(FigureFill, ClearPenFiguresMatchAPixelLoop) {
  std::mt19937 rng(31337);
  const auto rand = [&](int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(rng); };
  const TBrushStyle brushes[] = {bsSolid, bsSolid, bsHorizontal, bsCross, bsDiagCross};
  for (int round = 0; round < 500; ++round) {
    TBitmap fast(kW, kH), slow(kW, kH);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) fast.ScanLine(y)[x] = rng() & 0xFFFFFF;
    slow.Assign(&fast);
    Scene s;
    s.Origin = {rand(-8, 8), rand(-8, 8)};
    s.Clip = TRect(rand(-5, 20), rand(-5, 15), rand(20, 45), rand(15, 35));
    s.Box = TRect(rand(-15, 50), rand(-15, 40), rand(-15, 50), rand(-15, 40));
    if (round % 3 != 0) {
      s.CornerW = rand(1, 25);
      s.CornerH = rand(1, 25);
    }
    s.Color = static_cast<TColor>(rng() & 0xFFFFFF);
    s.Brush = brushes[rand(0, 4)];
    s.Mode = round % 2 == 0 ? pmCopy : static_cast<TPenMode>(rand(0, 15));
    Draw(fast, s);
    Reference(slow, s);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        ASSERT_EQ(fast.ScanLine(y)[x], slow.ScanLine(y)[x])
            << "round " << round << " at " << x << "," << y;
  }
}
