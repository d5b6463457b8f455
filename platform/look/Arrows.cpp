// Filled arrows in four directions, sized to their rectangle, and the
// engraved look of a disabled arrow.
#include <algorithm>

#include "platform/look/LookCanvas.h"

namespace vcl::look {

using detail::Fill;

int ArrowDepth(const TRect& R) { return std::max(1, (std::min(R.Width(), R.Height()) + 1) / 4); }

// Line k from the tip is 2k + 1 pixels long, centred on the arrow's axis.
void DrawColoredArrow(TCanvas& C, const TRect& R, TArrowDirection Direction, TColor Color) {
  if (R.IsEmpty()) return;
  detail::TKeepCanvas keep(C);
  const int n = ArrowDepth(R);
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const int x0 = R.Left + (R.Width() - n) / 2, y0 = R.Top + (R.Height() - n) / 2;
  for (int k = 0; k < n; ++k) {
    switch (Direction) {
      case adUp: Fill(C, Rect(cx - k, y0 + k, cx + k + 1, y0 + k + 1), Color); break;
      case adDown: Fill(C, Rect(cx - k, y0 + n - 1 - k, cx + k + 1, y0 + n - k), Color); break;
      case adLeft: Fill(C, Rect(x0 + k, cy - k, x0 + k + 1, cy + k + 1), Color); break;
      case adRight: Fill(C, Rect(x0 + n - 1 - k, cy - k, x0 + n - k, cy + k + 1), Color); break;
    }
  }
}

void DrawArrow(TCanvas& C, const TRect& R, TArrowDirection Direction, bool Enabled) {
  if (Enabled) {
    DrawColoredArrow(C, R, Direction, clBtnText);
    return;
  }
  // The highlight copy may reach one pixel past a tiny rectangle: clipped.
  const TRect saved = C.IntersectClip(R);
  TRect lit = R;
  lit.Offset(1, 1);
  DrawColoredArrow(C, lit, Direction, clBtnHighlight);
  C.SetDeviceClip(saved);
  DrawColoredArrow(C, R, Direction, clBtnShadow);
}

// ---------------------------------------------------------------- scroll bar parts

void DrawScrollButton(TCanvas& C, const TRect& R, TArrowDirection Direction, bool Pressed,
                      bool Enabled) {
  DrawButtonFace(C, R, Pressed ? bfPushed : Enabled ? bfUp : bfDisabled);
  TRect arrow = R;
  if (Pressed) arrow.Offset(1, 1);
  DrawArrow(C, arrow, Direction, Enabled);
}

void DrawScrollThumb(TCanvas& C, const TRect& R) { DrawButtonFace(C, R, bfUp); }

void DrawScrollTrack(TCanvas& C, const TRect& R, bool Pressed) {
  detail::TKeepCanvas keep(C);
  Fill(C, R, Pressed ? clBtnShadow : clScrollBar);
}

}  // namespace vcl::look
