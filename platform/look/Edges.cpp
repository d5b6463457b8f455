// 3-D edges, flat borders and bevels: rings of two colors inside a rectangle.
#include <array>

#include "platform/look/LookCanvas.h"

namespace vcl::look {

using detail::Fill;
using detail::Inset;

namespace {

struct TRing {
  TColor TopLeft, BottomRight;
};

constexpr TRing kRaisedOuter{cl3DLight, cl3DDkShadow};
constexpr TRing kRaisedInner{clBtnHighlight, clBtnShadow};
constexpr TRing kSunkenOuter{clBtnShadow, clBtnHighlight};
constexpr TRing kSunkenInner{cl3DDkShadow, cl3DLight};
constexpr TRing kNoRing{clNone, clNone};

// The rings of each kind, outer first; a single kind has no second ring.
constexpr std::array<std::array<TRing, 2>, 8> kEdges{{
    {kRaisedOuter, kNoRing},
    {kRaisedInner, kNoRing},
    {kSunkenOuter, kNoRing},
    {kSunkenInner, kNoRing},
    {kRaisedOuter, kRaisedInner},
    {kSunkenOuter, kSunkenInner},
    {kSunkenOuter, kRaisedInner},
    {kRaisedInner, kSunkenOuter},
}};

void Ring(TCanvas& C, const TRect& R, TColor TopLeft, TColor BottomRight) {
  Fill(C, Rect(R.Left, R.Top, R.Right - 1, R.Top + 1), TopLeft);
  Fill(C, Rect(R.Left, R.Top, R.Left + 1, R.Bottom - 1), TopLeft);
  Fill(C, Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), BottomRight);
  Fill(C, Rect(R.Right - 1, R.Top, R.Right, R.Bottom), BottomRight);
}

}  // namespace

int EdgeWidth(TEdgeKind Kind) { return Kind >= ekRaised ? 2 : 1; }

TRect DrawEdge(TCanvas& C, const TRect& R, TColor TopLeft, TColor BottomRight) {
  if (R.IsEmpty()) return R;
  detail::TKeepCanvas keep(C);
  Ring(C, R, TopLeft, BottomRight);
  return Inset(R, 1);
}

TRect DrawEdge(TCanvas& C, const TRect& R, TEdgeKind Kind) {
  const auto& rings = kEdges[static_cast<std::size_t>(Kind) % kEdges.size()];
  TRect r = DrawEdge(C, R, rings[0].TopLeft, rings[0].BottomRight);
  if (EdgeWidth(Kind) == 2) r = DrawEdge(C, r, rings[1].TopLeft, rings[1].BottomRight);
  return r;
}

TRect DrawSunkenBorder(TCanvas& C, const TRect& R) { return DrawEdge(C, R, ekSunken); }

TRect DrawFlatBorder(TCanvas& C, const TRect& R, TColor Color) {
  return DrawEdge(C, R, Color, Color);
}

TRect DrawBevel(TCanvas& C, const TRect& R, TBevelCut Cut, int Width) {
  const TRing ring = Cut == bcRaised ? kRaisedInner : kSunkenOuter;
  TRect r = R;
  for (int i = 0; i < Width && !r.IsEmpty(); ++i)
    r = DrawEdge(C, r, ring.TopLeft, ring.BottomRight);
  return r;
}

TRect DrawDoubleBevel(TCanvas& C, const TRect& R, TBevelCut Outer, TBevelCut Inner, int Width) {
  return DrawBevel(C, DrawBevel(C, R, Outer, Width), Inner, Width);
}

}  // namespace vcl::look
