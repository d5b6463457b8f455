#include "platform/look/LookCanvas.h"

#include <algorithm>

namespace vcl::look::detail {

TKeepCanvas::TKeepCanvas(TCanvas& C)
    : FCanvas(C),
      FPenColor(C.Pen()->Color()),
      FPenWidth(C.Pen()->Width()),
      FPenStyle(C.Pen()->Style()),
      FPenMode(C.Pen()->Mode()),
      FBrushColor(C.Brush()->Color()),
      FBrushStyle(C.Brush()->Style()),
      FFontColor(C.Font()->Color()) {
  C.Pen()->SetWidth(1);
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetMode(pmCopy);
}

TKeepCanvas::~TKeepCanvas() {
  TPen* pen = FCanvas.Pen();
  pen->SetColor(FPenColor);
  pen->SetWidth(FPenWidth);
  pen->SetStyle(FPenStyle);
  pen->SetMode(FPenMode);
  // Setting a color makes a clear brush solid, so the style comes last.
  FCanvas.Brush()->SetColor(FBrushColor);
  FCanvas.Brush()->SetStyle(FBrushStyle);
  FCanvas.Font()->SetColor(FFontColor);
}

void Fill(TCanvas& C, const TRect& R, TColor Color) {
  if (R.IsEmpty()) return;
  C.Brush()->SetColor(Color);
  C.Brush()->SetStyle(bsSolid);
  C.FillRect(R);
}

TRect Inset(const TRect& R, int N) {
  TRect r(R.Left + N, R.Top + N, R.Right - N, R.Bottom - N);
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

}  // namespace vcl::look::detail
